#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The LxTervan developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Reference verdicts for the checks of reported results, worked independently of the program.

p from t and df by the regularized incomplete beta function in mpmath (50 digits); the t and df
ranges by brute force over a grid of the summaries the rounding allows; the granularity tests in
exact rational arithmetic by enumerating every sum and, for SDs, every set of whole numbers.
Usage: python3 generate.py > ../../tests/stats/reported_checks_reference.csv
"""
import csv
import itertools
import re
import sys
from decimal import ROUND_HALF_EVEN, ROUND_HALF_UP, Decimal
from fractions import Fraction

import mpmath

mpmath.mp.dps = 50


def decimals(text):
    return len(text.split(".")[1]) if "." in text else 0


def p_two_tailed(t, df):
    t, df = mpmath.mpf(t), mpmath.mpf(df)
    return mpmath.betainc(df / 2, mpmath.mpf(1) / 2, 0, df / (df + t * t), regularized=True)


def rounds_to(x, text):
    """Whether the exact rational x rounds to the typed text, half up or half to even."""
    target = Decimal(text.lstrip("-"))
    quantum = Decimal(1).scaleb(-decimals(text))
    x = abs(x)
    exact = Decimal(x.numerator) / Decimal(x.denominator)  # exact enough at 60 digits
    from decimal import localcontext
    with localcontext() as ctx:
        ctx.prec = 60
        exact = Decimal(x.numerator) / Decimal(x.denominator)
        return any(exact.quantize(quantum, rounding=mode) == target
                   for mode in (ROUND_HALF_UP, ROUND_HALF_EVEN))


def sd_rounds_to(variance, text):
    """Whether sqrt(variance) rounds to text, compared through squares of the rounding edges."""
    k = decimals(text)
    b = Fraction(text)
    half = Fraction(1, 2 * 10**k)
    low, high = max(Fraction(0), b - half), b + half
    digit_even = int(text.replace(".", "")[-1]) % 2 == 0
    if variance < low * low or variance > high * high:
        return False
    return variance != high * high or digit_even


def grim_mean(n, mean, items):
    grid = n * items
    if grid >= 10 ** decimals(mean):
        return "untestable"
    centre = abs(Fraction(mean)) * grid
    for s in range(int(centre) - 2, int(centre) + 3):
        if rounds_to(Fraction(s, grid), mean):
            return "consistent"
    return "inconsistent"


def grim_sd(n, mean, sd, items):
    if n * items >= 10 ** decimals(sd):
        return "untestable"
    m, s = abs(Fraction(mean)) * items, Fraction(sd) * items
    # A value of a sample cannot lie further from its mean than s (n - 1) / sqrt(n).
    reach = int(float(s + 1) * (n - 1) / n ** 0.5) + 2
    values = range(int(m) - reach, int(m) + reach + 2)
    for sample in itertools.combinations_with_replacement(values, n):
        total = sum(sample)
        if not rounds_to(Fraction(total, n * items), mean):
            continue
        variance = (Fraction(sum(v * v for v in sample)) - Fraction(total * total, n)) / (n - 1)
        if sd_rounds_to(variance / (items * items), sd):
            return "consistent"
    return "inconsistent"


def parse_p(text, alpha):
    t = re.sub(r"\s", "", text.lower())
    t = t[1:] if t.startswith("p") else t
    if t in ("ns", "n.s.", "n.s"):
        return (">", Fraction(alpha), 0)
    m = re.fullmatch(r"(<=|>=|<|>|=)?([0-9]*[.,]?[0-9]*)", t)
    relation = m.group(1) or "="
    number = m.group(2).replace(",", ".")
    return (relation[0], Fraction(number), decimals(number))


def p_check(t, df, p, alpha="0.05"):
    alpha = Fraction(alpha)
    h = mpmath.mpf(1) / (2 * 10 ** decimals(t))
    tt = abs(mpmath.mpf(t))
    low, high = p_two_tailed(tt + h, df), p_two_tailed(max(0, tt - h), df)
    relation, value, k = parse_p(p, alpha)
    value_m = mpmath.mpf(value.numerator) / value.denominator
    if relation == "<":
        fits = low < value_m
    elif relation == ">":
        fits = high > value_m
    else:
        half = mpmath.mpf(1) / (2 * 10**k)
        fits = high >= value_m - half and low <= value_m + half
    if fits:
        return "consistent"
    side_reported = {"<": -1 if value <= alpha else 0, ">": 1 if value >= alpha else 0,
                     "=": -1 if value < alpha else (1 if value > alpha else 0)}[relation]
    a = mpmath.mpf(alpha.numerator) / alpha.denominator
    side_recomputed = -1 if high < a else (1 if low >= a else 0)
    if side_reported and side_recomputed and side_reported != side_recomputed:
        return "decision_error"
    return "inconsistent"


def summary_grid(m1, sd1, m2, sd2, steps=40):
    def around(text, floor_zero=False):
        h = mpmath.mpf(1) / (2 * 10 ** decimals(text))
        v = mpmath.mpf(text)
        lo = max(mpmath.mpf(0), v - h) if floor_zero else v - h
        return [lo + (v + h - lo) * i / steps for i in range(steps + 1)]
    return around(m1), around(sd1, True), around(m2), around(sd2, True)


def fit_word(pooled, welch):
    if pooled and welch:
        return "consistent_both"
    return "consistent_pooled" if pooled else ("consistent_welch" if welch else "inconsistent")


def t_check(n1, m1, sd1, n2, m2, sd2, t):
    h = mpmath.mpf(1) / (2 * 10 ** decimals(t))
    lo, hi = abs(mpmath.mpf(t)) - h, abs(mpmath.mpf(t)) + h
    a1, s1, a2, s2 = summary_grid(m1, sd1, m2, sd2, 12)
    pooled_in = welch_in = False
    pooled_vals, welch_vals = [], []
    for x1 in (a1[0], a1[-1]):
        for x2 in (a2[0], a2[-1]):
            for v1 in s1:
                for v2 in s2:
                    d = abs(x1 - x2)
                    sp = mpmath.sqrt(((n1 - 1) * v1**2 + (n2 - 1) * v2**2) / (n1 + n2 - 2))
                    pooled_vals.append(d / (sp * mpmath.sqrt(mpmath.mpf(1) / n1 + mpmath.mpf(1) / n2)))
                    welch_vals.append(d / mpmath.sqrt(v1**2 / n1 + v2**2 / n2))
    pooled_in = min(pooled_vals) <= hi and max(pooled_vals) >= lo
    welch_in = min(welch_vals) <= hi and max(welch_vals) >= lo
    return fit_word(pooled_in, welch_in)


def df_check(n1, sd1, n2, sd2, df):
    h = mpmath.mpf(1) / (2 * 10 ** decimals(df))
    lo, hi = mpmath.mpf(df) - h, mpmath.mpf(df) + h
    _, s1, _, s2 = summary_grid("0", sd1, "0", sd2, 200)
    values = []
    for v1 in s1:
        for v2 in s2:
            w1, w2 = v1**2 / n1, v2**2 / n2
            values.append((w1 + w2) ** 2 / (w1**2 / (n1 - 1) + w2**2 / (n2 - 1)))
    return fit_word(lo <= n1 + n2 - 2 <= hi, min(values) <= hi and max(values) >= lo)


def edge_t(df, target, step=Fraction(1, 100)):
    """The first 2-decimal t, counting down from 3, whose rounding range reaches p = target, and
    the next one down, whose range lies wholly above it."""
    t = Fraction(3)
    while p_two_tailed(float(t - step / 2), df) < target:
        t -= step
    return f"{float(t):.2f}", f"{float(t - step):.2f}"


rows = []
def add(kind, expected, n1="", m1="", sd1="", n2="", m2="", sd2="", items="", t="", df="", p=""):
    rows.append([kind, n1, m1, sd1, n2, m2, sd2, items, t, df, p, expected])

# The p check.
for t, df, p in [("2.24", "18", ".038"), ("2.24", "18", ".02"), ("1.90", "18", "<.05"),
                 ("25.3", "40", "p < .001"), ("3.10", "40", "< .001"), ("2.5", "30", "ns"),
                 ("1.2", "30", "n.s."), ("2.05", "37.62", ".047"), ("2.05", "37.62", "= .030"),
                 ("2.09", "20", "< .05"), ("2.09", "20", "> .05"), ("2.09", "20", "= .06"),
                 ("-2.24", "18", "0.038"), ("0.52", "60", "> .05"), ("4.8", "12", "= .0004"),
                 ("2.24", "18", "= .04"), ("2.24", "18", ">.05")]:
    add("p", p_check(t, df, p), t=t, df=df, p=p)
# Reported .04 with a t whose rounding range just reaches p = .045, and the next t down.
inside, outside = edge_t(30, mpmath.mpf("0.045"))
add("p", p_check(inside, "30", ".04"), t=inside, df="30", p=".04")
add("p", p_check(outside, "30", ".04"), t=outside, df="30", p=".04")

# t and df against the summary.
for summary, t, df in [
        ((28, "5.19", "1.20", 30, "4.50", "1.10"), "2.28", "56"),
        ((28, "5.19", "1.20", 30, "4.50", "1.10"), "2.50", "54.66"),
        ((12, "24.1", "3.2", 40, "21.0", "9.8"), "1.83", "49.3"),
        ((12, "24.1", "3.2", 40, "21.0", "9.8"), "1.10", "50"),
        ((20, "3.45", "1.23", 20, "3.10", "1.05"), "0.97", "38"),
        ((20, "3.45", "1.23", 20, "3.10", "1.05"), "2.97", "37.1")]:
    n1, m1, sd1, n2, m2, sd2 = summary
    add("t", t_check(n1, m1, sd1, n2, m2, sd2, t), n1, m1, sd1, n2, m2, sd2, t=t)
    add("df", df_check(n1, sd1, n2, sd2, df), n1, m1, sd1, n2, m2, sd2, df=df)

# Granularity of means.
for n, mean, items in [(28, "5.19", 1), (28, "5.18", 1), (28, "5.19", 2), (28, "-5.19", 1),
                       (8, "2.12", 1), (8, "2.13", 1), (8, "2.14", 1), (8, "2.37", 1),
                       (8, "2.38", 1), (120, "3.41", 1), (21, "3.4", 1), (37, "2.459", 3),
                       (37, "2.458", 3), (99, "0.07", 1)]:
    add("grim_mean", grim_mean(n, mean, items), n, mean, items=items)

# Granularity of SDs: small samples (searched) and larger ones.
for n, mean, sd, items in [(5, "3.40", "1.14", 1), (5, "3.40", "1.15", 1), (5, "3.40", "0.55", 1),
                           (6, "2.50", "1.05", 1), (6, "2.50", "1.87", 1), (4, "2.25", "0.96", 2),
                           (4, "2.25", "0.95", 2), (3, "2.0", "1.00", 1), (3, "2.00", "0.50", 1),
                           (10, "3.20", "1.03", 1), (10, "3.20", "1.01", 1), (12, "4.25", "1.22", 1),
                           (12, "4.25", "1.21", 1), (150, "3.20", "1.03", 1), (9, "1.11", "0.33", 1)]:
    add("grim_sd", grim_sd(n, mean, sd, items), n, mean, sd, items=items)

writer = csv.writer(sys.stdout, lineterminator="\n")
writer.writerow(["kind", "n1", "m1", "sd1", "n2", "m2", "sd2", "items", "t", "df", "p", "expected"])
writer.writerows(rows)
