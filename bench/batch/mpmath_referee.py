#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The LxTervan developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Which of lxtervan-batch and R is right where they differ: a few rows worked out with mpmath.
python3 mpmath_referee.py TOOL_CSV R_CSV ID...

For each row: the three Bayes factors at 60 digits, and each side's relative error against
them; for the interval of d, each side's noncentrality (the limit over sqrt(1/N1 + 1/N2)) put
back into the noncentral t's cdf, whose distance from its target probability, divided by the
cdf's slope there, is the error of that noncentrality, shown relative.
The t is the row's pooled t from its typed figures. BF10 is the integral over g of the
Jeffreys-Zellner-Siow prior (delta | g normal, g inverse gamma); the one-sided factors integrate
the noncentral t density, in its closed form with 1F1, against the Cauchy prior on one side of
0, on the other side only near 0, where all but a negligible part of that integral lies. Each
factor is worked by two quadratures, tanh-sinh and Gauss-Legendre; one whose two values differ
is marked unsettled. The cdf of the noncentral t is the mean of Phi(t sqrt(V / df) - ncp) over
V, chi-squared with df.
"""
import csv
import sys

import mpmath as mp

tool_path, r_path, ids = sys.argv[1], sys.argv[2], sys.argv[3:]


def rows_of(path):
    with open(path, newline="") as f:
        return {row["id"]: row for row in csv.DictReader(f) if row["id"] in ids}


tool_rows, r_rows = rows_of(tool_path), rows_of(r_path)


def nct_pdf(x, nu, mu):
    # Where x and mu differ in sign the two terms cancel; 80 more digits keep the difference.
    with mp.extradps(80):
        z = mu**2 * x**2 / (2 * (nu + x**2))
        front = (nu ** (nu / 2) * mp.gamma(nu + 1) * mp.exp(-mu**2 / 2)
                 / (2**nu * (nu + x**2) ** (nu / 2) * mp.gamma(nu / 2)))
        odd = (mp.sqrt(2) * mu * x / (nu + x**2) * mp.hyp1f1(nu / 2 + 1, 1.5, z)
               / mp.gamma((nu + 1) / 2))
        even = mp.hyp1f1((nu + 1) / 2, 0.5, z) / (mp.sqrt(nu + x**2) * mp.gamma(nu / 2 + 1))
        return +(front * (odd + even))


def bf10(t, nu, n, method):
    r = mp.sqrt(2) / 2

    def f(g):
        return ((1 + n * g) ** -0.5 * ((1 + t**2 / ((1 + n * g) * nu)) / (1 + t**2 / nu))
                ** (-(nu + 1) / 2) * r / mp.sqrt(2 * mp.pi) * g**-1.5 * mp.exp(-r**2 / (2 * g)))
    return mp.quad(f, [0, 1 / n, 1, 10, mp.inf], method=method)


def bf_side(t, nu, n, sign, method):
    """BF of delta on one side (sign +1: delta > 0) against delta = 0, over mu = delta sqrt(n)."""
    r = mp.sqrt(2) / 2
    # Over the density at 0, so that the integrand is of the factor's size: mpmath's quadrature
    # stops at an absolute error, which a density of 1e-80 would meet at once.
    null = nct_pdf(t, nu, 0)

    def f(mu):
        return (nct_pdf(t, nu, sign * mu) / null * 2 * r / (mp.pi * (r**2 + mu**2 / n))
                / mp.sqrt(n))
    if sign * t > 0:
        # Around mu = |t|, out to 40 times the spread of its estimate, sqrt(1 + t^2 / (2 df)).
        a = abs(t)
        w = mp.sqrt(1 + t**2 / (2 * nu))
        points = sorted({mp.mpf(0), max(mp.mpf(0), a - 10 * w), a, a + 10 * w, a + 40 * w})
    else:
        # The log of the integrand falls at least as fast as rate mu + mu^2 / 2 from its value
        # at 0, rate the t times the typical sqrt(V / df) at that t: beyond this mu it is below
        # e^-100 of it, and its closed form cancels more digits than nct_pdf keeps.
        # It falls on the scale of 1 / rate, which the points between follow.
        rate = abs(t) * mp.sqrt(nu / (t**2 + nu))
        top = -rate + mp.sqrt(rate**2 + 200)
        points = [0] + [k / rate for k in (0.5, 1, 2, 4, 8, 16, 32, 64) if k / rate < top] + [top]
    # One quadrature a stretch, added up.
    parts = (mp.quad(f, [a, b], method=method) for a, b in zip(points, points[1:]))
    return mp.fsum(parts)


def nct_cdf_and_slope(t, nu, ncp):
    def chi2(v):
        return v ** (nu / 2 - 1) * mp.exp(-v / 2) / (2 ** (nu / 2) * mp.gamma(nu / 2))
    spread = 12 * mp.sqrt(2 * nu)
    points = [max(mp.mpf(0), nu - spread), nu, nu + spread]
    points = ([0] if points[0] > 0 else []) + points + [mp.inf]
    cdf = mp.quad(lambda v: mp.ncdf(t * mp.sqrt(v / nu) - ncp) * chi2(v), points)
    slope = -mp.quad(lambda v: mp.npdf(t * mp.sqrt(v / nu) - ncp) * chi2(v), points)
    return cdf, slope


def relative(value, exact):
    return abs((mp.mpf(value) - exact) / exact) if value else None


def show(value):
    return "(empty)" if value is None else mp.nstr(value, 3)


mp.mp.dps = 60
for id_ in ids:
    tool, rr = tool_rows[id_], r_rows[id_]
    n1, n2 = mp.mpf(tool["n1"]), mp.mpf(tool["n2"])
    m1, sd1, m2, sd2 = (mp.mpf(tool[c]) for c in ("m1", "sd1", "m2", "sd2"))
    nu = n1 + n2 - 2
    n = n1 * n2 / (n1 + n2)
    scale = mp.sqrt(1 / n1 + 1 / n2)
    t = (m1 - m2) / (mp.sqrt(((n1 - 1) * sd1**2 + (n2 - 1) * sd2**2) / nu) * scale)
    print(f"id {id_}: n1 {tool['n1']} m1 {tool['m1']} sd1 {tool['sd1']} n2 {tool['n2']} "
          f"m2 {tool['m2']} sd2 {tool['sd2']}, t {mp.nstr(t, 10)}")
    factors = [{"bf10": bf10(t, nu, n, method), "bf_plus": bf_side(t, nu, n, 1, method),
                "bf_minus": bf_side(t, nu, n, -1, method)}
               for method in ("tanh-sinh", "gauss-legendre")]
    for column, value in factors[0].items():
        settled = abs(factors[1][column] / value - 1) < 1e-14
        print(f"  {column:9} mpmath {mp.nstr(value, 17):>24}   rel. error: tool "
              f"{show(relative(tool[column], value)):>9}  R {show(relative(rr[column], value)):>9}"
              + ("" if settled else "   (unsettled)"))
    for column, target in (("d_ci_lo", 0.975), ("d_ci_hi", 0.025)):
        errors = []
        for row in (tool, rr):
            ncp = mp.mpf(row[column]) / scale
            cdf, slope = nct_cdf_and_slope(t, nu, ncp)
            errors.append(abs((cdf - target) / slope / ncp))
        print(f"  {column:9} ncp {mp.nstr(mp.mpf(tool[column]) / scale, 10):>10}"
              f"{'':24} rel. error: tool {show(errors[0]):>9}  R {show(errors[1]):>9}")
