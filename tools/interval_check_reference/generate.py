#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The LxTervan developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Reference verdicts of confidence intervals printed with a t test, worked in SciPy.

Usage: python3 generate.py > ../../tests/text_check/interval_reference.csv

Each printed number stands for its rounding (half a unit of its last digit either way).

An interval of a mean difference [l, u] at level c with df: the critical t is
t.isf((1 - c) / 2, df), the standard error (u - l) / (2 crit), and the t it implies is the
centre over that error, crit (l + u) / (u - l). Over the corners of the bounds' rounding that t
takes a range; the interval is consistent when that range meets the reported |t|'s rounding.

An interval of Cohen's d with group sizes n1 and n2: for a d, t = d / sqrt(1/n1 + 1/n2), and the
ends of its interval are the noncentralities lambda with nct.sf(t, df, lambda) = (1 - c) / 2 and
nct.cdf(t, df, lambda) = (1 - c) / 2, times sqrt(1/n1 + 1/n2). The noncentral t's distribution
is worked in mpmath as the expectation over the chi-square V of a normal probability,
P(T <= t) = E[Phi(t sqrt(V / df) - lambda)], so that no noncentral-t routine is involved, and
each lambda found by bisection to 1e-12. Each
end grows with d, so over the d's rounding each end takes a range; the interval is consistent
when each range meets the rounding of the printed bound. A g's ends are d's times Hedges' exact
factor Gamma(m/2) / (sqrt(m/2) Gamma((m-1)/2)), m = n1 + n2 - 2.
"""

import csv
import math
import sys

import mpmath as mp
from scipy import special, stats

mp.mp.dps = 25


def nct_cdf(t, df, lam):
    def integrand(v):
        log_density = ((df / 2 - 1) * mp.log(v) - v / 2 - (df / 2) * mp.log(2)
                       - mp.loggamma(df / 2))
        return mp.exp(log_density) * mp.ncdf(t * mp.sqrt(v / df) - lam)

    return mp.quad(integrand, [0, df / 2, df, 2 * df, 8 * df, mp.inf])


def bisect(f, lo, hi):
    flo = f(lo)
    while hi - lo > 1e-12:
        mid = (lo + hi) / 2
        fm = f(mid)
        if (fm < 0) == (flo < 0):
            lo, flo = mid, fm
        else:
            hi = mid
    return (lo + hi) / 2

ROWS = [
    # name, text, kind (difference | d | g), df, t, level, lower, upper, d, n1, n2
    ("difference_fits", "The difference was 2.10, t(48) = 2.27, p = .028, 95% CI [0.24, 3.96].",
     "difference", 48, "2.27", 95, "0.24", "3.96", None, None, None),
    ("difference_too_wide", "t(48) = 2.27, p = .028, 95% CI [0.12, 4.08].",
     "difference", 48, "2.27", 95, "0.12", "4.08", None, None, None),
    ("difference_negative", "t(30) = -2.50, p = .018, 95% CI [-3.61, -0.37].",
     "difference", 30, "-2.50", 95, "-3.61", "-0.37", None, None, None),
    ("difference_90", "t(30) = 2.50, p = .018, 90% CI [0.64, 3.36].",
     "difference", 30, "2.50", 90, "0.64", "3.36", None, None, None),
    ("d_fits", "With n1 = 24 and n2 = 26, t(48) = 2.27, p = .028, d = 0.64, 95% CI [0.07, 1.21].",
     "d", 48, "2.27", 95, "0.07", "1.21", "0.64", 24, 26),
    ("d_off", "With n1 = 24 and n2 = 26, t(48) = 2.27, p = .028, d = 0.64, 95% CI [0.12, 4.08].",
     "d", 48, "2.27", 95, "0.12", "4.08", "0.64", 24, 26),
    ("g_row", "With n1 = 15 and n2 = 15, t(28) = 2.20, p = .036, g = 0.78, 95% CI [0.05, 1.51].",
     "g", 28, "2.20", 95, "0.05", "1.51", "0.78", 15, 15),
]


def half(text):
    return 0.5 * 10 ** -(len(text.split(".")[1]) if "." in text else 0)


def rounding(text):
    v = float(text)
    return v - half(text), v + half(text)


def meets(a, b):
    return a[0] <= b[1] and b[0] <= a[1]


def difference_verdict(df, t, level, lower, upper):
    crit = stats.t.isf((1 - level / 100) / 2, df)
    corners = [crit * (l + u) / (u - l) for l in rounding(lower) for u in rounding(upper)]
    lo, hi = min(corners), max(corners)
    implied = (0.0, max(-lo, hi)) if lo <= 0 <= hi else (min(abs(lo), abs(hi)), max(abs(lo), abs(hi)))
    tl, th = rounding(t)
    reported = (0.0, max(-tl, th)) if tl <= 0 <= th else (min(abs(tl), abs(th)), max(abs(tl), abs(th)))
    return meets(implied, reported)


def d_interval(d, n1, n2, level):
    scale = math.sqrt(1 / n1 + 1 / n2)
    t = d / scale
    df = n1 + n2 - 2
    tail = (1 - level / 100) / 2
    lo = bisect(lambda lam: float(1 - nct_cdf(t, df, lam)) - tail, t - 10, t + 10)
    hi = bisect(lambda lam: float(nct_cdf(t, df, lam)) - tail, t - 10, t + 10)
    return lo * scale, hi * scale


def effect_verdict(kind, d, n1, n2, level, lower, upper):
    m = n1 + n2 - 2
    factor = 1.0
    if kind == "g":
        factor = math.exp(special.gammaln(m / 2) - special.gammaln((m - 1) / 2)) / math.sqrt(m / 2)
    dl, dh = rounding(d)
    least = d_interval(dl / factor, n1, n2, level)
    most = d_interval(dh / factor, n1, n2, level)
    lower_ends = (least[0] * factor, most[0] * factor)
    upper_ends = (least[1] * factor, most[1] * factor)
    return meets(lower_ends, rounding(lower)) and meets(upper_ends, rounding(upper)), least, most


def main():
    out = csv.writer(sys.stdout, lineterminator="\n")
    out.writerow(["name", "text", "ci_check", "lower_end_low", "lower_end_high"])
    for name, text, kind, df, t, level, lower, upper, d, n1, n2 in ROWS:
        if kind == "difference":
            fits = difference_verdict(df, t, level, lower, upper)
            ends = ("", "")
        else:
            fits, least, most = effect_verdict(kind, d, n1, n2, level, lower, upper)
            ends = (repr(least[0]), repr(most[0]))
        out.writerow([name, text, "consistent" if fits else "inconsistent", *ends])


if __name__ == "__main__":
    main()
