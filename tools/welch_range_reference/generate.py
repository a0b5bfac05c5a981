"""Welch p ranges over every summary a typed (rounded) row could stand for, by brute force.

Each typed mean and SD stands for anything within half a unit of its last digit (SDs floored at
0). The lowest p takes the largest |M1 - M2|, the highest the smallest; over the SDs a dense grid
is searched, then refined with a bounded optimiser from the best grid point.
Usage: python3 generate.py > ../../tests/cli/welch_range_reference.csv
"""
import csv
import sys

import numpy as np
from scipy import optimize, stats

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
]


def half(text):
    return 0.5 * 10.0 ** -(len(text.split(".")[1]) if "." in text else 0)


def welch_p(n1, sd1, n2, sd2, d):
    v1, v2 = sd1 ** 2 / n1, sd2 ** 2 / n2
    df = (v1 + v2) ** 2 / (v1 ** 2 / (n1 - 1) + v2 ** 2 / (n2 - 1))
    return 2 * stats.t.sf(d / np.sqrt(v1 + v2), df)


def extreme(n1, sd1s, n2, sd2s, d, sign):
    a, b = np.meshgrid(np.linspace(*sd1s, 1501), np.linspace(*sd2s, 1501))
    values = sign * welch_p(n1, a, n2, b, d)
    k = np.unravel_index(np.argmin(values), values.shape)
    found = optimize.minimize(lambda x: sign * welch_p(n1, x[0], n2, x[1], d),
                              [a[k], b[k]], bounds=[sd1s, sd2s], method="L-BFGS-B",
                              options={"ftol": 1e-15, "gtol": 1e-15})
    return sign * min(values[k], found.fun)


out = csv.writer(sys.stdout, lineterminator="\n")
out.writerow(["n1", "m1", "sd1", "n2", "m2", "sd2", "p_range_welch_lo", "p_range_welch_hi"])
for row in ROWS:
    n1, n2 = int(row[0]), int(row[3])
    m1, sd1, m2, sd2 = (float(row[k]) for k in (1, 2, 4, 5))
    d, slack = abs(m1 - m2), half(row[1]) + half(row[4])
    sd1s = (max(0.0, sd1 - half(row[2])), sd1 + half(row[2]))
    sd2s = (max(0.0, sd2 - half(row[5])), sd2 + half(row[5]))
    lo = extreme(n1, sd1s, n2, sd2s, d + slack, 1)
    hi = extreme(n1, sd1s, n2, sd2s, max(0.0, d - slack), -1)
    out.writerow(list(row) + [repr(float(lo)), repr(float(hi))])
