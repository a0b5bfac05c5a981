#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The LxTervan developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Reference verdicts and p values for reported p of either tail, worked with SciPy.

The p of a t is SciPy's Student's t survival function, t.sf; the verdict rules are written out
below from their statement in README.md, in exact fractions where the reported p's rounding is
concerned. Usage: python3 p_tails.py > ../../tests/stats/reported_p_tails_reference.csv
"""
import csv
import re
import sys
from fractions import Fraction

from scipy import stats

ALPHA = Fraction(5, 100)


def decimals(text):
    return len(text.split(".")[1]) if "." in text else 0


def p_of(abs_t, df, tail):
    """Two-tailed, observed side (beyond |t|), or other side (beyond -|t|)."""
    if tail == "two":
        return min(1.0, 2 * stats.t.sf(abs_t, df))
    return stats.t.sf(abs_t if tail == "observed" else -abs_t, df)


def parse_p(text):
    t = re.sub(r"\s", "", text.lower()).replace(",", ".")
    t = t[1:] if t.startswith("p") else t
    if t.lstrip("=") in ("ns", "n.s.", "n.s"):
        return (">", ALPHA, 0)
    m = re.fullmatch(r"(<=|>=|<|>|=)?([0-9]*\.?[0-9]*)", t)
    return ((m.group(1) or "=")[0], Fraction(m.group(2)), decimals(m.group(2)))


def check(t, df, p, tails):
    relation, value, k = parse_p(p)
    other = tails == 1 and ((relation == "=" and value > Fraction(1, 2)) or
                            (relation == ">" and value >= Fraction(1, 2)))
    tail = "two" if tails == 2 else ("other" if other else "observed")
    h = 0.5 / 10 ** decimals(t)
    at = abs(float(t))
    ends = [p_of(max(0.0, at - h), float(df), tail), p_of(at + h, float(df), tail)]
    low, high = min(ends), max(ends)
    typed = p_of(at, float(df), tail)
    v = float(value)
    zero = relation != ">" and value == 0
    if relation == "<":
        fits = low < v
    elif relation == ">":
        fits = high > v
    else:
        half = 0.5 / 10**k
        fits = high >= v - half and low <= v + half
    if fits and not zero:
        return ("consistent_other_tail" if other else "consistent"), tail, typed
    reported_side = {"<": -1 if value <= ALPHA else 0, ">": 1 if value >= ALPHA else 0,
                     "=": -1 if value < ALPHA else (1 if value > ALPHA else 0)}[relation]
    a = float(ALPHA)
    recomputed_side = -1 if high < a else (1 if low >= a else 0)
    if reported_side and recomputed_side and reported_side != recomputed_side:
        return "decision_error", tail, typed
    return ("impossible" if zero else "inconsistent"), tail, typed


def edge_t(df, target):
    """The first 2-decimal t, counting down from 3, whose rounding range reaches a one-tailed
    p of target, and the next one down, whose range lies wholly above it."""
    t = 300
    while stats.t.sf((t - 0.5) / 100, df) < target:
        t -= 1
    return f"{t / 100:.2f}", f"{(t - 1) / 100:.2f}"


rows = [
    # One-tailed p on the side of the observed difference: half the two-tailed p.
    ("2.24", "18", ".019", 1), ("2.24", "18", ".019", 2), ("-2.24", "18", "= .019", 1),
    ("2.24", "18", ".038", 1), ("1.90", "18", "> .05", 1), ("1.50", "18", "< .05", 1),
    ("1.50", "18", "= .076", 1), ("1.50", "18", "0.08", 1), ("2.05", "37.62", "< .025", 1),
    ("0.00", "20", ".50", 1), ("0.3", "20", "ns", 1), ("1.90", "18", "n.s.", 1),
    ("1.90", "18", "n.s.", 2), ("25.3", "40", "< .001", 1),
    # A one-tailed p above .5 can only be the other tail's.
    ("1.90", "18", ".963", 1), ("1.90", "18", ".95", 1), ("1.90", "18", "> .5", 1),
    ("-0.52", "60", "= .70", 1), ("0.52", "60", ".70", 2),
    # A p of 0.
    ("25.3", "40", ".000", 2), ("25.3", "40", "p = .000", 1), ("3.10", "40", "= 0", 2),
    ("1.2", "30", ".000", 2), ("1.2", "30", "< .000", 1),
    # "ns" after "=".
    ("1.2", "30", "= ns", 2), ("25.3", "40", "p = n.s.", 2),
]
inside, outside = edge_t(30, 0.025)
rows += [(inside, "30", ".02", 1), (outside, "30", ".02", 1)]

writer = csv.writer(sys.stdout, lineterminator="\n")
writer.writerow(["t", "df", "p", "tails", "expected", "tail", "p_recomputed"])
for t, df, p, tails in rows:
    verdict, tail, typed = check(t, df, p, tails)
    writer.writerow([t, df, p, tails, verdict, tail, repr(float(typed))])
