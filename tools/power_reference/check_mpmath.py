# SPDX-FileCopyrightText: 2026 The LxTervan developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Third route for the power tables that generate.R writes: every power is worked again with
mpmath at 30 digits, from the noncentral t as a mixture over the chi-square of the SD,

    P(T' > c) = integral of f_chi2(x; df) * Phi(ncp - c sqrt(x / df)) dx,

with the critical t solved from the incomplete beta. R's pt with ncp is documented accurate only
for |ncp| <= 37.62; rows beyond it, and any row where R and mpmath differ by more than 1e-10
relative, are listed, and with --fix their power is replaced by mpmath's.

Usage, from the repository's root:
    python3 tools/power_reference/check_mpmath.py [--fix] tests/stats
"""

import csv
import sys
from pathlib import Path

import mpmath as mp

mp.mp.dps = 30


def t_upper_tail(c, df):
    return mp.betainc(df / 2, mp.mpf(1) / 2, 0, df / (df + c * c), regularized=True) / 2


def critical_t(tail, df, start):
    return mp.findroot(lambda c: t_upper_tail(c, df) - tail, mp.mpf(start))


def power(n1, n2, d, alpha, tails, critical_start):
    df = mp.mpf(n1 + n2 - 2)
    ncp = abs(mp.mpf(d)) * mp.sqrt(mp.mpf(n1) * n2 / (n1 + n2))
    c = critical_t(mp.mpf(alpha) / tails, df, critical_start)
    log_norm = (df / 2) * mp.log(2) + mp.loggamma(df / 2)

    def integrand(x):
        s = mp.sqrt(x / df)
        tail = mp.ncdf(ncp - c * s)
        if tails == 2:
            tail += mp.ncdf(-ncp - c * s)
        return tail * mp.exp((df / 2 - 1) * mp.log(x) - x / 2 - log_norm)

    spread = mp.sqrt(2 * df)
    points = [0] + [p for p in (df - 12 * spread, df - 4 * spread, df, df + 4 * spread,
                                df + 12 * spread) if p > 0] + [mp.inf]
    return mp.quad(integrand, sorted(set(points)))


def check(path, fix, n_columns, critical_of):
    with open(path, newline="") as f:
        rows = list(csv.DictReader(f))
    changed = 0
    worst = 0
    for row in rows:
        n1, n2 = (int(float(row[k])) for k in n_columns)
        d = float(row["d"])
        alpha = float(row["alpha"])
        tails = int(float(row["tails"]))
        exact = power(n1, n2, d, alpha, tails, critical_of(row, n1 + n2 - 2, alpha / tails))
        r_value = float(row["power"])
        relative = float(abs(r_value - exact) / exact)
        worst = max(worst, relative)
        ncp = abs(d) * (n1 * n2 / (n1 + n2)) ** 0.5
        if ncp > 37.62 or relative > 1e-10:
            print(f"{path.name}: n {n1}/{n2} d {d} alpha {alpha} tails {tails} ncp {ncp:.2f}:"
                  f" R {r_value!r}, mpmath {mp.nstr(exact, 20)}, relative {relative:.2g}")
            if fix and relative > 1e-10:
                row["power"] = repr(float(exact))
                changed += 1
    print(f"{path.name}: {len(rows)} rows, largest relative difference {worst:.2g}")
    if changed:
        with open(path, "w", newline="") as f:
            writer = csv.DictWriter(f, fieldnames=rows[0].keys(), lineterminator="\n")
            writer.writeheader()
            writer.writerows(rows)
        print(f"{path.name}: {changed} powers replaced by mpmath's")


def start_from_normal(row, df, tail):
    return float(mp.sqrt(2) * mp.erfinv(1 - 2 * mp.mpf(tail)))


def main():
    fix = "--fix" in sys.argv
    folder = Path([a for a in sys.argv[1:] if a != "--fix"][0])
    check(folder / "power_reference.csv", fix, ("n1", "n2"), start_from_normal)
    check(folder / "power_sample_size_reference.csv", fix, ("n1", "n2"),
          lambda row, df, tail: float(row["critical_t"]))


if __name__ == "__main__":
    main()
