#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The LxTervan developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Reference plans: what a study in hand plans for the next one, worked in mpmath.

Usage: python3 generate.py > ../../tests/planning/plan_reference.csv

For each study (n1, n2, observed d) and plan (target power, alpha, tails, n2/n1 of the next
study, the effect planned for: the observed d, or its safeguard where `safeguard` is 1) the columns give the planned
sample (the smallest n1 >= 2 with n2 = ceil(ratio n1) whose power reaches the target, and that
power), the safeguard d (the end nearer 0 of the observed d's 60% interval), the d the study's
Ns detect with the target power, and the smallest d they show significant.

Power is that of Student's two-sample test: the noncentral t with n1 + n2 - 2 df and
noncentrality d sqrt(n1 n2 / (n1 + n2)). Its tails are written as the expectation over the
chi-square V of normal probabilities, P(T > c) = E[Phi(lambda - c sqrt(V / df))], so that no
noncentral-t routine is involved; the critical t comes from the incomplete beta function.
"""

import math
import sys

import mpmath as mp

mp.mp.dps = 30

STUDIES = [
    # n1, n2, d, power, alpha, tails, ratio, effect
    (10, 10, 1.0, 0.8, 0.05, 2, 1.0, "observed"),
    (10, 10, 1.0, 0.8, 0.05, 2, 1.0, "safeguard"),
    (20, 40, 0.5, 0.9, 0.01, 1, 2.0, "observed"),
    (12, 30, -0.8, 0.95, 0.05, 2, 0.5, "safeguard"),
]


def t_upper(x, df):
    """P(T > x) for Student's t."""
    tail = mp.betainc(df / 2, mp.mpf(1) / 2, 0, df / (df + x * x), regularized=True) / 2
    return tail if x >= 0 else 1 - tail


def critical_t(alpha, df, tails):
    share = mp.mpf(alpha) / tails
    return mp.findroot(lambda x: t_upper(x, df) - share, (mp.mpf(0), mp.mpf(200)),
                       solver="illinois")


def chi_density(v, df):
    return mp.exp((df / 2 - 1) * mp.log(v) - v / 2 - (df / 2) * mp.log(2) - mp.loggamma(df / 2))


def power(df, lam, c, tails):
    def integrand(v):
        s = c * mp.sqrt(v / df)
        p = mp.ncdf(lam - s)
        if tails == 2:
            p += mp.ncdf(-s - lam)
        return chi_density(v, df) * p

    cuts = [0, df / 4, df / 2, df, 2 * df, 4 * df, 8 * df, mp.inf]
    return mp.quad(integrand, cuts)


def sample(d, target, alpha, tails, ratio):
    for n1 in range(2, 100000):
        n2 = max(2, math.ceil(ratio * n1 * (1 - 1e-12)))
        df = n1 + n2 - 2
        lam = abs(d) * mp.sqrt(mp.mpf(n1) * n2 / (n1 + n2))
        p = power(df, lam, critical_t(alpha, df, tails), tails)
        if p >= target:
            return n1, n2, p
    raise RuntimeError("no sample")


def safeguard(d, n1, n2):
    """The end nearer 0 of the 60% interval: the noncentrality whose t puts 20% above |t|."""
    df = n1 + n2 - 2
    scale = mp.sqrt(mp.mpf(1) / n1 + mp.mpf(1) / n2)
    t = abs(d) / scale

    def above(lam):  # P(T > t) for the noncentral t, as the expectation over V
        return mp.quad(lambda v: chi_density(v, df) * mp.ncdf(lam - t * mp.sqrt(v / df)),
                       [0, df / 2, df, 2 * df, 8 * df, mp.inf])

    lam = mp.findroot(lambda lam: above(lam) - mp.mpf("0.2"), (mp.mpf(-1), t), solver="illinois")
    return mp.sign(d) * lam * scale


def sensitivity(n1, n2, target, alpha, tails):
    df = n1 + n2 - 2
    c = critical_t(alpha, df, tails)
    lam = mp.findroot(lambda lam: power(df, lam, c, tails) - target, (mp.mpf(0.1), c + 6),
                      solver="illinois")
    return lam * mp.sqrt(mp.mpf(1) / n1 + mp.mpf(1) / n2)


def main():
    out = sys.stdout
    out.write("n1,n2,d,power,alpha,tails,ratio,safeguard,plan_n1,plan_n2,plan_power,"
              "d_safeguard,d_sensitivity,d_critical\n")
    for n1, n2, d, target, alpha, tails, ratio, effect in STUDIES:
        guard = safeguard(d, n1, n2)
        planned = d if effect == "observed" else guard
        p1, p2, achieved = sample(float(planned), target, alpha, tails, ratio)
        df = n1 + n2 - 2
        critical = critical_t(alpha, df, tails) * mp.sqrt(mp.mpf(1) / n1 + mp.mpf(1) / n2)
        row = [n1, n2, d, target, alpha, tails, ratio, int(effect == "safeguard"), p1, p2,
               mp.nstr(achieved, 17), mp.nstr(guard, 17),
               mp.nstr(sensitivity(n1, n2, target, alpha, tails), 17), mp.nstr(critical, 17)]
        out.write(",".join(str(x) for x in row) + "\n")


if __name__ == "__main__":
    main()
