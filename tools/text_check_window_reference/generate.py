#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The LxTervan developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Paragraphs for the calculator's text-check window, each result with the verdict SciPy gives.

Writes tests/app/text_check_window_reference.csv: one result a row, the paragraph it is in, its
position in it, and its verdict. Only two-tailed results whose p fits or misses clearly are
used, so the verdict needs no more than this: a printed t stands for every t within half a unit
of its last digit; the p fits when some two-tailed p of that range lies within the p's own
rounding ("consistent" when the p of the t as printed does too, else "consistent_by_rounding");
a p that fits no such p, one- or two-tailed, is "inconsistent", or "decision_error" when it and
the recomputed p lie on opposite sides of .05.
Run from the repository root: /usr/bin/python3 tools/text_check_window_reference/generate.py
"""
import csv

from scipy import stats

ALPHA = 0.05

# (name, paragraph, [(t text, df, p text), ...] in the order of the paragraph)
PARAGRAPHS = [
    ("english",
     "Group A (M = 5.20, SD = 1.10, n = 15) scored higher than group B (M = 4.30, SD = 1.20, "
     "n = 15), t(28) = 2.14, p = .041.\nThe second measure did not differ, t(28) = 1.20, "
     "p = .020, and the third, t(40) = 2.02, p = .05, stood at the threshold.",
     [("2.14", 28, ".041"), ("1.20", 28, ".020"), ("2.02", 40, ".05")]),
    ("german",
     "Gruppe A (M = 5,20; SD = 1,10) lag über Gruppe B (M = 4,30; SD = 1,20), t(28) = 2,14, "
     "p = ,041.\n\nDer zweite Wert unterschied sich nicht, t(28) = 1,20, p = ,030.",
     [("2,14", 28, ",041"), ("1,20", 28, ",030")]),
    ("sizes_only",
     "With n1 = 12 and n2 = 14 the effect was clear, t(24) = 3.10, p = .005.",
     [("3.10", 24, ".005")]),
    ("nothing_beside",
     "The groups differed, t(28) = 2.20, p = .036.",
     [("2.20", 28, ".036")]),
]


def decimals(text):
    return len(text.split(",")[-1].split(".")[-1]) if ("." in text or "," in text) else 0


def number(text):
    return float(text.replace(",", "."))


def two_tailed(t, df):
    return 2 * stats.t.sf(abs(t), df)


def verdict(t_text, df, p_text):
    t, p = number(t_text), number(p_text)
    half_t, half_p = 0.5 * 10 ** -decimals(t_text), 0.5 * 10 ** -decimals(p_text)
    low, high = two_tailed(abs(t) + half_t, df), two_tailed(abs(t) - half_t, df)
    if high >= p - half_p and low <= p + half_p:
        exact = two_tailed(t, df)
        return "consistent" if p - half_p <= exact <= p + half_p else "consistent_by_rounding"
    one_low, one_high = low / 2, high / 2
    assert not (one_high >= p - half_p and one_low <= p + half_p), "a one-tailed fit"
    reported_side = -1 if p < ALPHA else (1 if p > ALPHA else 0)
    recomputed_side = -1 if high < ALPHA else (1 if low >= ALPHA else 0)
    if reported_side and recomputed_side and reported_side != recomputed_side:
        return "decision_error"
    return "inconsistent"


with open("tests/app/text_check_window_reference.csv", "w", newline="", encoding="utf-8") as out:
    writer = csv.writer(out, lineterminator="\n")
    writer.writerow(["paragraph", "text", "index", "t", "df", "p", "verdict"])
    for name, text, results in PARAGRAPHS:
        for index, (t_text, df, p_text) in enumerate(results):
            writer.writerow([name, text, index, t_text, df, p_text, verdict(t_text, df, p_text)])
