#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The LxTervan developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Compares lxtervan-batch's report with r_report.R's, row by row (matched by id):
python3 compare_report.py TOOL_CSV R_CSV [WORST_IDS]

Prints a few rows of both side by side, then for each column the largest relative difference
and how many rows differ by more than 1e-6, and lists those rows. A difference where R itself
only approximates (see r_report.R) is counted apart: the intervals of d and g where a limit's
noncentrality is beyond 37.62, the one-sided Bayes factors beyond |t| = 5. WORST_IDS, if given,
gets the ids of the rows that differ most, for mpmath_referee.py: one for BF10, one for each
kind of one-sided difference (R's approximation, R's quadrature) and one for the intervals.
"""
import csv
import math
import sys

tool_path, r_path = sys.argv[1], sys.argv[2]
worst_path = sys.argv[3] if len(sys.argv) > 3 else None
tolerance = 1e-6

with open(r_path, newline="") as f:
    r_rows = {row["id"]: row for row in csv.DictReader(f)}
with open(tool_path, newline="") as f:
    tool_rows = [row for row in csv.DictReader(f) if row["id"] in r_rows]
columns = [c for c in next(iter(r_rows.values())) if c != "id"]
text_columns = {"p_class"}
interval_columns = {"d_ci_lo", "d_ci_hi", "g_ci_lo", "g_ci_hi"}
one_sided_columns = {"bf_plus", "bf_minus", "log_bf_plus", "log_bf_minus"}


def relative(a, b):
    if a == b:
        return 0.0
    return abs(a - b) / max(abs(a), abs(b))


def r_approximates(column, tool):
    """Why R's own figure is an approximation in this row, or None."""
    t = float(tool["t_pooled"])
    if column in interval_columns:
        scale = math.sqrt(1 / float(tool["n1"]) + 1 / float(tool["n2"]))
        ends = [float(tool[c]) / scale for c in ("d_ci_lo", "d_ci_hi") if tool[c]]
        if any(abs(e) > 37.62 for e in ends):
            return "pt beyond |ncp| 37.62"
    if column in one_sided_columns and abs(t) > 5:
        return "ttest.tstat beyond |t| 5"
    return None


print(f"rows compared: {len(tool_rows)}   tolerance: {tolerance:g} relative")
shown = ("t_pooled", "p_pooled", "d_ci_lo", "d_ci_hi", "bf10")
print()
print(f"{'id':>6} {'':4} " + " ".join(f"{c:>22}" for c in shown))
for tool in tool_rows[:3]:
    r = r_rows[tool["id"]]
    for name, row in (("tool", tool), ("R", r)):
        print(f"{tool['id'] if name == 'tool' else '':>6} {name:4} " +
              " ".join(f"{row[c]:>22}" for c in shown))

worst = {c: (0.0, None) for c in columns}
beyond = {c: [] for c in columns}
compared = {c: 0 for c in columns}
for tool in tool_rows:
    r = r_rows[tool["id"]]
    for c in columns:
        a, b = tool[c], r[c]
        if a == "" and b == "":
            continue
        compared[c] += 1
        if c in text_columns or a == "" or b == "":
            difference = 0.0 if a == b else math.inf
        else:
            difference = relative(float(a), float(b))
        if difference > worst[c][0]:
            worst[c] = (difference, tool["id"])
        if difference > tolerance:
            beyond[c].append((tool, a, b, difference))

print()
print(f"{'column':20} {'largest rel. diff':>18} {'at id':>7} {'rows beyond':>12} "
      f"{'of which R approximates':>24}")
for c in columns:
    difference, at = worst[c]
    if not compared[c]:
        continue
    explained = sum(1 for tool, *_ in beyond[c] if r_approximates(c, tool))
    print(f"{c:20} {difference:18.3g} {at or '':>7} {len(beyond[c]):12} {explained:24}")

unexplained = [(c, *entry) for c in columns for entry in beyond[c]
               if not r_approximates(c, entry[0])]
empty = [c for c in columns if not compared[c]]
print(f"empty in both: {', '.join(empty)}")
print()
print(f"differences beyond {tolerance:g} where R does not approximate: {len(unexplained)}")
if unexplained:
    print("  (BayesFactor's quadrature, integrate() at its default relative tolerance of 1.2e-4,"
          " would be one cause; the referee's rows tell)")
for c, tool, a, b, difference in unexplained[:40]:
    print(f"  id {tool['id']} {c}: tool {a or '(empty)'}  R {b or '(empty)'}  ({difference:.3g}; "
          f"n1 {tool['n1']} m1 {tool['m1']} sd1 {tool['sd1']} n2 {tool['n2']} m2 {tool['m2']} "
          f"sd2 {tool['sd2']})")

if worst_path:
    groups = [
        ({"bf10", "log_bf10"}, lambda approximates: True),
        (one_sided_columns, lambda approximates: approximates),
        (one_sided_columns, lambda approximates: not approximates),
        (interval_columns, lambda approximates: True),
    ]
    ids = []
    for group, wanted in groups:
        candidates = [(difference, tool["id"])
                      for c in group for tool, _, _, difference in beyond[c]
                      if wanted(r_approximates(c, tool) is not None)]
        if candidates and max(candidates)[1] not in ids:
            ids.append(max(candidates)[1])
    with open(worst_path, "w") as f:
        f.write("".join(f"{id_}\n" for id_ in ids))
