"""Confidence bounds of Cohen's d and Hedges' g where df is huge and the level high.

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

# N1 = N2 = n, SDs 1, M2 0 and M1 typed so that t is 3; then the level.
ROWS = [
    (100000000, "0.000424264068711928521", "0.999999"),
    (100000000, "0.000424264068711928521", "0.9999"),
    (100000000, "0.000424264068711928521", "0.95"),
    (5000000, "0.00189736659610102759", "0.999999"),
    (5000000, "0.00189736659610102759", "0.9999"),
]


def log_density_of_s(s, df):
    """log f(s) for s = sqrt(X / df), X chi-square with df degrees of freedom."""
    x = df * s * s
    return ((df / 2 - 1) * mp.log(x) - x / 2 - (df / 2) * mp.log(2) - mp.loggamma(df / 2)
            + mp.log(2 * df * s))


def noncentral_t_cdf(t, df, ncp):
    spread = 1 / mp.sqrt(2 * df)
    edges = [0] + [1 + spread * k for k in range(-60, 61, 5) if 1 + spread * k > 0]
    return mp.quad(lambda s: mp.ncdf(t * s - ncp) * mp.exp(log_density_of_s(s, df)), edges)


def noncentrality_for(t, df, probability):
    z = mp.sqrt(2) * mp.erfinv(2 * probability - 1)
    guess = t - z * mp.sqrt(1 + t * t / (2 * df))
    return mp.findroot(lambda ncp: noncentral_t_cdf(t, df, ncp) - probability,
                       (guess - mp.mpf("0.01"), guess + mp.mpf("0.01")), solver="secant",
                       tol=mp.mpf(10) ** -32)


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
for n, m1, level in ROWS:
    df = mp.mpf(2 * n - 2)
    scale = mp.sqrt(mp.mpf(2) / n)
    t = mp.mpf(m1) / scale
    alpha = 1 - mp.mpf(level)
    lower = noncentrality_for(t, df, 1 - alpha / 2) * scale
    upper = noncentrality_for(t, df, alpha / 2) * scale
    factor = hedges_factor(df)
    out.writerow([n, m1, 1, n, 0, 1, level]
                 + [mp.nstr(v, 17) for v in (lower, upper, factor * lower, factor * upper)])
