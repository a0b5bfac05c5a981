#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The LxTervan developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes a CSV of summaries with reported t, df and p: python3 generate_reported.py ROWS FILE."""
import random
import sys

rows, path = int(sys.argv[1]), sys.argv[2]
random.seed(17)
with open(path, "w", newline="") as out:
    out.write("id,n1,m1,sd1,n2,m2,sd2,t_reported,df_reported,p_reported\n")
    lines = []
    for k in range(rows):
        n1, n2 = random.randint(3, 120), random.randint(3, 120)
        m1 = round(random.uniform(1, 7), 2)
        m2 = round(m1 + random.gauss(0, 0.8), 2)
        sd1, sd2 = round(random.uniform(0.4, 2), 2), round(random.uniform(0.4, 2), 2)
        t = round(random.uniform(-4, 4), 2)
        p = random.choice([".038", "< .05", "<.001", "> .05", "ns", "0.21", "= .004"])
        lines.append(f"{k},{n1},{m1},{sd1},{n2},{m2},{sd2},{t},{n1 + n2 - 2},{p}\n")
        if len(lines) == 100000:
            out.writelines(lines)
            lines = []
    out.writelines(lines)
