# SPDX-FileCopyrightText: 2026 The LxTervan developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""p ranges, t ranges and Welch df ranges of rows given with SE or SD columns, by brute force.

Every typed mean and SE (or SD) stands for anything within half a unit of its last digit, the
SE or SD floored at 0. A row given as SEs has SD = SE * sqrt(N) at every point of that box. Each
extreme is searched over the whole four-dimensional box (M1, M2, and the two SEs or SDs): a
dense grid first, then a bounded optimiser from the best few grid points.
The reported t and df of a row are checked against those ranges, each over its own rounding.
Usage: /usr/bin/python3 tools/se_range_reference/generate.py > tests/cli/se_range_reference.csv
"""
import csv
import sys

import numpy as np
from scipy import optimize, stats

# given (se or sd), n1, m1, s1, n2, m2, s2, t_reported, df_reported, all as typed.
ROWS = [
    ("se", "10", "5.00", "0.3", "10", "4.00", "0.3", "2.8", "18"),
    ("se", "4", "1.8", "0.30", "9", "0.0", "0.33", "4.30", "9.6"),
    ("se", "10", "5.00", "0.0", "10", "4.00", "0.3", "3.3", "9"),
    ("se", "10", "5.0", "0", "12", "4.0", "0.3", "1.5", "11"),
    ("sd", "10", "5.00", "0.95", "10", "4.00", "0.95", "2.8", "18"),
]


def half(text):
    return 0.5 * 10.0 ** -(len(text.split(".")[1]) if "." in text else 0)


def box(text):
    value = float(text)
    return (value - half(text), value + half(text))


def sds(x, n1, n2, given):
    """SD1 and SD2 at a point of the box (m1, m2, s1, s2)."""
    scale1, scale2 = (np.sqrt(n1), np.sqrt(n2)) if given == "se" else (1.0, 1.0)
    return x[2] * scale1, x[3] * scale2


def welch_parts(x, n1, n2, given):
    sd1, sd2 = sds(x, n1, n2, given)
    v1, v2 = sd1 ** 2 / n1, sd2 ** 2 / n2
    df = (v1 + v2) ** 2 / (v1 ** 2 / (n1 - 1) + v2 ** 2 / (n2 - 1))
    return np.abs(x[0] - x[1]) / np.sqrt(v1 + v2), df


def pooled_t(x, n1, n2, given):
    sd1, sd2 = sds(x, n1, n2, given)
    pooled = np.sqrt(((n1 - 1) * sd1 ** 2 + (n2 - 1) * sd2 ** 2) / (n1 + n2 - 2))
    return np.abs(x[0] - x[1]) / (pooled * np.sqrt(1 / n1 + 1 / n2))


def pooled_p(x, n1, n2, given):
    return 2 * stats.t.sf(pooled_t(x, n1, n2, given), n1 + n2 - 2)


def welch_p(x, n1, n2, given):
    t, df = welch_parts(x, n1, n2, given)
    return 2 * stats.t.sf(t, df)


def welch_t(x, n1, n2, given):
    return welch_parts(x, n1, n2, given)[0]


def welch_df(x, n1, n2, given):
    return welch_parts(x, n1, n2, given)[1]


def extreme(f, bounds, sign):
    """The lowest (sign 1) or highest (sign -1) f over the box."""
    axes = [np.linspace(lo, hi, 41) for lo, hi in bounds]
    grid = np.meshgrid(*axes, indexing="ij")
    with np.errstate(divide="ignore", invalid="ignore"):
        values = np.nan_to_num(sign * f(grid), nan=np.inf)
    best = float(values.min())
    for flat in np.argsort(values, axis=None)[:8]:
        start = [g[np.unravel_index(flat, values.shape)] for g in grid]
        found = optimize.minimize(lambda x: sign * f(x), start, bounds=bounds,
                                  method="L-BFGS-B", options={"ftol": 1e-15, "gtol": 1e-15})
        if np.isfinite(found.fun):
            best = min(best, float(found.fun))
    return sign * best


def verdict(pooled, welch):
    if pooled and welch:
        return "consistent_both"
    if pooled:
        return "consistent_pooled"
    return "consistent_welch" if welch else "inconsistent"


def overlaps(reported, low, high):
    return reported[0] <= high and low <= reported[1]


out = csv.writer(sys.stdout, lineterminator="\n")
out.writerow(["given", "n1", "m1", "s1", "n2", "m2", "s2", "t_reported", "df_reported",
              "p_range_pooled_lo", "p_range_pooled_hi", "p_range_welch_lo", "p_range_welch_hi",
              "t_check", "df_check"])
for row in ROWS:
    given, n1, n2 = row[0], int(row[1]), int(row[4])
    bounds = [box(row[2]), box(row[5])]
    bounds += [(max(0.0, lo), hi) for lo, hi in (box(row[3]), box(row[6]))]
    ranges = {}
    for name, f in (("p_pooled", pooled_p), ("p_welch", welch_p), ("t_pooled", pooled_t),
                    ("t_welch", welch_t), ("df_welch", welch_df)):
        of = (lambda f: lambda x: f(x, n1, n2, given))(f)
        ranges[name] = (extreme(of, bounds, 1), extreme(of, bounds, -1))
    t_reported, df_reported = box(row[7]), box(row[8])
    t_check = verdict(overlaps(t_reported, *ranges["t_pooled"]),
                      overlaps(t_reported, *ranges["t_welch"]))
    df_check = verdict(overlaps(df_reported, n1 + n2 - 2, n1 + n2 - 2),
                       overlaps(df_reported, *ranges["df_welch"]))
    p_ranges = [repr(float(v)) for v in ranges["p_pooled"] + ranges["p_welch"]]
    out.writerow(list(row) + p_ranges + [t_check, df_check])
