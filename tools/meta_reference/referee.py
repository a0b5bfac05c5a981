#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The LxTervan developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""A third route to the pooled figures of tests/stats/meta_reference.csv, in mpmath at 40 digits.

Usage: python3 referee.py > referee.txt

For every study set: DL's tau² in closed form; REML's tau² as the root of the restricted
likelihood's score with the highest likelihood among all roots (the score's sign changes on a
log grid from 1e-12 to 1e4 times the spread, each refined by bisection, and tau² = 0 when the
score is negative there and the likelihood highest); PM's as the root of Q(tau²) = k - 1; the
Q-profile interval of REML's fit as the roots of Q(tau²) against the chi-square's quantiles.
Prints, per figure, the largest difference from metafor's value over all sets, relative (absolute
for values below 1: at the tau² = 0 boundary metafor stops some 1e-14 above 0).
"""

import csv
import collections

import mpmath as mp

mp.mp.dps = 40
HERE = __file__.rsplit("/", 1)[0]
TESTS = HERE + "/../../tests/stats/"


def sums(ys, vs, t):
    w = [1 / (v + t) for v in vs]
    W = mp.fsum(w)
    mu = mp.fsum(wi * y for wi, y in zip(w, ys)) / W
    q = mp.fsum(wi * (y - mu) ** 2 for wi, y in zip(w, ys))
    return w, W, mu, q


def loglik(ys, vs, t):
    w, W, mu, q = sums(ys, vs, t)
    return -(mp.fsum(mp.log(v + t) for v in vs) + mp.log(W) + q) / 2


def score(ys, vs, t):
    w, W, mu, q = sums(ys, vs, t)
    return (-W + mp.fsum(wi * wi * (y - mu) ** 2 for wi, y in zip(w, ys))
            + mp.fsum(wi * wi for wi in w) / W) / 2


def bisect(f, lo, hi, steps=200):
    flo = f(lo)
    for _ in range(steps):
        mid = (lo + hi) / 2
        fm = f(mid)
        if (fm > 0) == (flo > 0):
            lo, flo = mid, fm
        else:
            hi = mid
    return (lo + hi) / 2


def spread(ys, vs):
    m = mp.fsum(ys) / len(ys)
    return max(mp.fsum((y - m) ** 2 for y in ys) / len(ys), max(vs))


def reml(ys, vs):
    s = spread(ys, vs)
    grid = [mp.mpf(0)] + [s * mp.mpf(10) ** (-12 + 16 * mp.mpf(i) / 400) for i in range(401)]
    candidates = [mp.mpf(0)] if score(ys, vs, 0) <= 0 else []
    values = [score(ys, vs, t) for t in grid]
    for a, b, fa, fb in zip(grid, grid[1:], values, values[1:]):
        if fa > 0 and fb <= 0:
            candidates.append(bisect(lambda t: score(ys, vs, t), a, b))
    return max(candidates, key=lambda t: loglik(ys, vs, t))


def falling_root(f, s):
    if f(0) <= 0:
        return mp.mpf(0)
    hi = s
    while f(hi) > 0:
        hi *= 2
    return bisect(f, mp.mpf(0), hi)


def main():
    sets = collections.OrderedDict()
    with open(TESTS + "meta_sets.csv") as f:
        for row in csv.DictReader(f):
            sets.setdefault(row["set"], ([], []))
            sets[row["set"]][0].append(mp.mpf(row["yi"]))
            sets[row["set"]][1].append(mp.mpf(row["vi"]))
    reference = {}
    with open(TESTS + "meta_reference.csv") as f:
        for row in csv.DictReader(f):
            if row["test"] == "z":
                reference[(row["set"], row["method"])] = row
    worst = collections.defaultdict(lambda: (0, ""))

    def note(name, ours, theirs, where):
        if theirs == "":
            return
        theirs = mp.mpf(theirs)
        diff = abs(ours - theirs) / max(abs(theirs), mp.mpf(1))  # absolute below 1
        if diff > worst[name][0]:
            worst[name] = (diff, where)

    for name, (ys, vs) in sets.items():
        k = len(ys)
        if k < 2:
            continue
        w0, W0, mu0, q0 = sums(ys, vs, 0)
        c = W0 - mp.fsum(w * w for w in w0) / W0
        note("DL tau2", max(0, (q0 - (k - 1)) / c), reference[(name, "DL")]["tau2"], name)
        t = reml(ys, vs)
        note("REML tau2", t, reference[(name, "REML")]["tau2"], name)
        note("PM tau2", falling_root(lambda x: sums(ys, vs, x)[3] - (k - 1), spread(ys, vs)),
             reference[(name, "PM")]["tau2"], name)
        chi = lambda x: mp.gammainc(mp.mpf(k - 1) / 2, 0, x / 2, regularized=True)
        upper_q = bisect(lambda x: chi(x) - mp.mpf("0.975"), mp.mpf(0), mp.mpf(10 * k + 50))
        lower_q = bisect(lambda x: chi(x) - mp.mpf("0.025"), mp.mpf(0), mp.mpf(10 * k + 50))
        note("REML tau2 CI lower",
             falling_root(lambda x: sums(ys, vs, x)[3] - upper_q, spread(ys, vs)),
             reference[(name, "REML")]["tau2_ci_lo"], name)
        note("REML tau2 CI upper",
             falling_root(lambda x: sums(ys, vs, x)[3] - lower_q, spread(ys, vs)),
             reference[(name, "REML")]["tau2_ci_hi"], name)
    print("largest difference from metafor (at its tight control; relative, absolute below 1), "
          "over %d sets:"
          % len(sets))
    for name, (diff, where) in worst.items():
        print("  %-20s %s  (%s)" % (name, mp.nstr(diff, 3), where))


if __name__ == "__main__":
    main()
