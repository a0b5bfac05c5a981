# SPDX-FileCopyrightText: 2026 The LxTervan developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Welch p ranges over every summary a typed (rounded) row could stand for, by brute force.

Each typed mean and SD stands for anything within half a unit of its last digit (SDs floored at
0). The lowest p takes the largest |M1 - M2|, the highest the smallest. Two routes over the SDs:
SciPy in double precision (a dense grid, refined with a bounded optimiser from the best grid
point), and mpmath at 50 digits along the four edges of the SDs' box (scaling both SDs leaves
Welch's df and moves t against them, so p is monotone along every ray from SD 0 and no extreme
lies inside the box). The mpmath figure is written. SciPy's must be no better (no lower for the
lowest p, no higher for the highest), or mpmath's search has missed a dip and the script stops;
how far SciPy is off is printed. Its grid misses the extreme of the rows with tiny SDs (by a
factor of 6 for one of them), and its optimiser stops short by up to 1e-7 where p is far out
in the tail.
Usage: /usr/bin/python3 tools/welch_range_reference/generate.py \
           > tests/cli/welch_range_reference.csv
"""
import csv
import sys

import mpmath
import numpy as np
from scipy import optimize, stats

mpmath.mp.dps = 50

# n1, m1, sd1, n2, m2, sd2 as typed.
ROWS = [
    ("2", "21", "1", "2", "0", "1.000"),
    ("4", "1.8", "0.6", "9", "0.0", "1"),
    ("25", "102.3", "15.1", "31", "98.7", "14.2"),
    # p near 1e-32: df sways p almost as much as t along an edge.
    # The highest p lies off the end t favours.
    ("181", "47.47", "1.246", "289", "53.0", "1.3"),
    ("179", "63.052", "11.289", "306", "49.1", "11.4"),
    ("4", "41.078", "16.9", "165", "46.1", "20.07"),
    ("65", "46", "11.46", "3", "40.36", "23.048"),
    ("2", "38.9", "22.7", "325", "38.42", "9.24"),
    # SDs far below 1: the lowest p lies within a tiny stretch of an edge.
    ("20", "0.00016", "0.00014", "20", "0.00038", "0.00006"),
    ("2", "2.25", "0.001", "2", "20.5", "0.00"),
    ("3", "0.1", "0.0", "15", "4.2", "0.001"),
    ("2", "3", "0.000000000000001", "2", "1", "0"),
]


def decimals(text):
    return len(text.split(".")[1]) if "." in text else 0


def half(text):
    return 0.5 * 10.0 ** -decimals(text)


def welch_p(n1, sd1, n2, sd2, d):
    v1, v2 = sd1 ** 2 / n1, sd2 ** 2 / n2
    df = (v1 + v2) ** 2 / (v1 ** 2 / (n1 - 1) + v2 ** 2 / (n2 - 1))
    return 2 * stats.t.sf(d / np.sqrt(v1 + v2), df)


def scipy_extreme(n1, sd1s, n2, sd2s, d, sign):
    a, b = np.meshgrid(np.linspace(*sd1s, 1501), np.linspace(*sd2s, 1501))
    with np.errstate(divide="ignore", invalid="ignore"):
        values = sign * welch_p(n1, a, n2, b, d)
    values[np.isnan(values)] = np.inf
    k = np.unravel_index(np.argmin(values), values.shape)
    found = optimize.minimize(lambda x: sign * welch_p(n1, x[0], n2, x[1], d),
                              [a[k], b[k]], bounds=[sd1s, sd2s], method="L-BFGS-B",
                              options={"ftol": 1e-15, "gtol": 1e-15})
    return sign * min(values[k], found.fun)


def mp_welch_p(n1, sd1, n2, sd2, d):
    """Two-tailed p of Welch's test, exactly as far as 50 digits go."""
    v1, v2 = sd1 ** 2 / n1, sd2 ** 2 / n2
    if v1 + v2 == 0:
        return mpmath.mpf(0 if d > 0 else 1)
    df = (v1 + v2) ** 2 / (v1 ** 2 / (n1 - 1) + v2 ** 2 / (n2 - 1))
    t2 = d ** 2 / (v1 + v2)
    # 2 P(T > |t|) = I_{df / (df + t^2)}(df / 2, 1 / 2)
    return mpmath.betainc(df / 2, mpmath.mpf(1) / 2, 0, df / (df + t2), regularized=True)


def edge_points(lo, hi):
    """Where to look along [lo, hi]: evenly spaced, and where the edge starts at 0 also
    geometrically down to 1e-40 of its length, so a dip near 0 is seen at any scale."""
    points = [lo + (hi - lo) * k / 200 for k in range(201)]
    if lo == 0 and hi > 0:
        points += [hi * mpmath.mpf(10) ** (-k / mpmath.mpf(10)) for k in range(1, 401)]
    return sorted(set(points))


def mp_lowest_on(f, lo, hi):
    """The lowest f on [lo, hi]: the best of a scan, then golden sections between its
    neighbours to 1e-30 of their distance."""
    points = edge_points(lo, hi)
    values = [f(x) for x in points]
    k = min(range(len(points)), key=lambda i: values[i])
    a, b = points[max(k - 1, 0)], points[min(k + 1, len(points) - 1)]
    best = values[k]
    ratio = (mpmath.sqrt(5) - 1) / 2
    c, e = b - ratio * (b - a), a + ratio * (b - a)
    fc, fe = f(c), f(e)
    width = b - a
    while b - a > width * mpmath.mpf(10) ** -30:
        if fc < fe:
            b, e, fe = e, c, fc
            c = b - ratio * (b - a)
            fc = f(c)
        else:
            a, c, fc = c, e, fe
            e = a + ratio * (b - a)
            fe = f(e)
    return min(best, fc, fe)


def mp_extreme(n1, sd1s, n2, sd2s, d, sign):
    f1 = lambda sd2, sd1: sign * mp_welch_p(n1, sd1, n2, sd2, d)
    f2 = lambda sd1, sd2: sign * mp_welch_p(n1, sd1, n2, sd2, d)
    edges = [mp_lowest_on(lambda x: f1(x, sd1), *sd2s) for sd1 in sd1s]
    edges += [mp_lowest_on(lambda x: f2(x, sd2), *sd1s) for sd2 in sd2s]
    return sign * min(edges)


def sd_range(typed):
    value, h = mpmath.mpf(typed), mpmath.mpf(half(typed))
    return (max(mpmath.mpf(0), value - h), value + h)


out = csv.writer(sys.stdout, lineterminator="\n")
out.writerow(["n1", "m1", "sd1", "n2", "m2", "sd2", "p_range_welch_lo", "p_range_welch_hi"])
for row in ROWS:
    n1, n2 = int(row[0]), int(row[3])
    cells = list(row)
    d = abs(mpmath.mpf(row[1]) - mpmath.mpf(row[4]))
    slack = mpmath.mpf(half(row[1])) + mpmath.mpf(half(row[4]))
    sd1s, sd2s = sd_range(row[2]), sd_range(row[5])
    for sign, difference in ((1, d + slack), (-1, max(mpmath.mpf(0), d - slack))):
        precise = mp_extreme(n1, sd1s, n2, sd2s, difference, sign)
        rough = scipy_extreme(n1, tuple(map(float, sd1s)), n2, tuple(map(float, sd2s)),
                              float(difference), sign)
        gap = (rough - precise) / precise
        print(f"{row} {'lo' if sign > 0 else 'hi'}: mpmath {mpmath.nstr(precise, 17)}, "
              f"SciPy {rough!r}, SciPy off by {float(gap):.2e}", file=sys.stderr)
        if sign * gap < -1e-14:
            sys.exit(f"mpmath missed SciPy's extreme of {row}")
        cells.append(repr(float(precise)))
    out.writerow(cells)
