#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The LxTervan developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Reference values of the posterior of delta and of BF10 against the prior scale, for the
# default (JZS) two-sample Bayes factor, worked independently with mpmath at 30 digits.
# Usage: python3 generate.py [posterior] [robustness]  (writes the CSV files into tests/stats/)
#
# The posterior density of delta is the noncentral t density of Student's pooled t at
# lambda = delta sqrt(N) (N = N1 N2 / (N1 + N2)) times the Cauchy prior of scale r. The noncentral
# t density is taken in closed form through the parabolic cylinder function,
#   f(x) = nu^(nu/2) exp(-nu mu^2 / (2 s)) Gamma(nu + 1) exp(-a^2 / 4) D_{-nu-1}(-a)
#          / (sqrt(pi) Gamma(nu/2) 2^((nu-1)/2) s^((nu+1)/2)),  s = x^2 + nu, a = mu x / sqrt(s),
# and normalised by mpmath's own quadrature over delta (not by BF10). BF10 at r is the integral
# over g of the model with delta | g ~ N(0, g), g ~ inverse gamma(1/2, r^2 / 2), taken over log g.
import csv
import os

from mpmath import mp, mpf, pcfd, gamma, exp, sqrt, quad, pi, log, findroot, linspace

mp.dps = 30
HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, "..", "..", "tests", "stats")


def pooled_t(n1, m1, sd1, n2, m2, sd2):
    nu = n1 + n2 - 2
    sp = sqrt(((n1 - 1) * mpf(sd1) ** 2 + (n2 - 1) * mpf(sd2) ** 2) / nu)
    return (mpf(m1) - mpf(m2)) / (sp * sqrt(mpf(1) / n1 + mpf(1) / n2))


def nct_density(x, nu, mu):
    s = x**2 + nu
    a = mu * x / sqrt(s)
    pre = nu ** (nu / 2) * exp(-nu * mu**2 / (2 * s)) / (
        sqrt(pi) * gamma(nu / 2) * 2 ** ((nu - 1) / 2) * s ** ((nu + 1) / 2))
    return pre * gamma(nu + 1) * exp(-a**2 / 4) * pcfd(-nu - 1, -a)


def posterior_row(n1, m1, sd1, n2, m2, sd2, r, level=mpf("0.95")):
    t = pooled_t(n1, m1, sd1, n2, m2, sd2)
    nu = mpf(n1 + n2 - 2)
    n = mpf(n1) * n2 / (n1 + n2)
    r = mpf(r)

    def density(d):
        return nct_density(t, nu, d * sqrt(n)) * r / (pi * (r**2 + d**2))

    est = t / sqrt(n)
    spread = sqrt((1 + t**2 / nu) / n)
    # Pieces narrow enough for the prior's peak at 0 as well as the likelihood's about est,
    # which can lie far apart at few df.
    cuts = sorted(set(linspace(min(0, est) - 40 * spread, max(0, est) + 40 * spread, 321))
                  | {mpf(0), -r, r})
    pieces = [quad(density, [cuts[k], cuts[k + 1]]) for k in range(len(cuts) - 1)]
    total = sum(pieces)
    cumulative = [mpf(0)]
    for p in pieces:
        cumulative.append(cumulative[-1] + p / total)

    def quantile(p):
        k = max(i for i in range(len(cumulative)) if cumulative[i] <= p)
        base = cumulative[k]
        f = lambda x: base + quad(density, [cuts[k], x]) / total - p
        # Illinois' method keeps the root bracketed, however skewed the piece.
        root = findroot(f, (cuts[k], cuts[k + 1]), solver="illinois", tol=mpf(10) ** -40)
        if abs(f(root)) > mpf(10) ** -20:
            raise SystemExit(f"no quantile {p}: off by {f(root)}")
        return root

    # A second route to the mass: BF10 times the central t density of t, from the integral over g.
    central = gamma((nu + 1) / 2) / (gamma(nu / 2) * sqrt(nu * pi)) * (1 + t**2 / nu) ** (-(nu + 1) / 2)
    expected = exp(log_bf10(t, n, nu, r)) * central
    if abs(total / expected - 1) > mpf(10) ** -15:
        raise SystemExit(f"the posterior's mass {total} is not BF10's {expected}")
    tail = (1 - level) / 2
    return {"n1": n1, "m1": m1, "sd1": sd1, "n2": n2, "m2": m2, "sd2": sd2, "r": r, "t": t,
            "median": quantile(mpf("0.5")), "cri_lo": quantile(tail),
            "cri_hi": quantile(1 - tail)}


def log_bf10(t, n, nu, r):
    def log_integrand(u):
        g = exp(u)
        return (-log(1 + n * g) / 2 - (nu + 1) / 2 * log(1 + t**2 / ((1 + n * g) * nu))
                + (nu + 1) / 2 * log(1 + t**2 / nu) + log(r) - log(2 * pi) / 2 - u / 2
                - r**2 / (2 * g))

    grid = [mpf(u) / 4 for u in range(-200, 201)]
    peak = max(grid, key=log_integrand)
    top = log_integrand(peak)
    f = lambda u: exp(log_integrand(u) - top)
    # Below the peak the integrand falls as exp(-r^2 / 2g), above it as 1/g: beyond these ends
    # it holds less than 1e-25 of the whole.
    return top + log(quad(f, [peak - 30, peak - 20, peak - 5, peak - 1, peak, peak + 1, peak + 5,
                              peak + 20, peak + 40, peak + 70]))


def robustness_row(n1, m1, sd1, n2, m2, sd2, r):
    t = pooled_t(n1, m1, sd1, n2, m2, sd2)
    nu = mpf(n1 + n2 - 2)
    n = mpf(n1) * n2 / (n1 + n2)
    upper = mpf("1.5") if r <= 1.5 else max(mpf(2), mpf(r))
    at = lambda x: log_bf10(t, n, nu, mpf(x))
    # Even in r over the range, and by eighths of a decade down to 1e-8 of it, where a large N
    # can put the peak.
    grid = sorted([upper * k / 60 for k in range(1, 61)] +
                  [upper * mpf(10) ** (-mpf(k) / 8) for k in range(9, 65)])
    values = [at(x) for x in grid]
    best = max(range(len(grid)), key=lambda k: values[k])
    if best == 0 and values[0] < 0:
        r_max, largest = mpf(0), mpf(0)
    else:
        # Golden-section search between the best point's neighbours (the last two when the best
        # is at the end, where the peak can still lie just inside).
        a = grid[best - 1] if best > 0 else grid[0] / 10
        b = grid[best + 1] if best + 1 < len(grid) else upper
        ratio = (sqrt(5) - 1) / 2
        c, d = b - ratio * (b - a), a + ratio * (b - a)
        fc, fd = at(c), at(d)
        while b - a > mpf(10) ** -13:
            if fc > fd:
                b, d, fd = d, c, fc
                c = b - ratio * (b - a)
                fc = at(c)
            else:
                a, c, fc = c, d, fd
                d = a + ratio * (b - a)
                fd = at(d)
        r_max = (a + b) / 2
        largest = at(r_max)
        if values[-1] >= largest:
            r_max, largest = upper, values[-1]
    return {"n1": n1, "m1": m1, "sd1": sd1, "n2": n2, "m2": m2, "sd2": sd2, "r": r, "t": t,
            "upper": upper, "log_bf_half": at(mpf("0.5")), "log_bf_medium": at(sqrt(2) / 2),
            "log_bf_wide": at(1), "log_bf_ultrawide": at(sqrt(2)), "r_max": r_max,
            "log_bf_max": largest}


MEDIUM = sqrt(2) / 2
CASES = [
    (10, 5, 1, 10, 4, 1, MEDIUM),
    (10, 4, 1, 10, 5, 1, MEDIUM),      # negative difference
    (10, 5, 1, 10, 5, 1, MEDIUM),      # no difference: BF10 below 1 at every scale
    (10, 5, 1, 10, 4, 1, 1),
    (2, 1.5, 0.7, 2, 0.2, 0.1, MEDIUM),  # two df: the prior shows through
    (25, 102.3, 15.1, 31, 98.7, 14.2, 0.5),
    (12, -3.4, 2.2, 8, 1.7, 5.9, 1),
    (30, 30, 1, 30, 29, 1, MEDIUM),    # t near 3.9
    (200, 0.512, 0.101, 180, 0.498, 0.097, MEDIUM),
    (1000, 50, 10, 1000, 51, 10, MEDIUM),
    (40, 12, 3, 35, 10, 3, 2),         # chosen scale above 1.5: the range goes to 2
    (15, 10, 2, 15, 7, 2, MEDIUM),     # large t: the peak lies beyond the range
    (93, 52.57, 6.71, 171, 52.61, 11.14, MEDIUM),  # a small nonzero t
]


# Few df, where the likelihood's tails are heavy: df 1 to 6 and t up to 50.
SMALL_DF_CASES = [
    (2, 3, 1, 2, 0, 1, MEDIUM),        # df 2, t = 3
    (2, -5, 1, 3, 5, 2, MEDIUM),       # df 3, t = -6.32
    (1, 3, 0, 2, 0, 1, MEDIUM),        # df 1, t = 2.45
    (1, 12.25, 0, 2, 0, 1, MEDIUM),    # df 1, t = 10
    (1, 61.25, 0, 2, 0, 1, 1),         # df 1, t = 50
    (2, 0, 1, 2, 20, 1, MEDIUM),       # df 2, t = -20
    (3, 10, 1, 3, 0, 1, MEDIUM),       # df 4, t = 12.2
    (3, 8, 1, 4, 0, 1, 0.5),           # df 5, t = 10.6
    (4, 35.36, 1, 4, 0, 1, MEDIUM),    # df 6, t = 50
]

# A peak of BF10 at a scale below the first point of an even grid over the range: N = 10^6 in
# each group, t = 2 and t = 1.5.
SMALL_SCALE_CASES = [
    (1000000, 0.0028284271247461905, 1, 1000000, 0, 1, MEDIUM),
    (1000000, 0.0021213203435596429, 1, 1000000, 0, 1, MEDIUM),
]


def write(name, rows):
    with open(os.path.join(OUT, name), "w", newline="") as f:
        w = csv.writer(f, lineterminator="\n")
        w.writerow(rows[0].keys())
        for row in rows:
            w.writerow([mp.nstr(v, 17) if not isinstance(v, int) else v for v in row.values()])


if __name__ == "__main__":
    import sys
    parts = sys.argv[1:] or ["posterior", "robustness"]
    if "posterior" in parts:
        write("bayes_posterior_reference.csv", [posterior_row(*c) for c in CASES + SMALL_DF_CASES])
    if "robustness" in parts:
        write("bayes_robustness_reference.csv",
              [robustness_row(*c) for c in CASES + SMALL_SCALE_CASES])
