#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The LxTervan developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Reference verdicts of the real papers' results, worked in SciPy from the printed digits.

Usage: /usr/bin/python3 verdicts.py [passages.jsonl] > ../../tests/check/real_papers/expected.csv

Reads tests/check/real_papers/passages.jsonl (the results a reader finds in each passage) and
writes one row per result: id, result (its index in the passage, from 0), statistic, df (of t,
or F's denominator), value and p as printed, the p range judged, and the verdict in the words
lxtervan-check prints.

Rules:
- A printed t of x with k decimals stands for any t in [x - h, x + h], h = half a unit of its
  last digit (h = 0.005 for 2.45); its sign does not count, and a range across 0 starts at 0.
  Signs printed as U+2212, en or em dashes are minus signs; a blank after the sign is ignored.
- A printed F(1, df) of f stands for any F in [max(f - h, 0), f + h], and |t| = sqrt(F).
- The two-tailed p of |t| is 2 P(T > |t|) (scipy.stats.t.sf); the p range is the p over the
  t range. The one-tailed range is half of it.
- A printed "p = y" with k decimals stands for [y - h, y + h]; it fits a p range that meets that
  interval (ends included). "p < y" fits when the range's low end is below y; "p > y" when its
  high end is above y. "ns" (n.s., not significant) reads as p > .05.
- A printed p of 0 with = or < is impossible.
- consistent: the p of the printed t itself fits, two-tailed.
  consistent_by_rounding: only some other t within the printed t's rounding fits, two-tailed.
  one_tailed_consistent: no two-tailed p fits but a one-tailed one does.
  decision_error: nothing fits, and the printed p and the whole judged range lie on different
  sides of .05: the printed p says significant ("= y" with y < .05, "< y" with y <= .05) and
  every p of the range is .05 or more, or it says not significant ("= y" with y > .05,
  "> y" with y >= .05, ns) and every p of the range is below .05. The judged range is the
  one-tailed one where the text calls the test one-tailed, the two-tailed one otherwise.
  inconsistent: every other result.
"""

import csv
import json
import math
import sys
from pathlib import Path

from scipy import stats

ALPHA = 0.05
MINUS_SIGNS = "\u2212\u2013\u2014-"


def number(text):
    """The value and half a unit of the last digit of a printed number such as "—2.95"."""
    cleaned = text.replace(" ", "")
    negative = cleaned[:1] in MINUS_SIGNS
    digits = cleaned.lstrip(MINUS_SIGNS)
    decimals = len(digits.split(".")[1]) if "." in digits else 0
    value = float(digits)
    return (-value if negative else value), 0.5 * 10.0**-decimals


def t_range(result):
    value, half = number(result["value"])
    if result["statistic"] == "F":
        return math.sqrt(max(value - half, 0.0)), math.sqrt(value + half), math.sqrt(value)
    low, high = abs(value) - half, abs(value) + half
    return max(low, 0.0), high, abs(value)


def two_tailed(t, df):
    return 2.0 * stats.t.sf(t, df)


def reported(result):
    """Relation, value and half unit of the printed p; ns reads as p > alpha."""
    if result["p_comparison"] == "ns":
        return ">", ALPHA, 0.0
    value, half = number(result["p"])
    return result["p_comparison"], value, half


def fits(p, low, high):
    relation, value, half = p
    if relation == "<":
        return low < value
    if relation == ">":
        return high > value
    return high >= value - half and low <= value + half


def side(p):
    """-1 where the printed p says significant, 1 where it says not, 0 where it says neither."""
    relation, value, _ = p
    if relation == "=":
        return -1 if value < ALPHA else (1 if value > ALPHA else 0)
    if relation == "<":
        return -1 if value <= ALPHA else 0
    return 1 if value >= ALPHA else 0


def verdict(result):
    df = result["df2"] if result["statistic"] == "F" else result["df"]
    t_low, t_high, t_printed = t_range(result)
    low, high = two_tailed(t_high, df), two_tailed(t_low, df)
    p = reported(result)
    if p[0] in "=<" and p[1] == 0:
        return "impossible", low, high
    if fits(p, low, high):
        exact = two_tailed(t_printed, df)
        return ("consistent" if fits(p, exact, exact) else "consistent_by_rounding"), low, high
    if fits(p, low / 2, high / 2):
        return "one_tailed_consistent", low / 2, high / 2
    if result.get("tails", 2) == 1:
        low, high = low / 2, high / 2
    recomputed = -1 if high < ALPHA else (1 if low >= ALPHA else 0)
    printed = side(p)
    if printed and recomputed and printed != recomputed:
        return "decision_error", low, high
    return "inconsistent", low, high


def main():
    here = Path(__file__).resolve().parent
    source = Path(sys.argv[1]) if len(sys.argv) > 1 else (
        here.parents[1] / "tests" / "check" / "real_papers" / "passages.jsonl")
    out = csv.writer(sys.stdout, lineterminator="\n")
    out.writerow(["id", "result", "statistic", "df", "value", "p_comparison", "p", "p_low",
                  "p_high", "verdict"])
    for line in source.read_text(encoding="utf-8").splitlines():
        passage = json.loads(line)
        for index, result in enumerate(passage["results"]):
            word, low, high = verdict(result)
            df = result["df2"] if result["statistic"] == "F" else result["df"]
            out.writerow([passage["id"], index, result["statistic"], df, result["value"],
                          result["p_comparison"], result["p"], f"{low:.6g}", f"{high:.6g}",
                          word])


if __name__ == "__main__":
    main()
