#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The LxTervan developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes a CSV of varied two-sample summaries: python3 generate.py ROWS FILE."""
import random
import sys

rows, path = int(sys.argv[1]), sys.argv[2]
random.seed(13)
with open(path, "w", newline="") as out:
    out.write("id,n1,m1,sd1,n2,m2,sd2,study\n")
    lines = []
    for k in range(rows):
        n1 = random.randint(2, 400)
        n2 = random.randint(2, 400)
        m1 = round(random.gauss(50, 15), random.randint(0, 3))
        m2 = round(m1 + random.gauss(0, 5), random.randint(0, 3))
        sd1 = round(random.uniform(0.5, 25), random.randint(1, 3))
        sd2 = round(random.uniform(0.5, 25), random.randint(1, 3))
        lines.append(f"{k},{n1},{m1},{sd1},{n2},{m2},{sd2},S{k % 997}\n")
        if len(lines) == 100000:
            out.writelines(lines)
            lines = []
    out.writelines(lines)
