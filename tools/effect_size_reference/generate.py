# SPDX-FileCopyrightText: 2026 The LxTervan developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Confidence bounds of Cohen's d and Hedges' g where df is huge and the level high, and where
df is 1 or 2 and t large.

The bounds invert the noncentral t at the pooled t: lambda_lo puts P(T' <= t) at 1 - alpha/2,
lambda_hi at alpha/2, and d's bounds are lambda * sqrt(1/N1 + 1/N2); g's are Hedges' factor
times them. The noncentral t's cdf is the normal cdf mixed over s = sqrt(X / df) with X
chi-square on df degrees of freedom, P(T' <= t) = integral of Phi(t s - lambda) f(s) ds,
integrated by mpmath at 40 digits over s from 0 to 60 of its spreads above 1. R's pt(..., ncp)
switches to an approximation beyond df 4e5, so it cannot check these rows.
Usage: /usr/bin/python3 tools/effect_size_reference/generate.py \
           > tests/stats/effect_size_reference.csv
"""
import csv
import sys

import mpmath as mp

mp.mp.dps = 40

# N1, M1, N2 and the level; SDs 1 and M2 0. The huge N have M1 typed so that t is 3.
ROWS = [
    (100000000, "0.000424264068711928521", 100000000, "0.999999"),
    (100000000, "0.000424264068711928521", 100000000, "0.9999"),
    (100000000, "0.000424264068711928521", 100000000, "0.99"),
    (100000000, "0.000424264068711928521", 100000000, "0.95"),
    (5000000, "0.00189736659610102759", 5000000, "0.999999"),
    (5000000, "0.00189736659610102759", 5000000, "0.9999"),
    # df 1 and 2 with t from 8 to 1000, where T' is far from normal.
    (2, "10", 1, "0.95"),
    (2, "100", 1, "0.95"),
    (2, "30", 1, "0.95"),
    (2, "1000", 2, "0.95"),
    (2, "10", 1, "0.999999"),
    (2, "100", 2, "0.999999"),
]


def log_density_of_s(s, df):
    """log f(s) for s = sqrt(X / df), X chi-square with df degrees of freedom."""
    x = df * s * s
    return ((df / 2 - 1) * mp.log(x) - x / 2 - (df / 2) * mp.log(2) - mp.loggamma(df / 2)
            + mp.log(2 * df * s))


def noncentral_t_cdf(t, df, ncp):
    spread = 1 / mp.sqrt(2 * df)
    edges = [0] + [1 + spread * k for k in range(-60, 61, 5) if 1 + spread * k > 0]
    # Phi(t s - ncp) steps from 0 to 1 within a few 1 / t of s = ncp / t.
    edges += [ncp / t + k / t for k in range(-40, 41, 4) if ncp / t + k / t > 0]
    edges = sorted(set(edges))
    return mp.quad(lambda s: mp.ncdf(t * s - ncp) * mp.exp(log_density_of_s(s, df)), edges)


def noncentrality_for(t, df, probability):
    """The root, bracketed by steps that double outward from the normal approximation, then
    narrowed by the Illinois method, which keeps the bracket."""
    z = mp.sqrt(2) * mp.erfinv(2 * probability - 1)
    spread = mp.sqrt(1 + t * t / (2 * df))
    miss = lambda ncp: noncentral_t_cdf(t, df, ncp) - probability
    low, high = t - z * spread - spread, t - z * spread + spread
    while miss(low) < 0:
        low, high = low - 2 * (high - low), low
    while miss(high) > 0:
        low, high = high, high + 2 * (high - low)
    root = mp.findroot(miss, (low, high), solver="illinois", tol=mp.mpf(10) ** -40,
                        verify=False, maxsteps=500)
    if not low <= root <= high or abs(miss(root)) > mp.mpf(10) ** -25:
        sys.exit(f"no root for t {t}, df {df}, probability {probability}")
    return root


def hedges_factor(df):
    return mp.exp(mp.loggamma(df / 2) - mp.loggamma((df - 1) / 2)) / mp.sqrt(df / 2)


# The cdf against a route of its own where both are easy: the Poisson-weighted beta series at
# df 30, so the integral's set-up is checked, not only its convergence.
def series_cdf(t, df, ncp):
    x = t * t / (t * t + df)
    total = mp.ncdf(-ncp)
    for j in range(400):
        pj = mp.exp(-ncp * ncp / 2) * (ncp * ncp / 2) ** j / mp.factorial(j)
        qj = (mp.exp(-ncp * ncp / 2) * (ncp * ncp / 2) ** j * ncp
              / (mp.sqrt(2) * mp.gamma(j + mp.mpf(3) / 2)))
        total += (pj * mp.betainc(j + mp.mpf(1) / 2, df / 2, 0, x, regularized=True)
                  + qj * mp.betainc(j + 1, df / 2, 0, x, regularized=True)) / 2
    return total


for ncp in (mp.mpf(1), mp.mpf(4)):
    a, b = noncentral_t_cdf(mp.mpf(3), mp.mpf(30), ncp), series_cdf(mp.mpf(3), mp.mpf(30), ncp)
    if abs(a - b) > mp.mpf(10) ** -25:
        sys.exit(f"the integral and the series disagree at ncp {ncp}: {a} {b}")

out = csv.writer(sys.stdout, lineterminator="\n")
out.writerow(["n1", "m1", "sd1", "n2", "m2", "sd2", "level", "d_lo", "d_hi", "g_lo", "g_hi"])
for n1, m1, n2, level in ROWS:
    df = mp.mpf(n1 + n2 - 2)
    scale = mp.sqrt(mp.mpf(1) / n1 + mp.mpf(1) / n2)
    t = mp.mpf(m1) / scale
    alpha = 1 - mp.mpf(level)
    lower = noncentrality_for(t, df, 1 - alpha / 2) * scale
    upper = noncentrality_for(t, df, alpha / 2) * scale
    bounds = [lower, upper]
    # Hedges' factor needs df of at least 2; without it g has no bounds.
    bounds += [hedges_factor(df) * b for b in bounds] if df >= 2 else []
    cells = [mp.nstr(v, 17) for v in bounds]
    out.writerow([n1, m1, 1, n2, 0, 1, level] + cells + [""] * (4 - len(cells)))
