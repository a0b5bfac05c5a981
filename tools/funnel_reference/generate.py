#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The LxTervan developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The normal z that bounds each shaded region of the funnel plot (two-sided p < .10, .05, .01)
# and of its pseudo 95% limits, from SciPy.
# Usage: /usr/bin/python3 generate.py   (writes ../../tests/plots/funnel_z_reference.csv)
import csv
import pathlib

from scipy.stats import norm

out = pathlib.Path(__file__).resolve().parent / "../../tests/plots/funnel_z_reference.csv"
with open(out, "w", newline="") as f:
    w = csv.writer(f, lineterminator="\n")
    w.writerow(["p", "z"])
    for p in (0.10, 0.05, 0.01):
        w.writerow([repr(p), repr(float(norm.isf(p / 2)))])
