#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The LxTervan developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Reference values of the default (JZS) Bayes factors where t lies far in the tail of a large df.

Usage: python3 generate.py > ../../tests/stats/bayes_far_tail_reference.csv

Columns as in tests/stats/bayes_reference.csv: the summary and the Cauchy prior scale r,
Student's pooled t, then the natural logs of BF10, BF+0 (M1 > M2) and BF-0 (M1 < M2).

Everything is worked in mpmath, whose numbers have no practical exponent limit, so
that no tail underflows. With effective N = N1 N2 / (N1 + N2), nu = N1 + N2 - 2 and the prior
g ~ inverse gamma(1/2, r^2 / 2) on the variance of delta:

  BF10 = integral of (1 + N g)^(-1/2) ((1 + t^2 / ((1 + N g) nu)) / (1 + t^2 / nu))^(-(nu + 1) / 2)
         p(g) dg

and the one-sided factors put 2 P(T[nu + 1] < +-q(g)) inside, with
q(g) = sqrt(N g / (1 + N g)) t sqrt((nu + 1) / (nu + t^2 / (1 + N g))).

The integrals run over u = log g, each scaled by its largest value, split around that peak, and
are taken with Gauss-Legendre quadrature. The t tail is its own quadrature of the t density from
q to infinity (not an incomplete beta function, whose series do not converge at these df), again
scaled by the density at q. The factor against the sign of t, the hard one, is worked twice, at
20 and at 24 digits with the pieces cut differently, and the two one-sided factors must add up
to 2 BF10: the script stops where either check is off by more than 1e-12 in the log.
"""

import sys

import mpmath as mp


def pooled_t(n1, m1, sd1, n2, m2, sd2):
    nu = n1 + n2 - 2
    sp = mp.sqrt(((n1 - 1) * sd1**2 + (n2 - 1) * sd2**2) / nu)
    return (m1 - m2) / (sp * mp.sqrt(1 / n1 + 1 / n2))


class Model:
    def __init__(self, t, n1, n2, r):
        self.t = t
        self.n = n1 * n2 / (n1 + n2)
        self.nu = n1 + n2 - 2
        self.r = r
        m = self.nu + 1  # df of the t whose tail the one-sided factor needs
        self.m = m
        self.log_density_constant = (mp.loggamma((m + 1) / 2) - mp.loggamma(m / 2)
                                     - mp.log(m * mp.pi) / 2)

    def log_two_sided(self, u):
        g = mp.exp(u)
        t, n, nu, r = self.t, self.n, self.nu, self.r
        return (-mp.log1p(n * g) / 2
                - (nu + 1) / 2 * mp.log1p(t**2 / ((1 + n * g) * nu))
                + (nu + 1) / 2 * mp.log1p(t**2 / nu)
                + mp.log(r) - mp.log(2 * mp.pi) / 2 - u / 2 - r**2 / (2 * g))  # dg = g du

    def log_t_density(self, s):
        return self.log_density_constant - (self.m + 1) / 2 * mp.log1p(s**2 / self.m)

    def log_upper_tail(self, q):
        """log P(T[m] > q) for q >= 0, by quadrature of the density beyond q.

        With w = log f(q) - log f(s), which has the closed inverse
        s^2 = (m + q^2) exp(2 w / (m + 1)) - m, the tail is f(q) times the integral over w > 0
        of exp(-w) ds/dw: an integrand without scale, whatever q and m are."""
        m = self.m
        if q < 2:
            # Near 0 the substitution is singular at w = 0: the density up to q instead.
            head = mp.quad(lambda s: mp.exp(self.log_t_density(s)), [0, q])
            return mp.log(mp.mpf(1) / 2 - head)
        grow = m + q**2

        def integrand(w):
            s = mp.sqrt(grow * mp.exp(2 * w / (m + 1)) - m)
            return mp.exp(-w) * (m + s**2) / ((m + 1) * s)

        # exp(-w) beyond w = 110 holds less than 1e-47 of it.
        area = mp.quad(integrand, [0, 1, 3, 8, 20, 50, 110], method="gauss-legendre")
        return self.log_t_density(q) + mp.log(area)

    def log_cdf(self, y):
        """log P(T[m] < y)."""
        if y < 0:
            return self.log_upper_tail(-y)
        return mp.log1p(-mp.exp(self.log_upper_tail(y)))

    def q(self, u):
        ng = self.n * mp.exp(u)
        t, nu = self.t, self.nu
        return mp.sqrt(ng / (1 + ng)) * t * mp.sqrt((nu + 1) / (nu + t**2 / (1 + ng)))

    def log_side(self, u, sign):
        return self.log_two_sided(u) + mp.log(2) + self.log_cdf(sign * self.q(u))


def log_integral(f, widths):
    """log of the integral of exp(f(u)) over the real line."""
    # The peak: a coarse scan, then golden-section refinement.
    grid = [mp.mpf(k) for k in range(-60, 201, 2)]
    values = [f(u) for u in grid]
    best = max(range(len(grid)), key=lambda k: values[k])
    low, high = grid[max(best - 1, 0)], grid[min(best + 1, len(grid) - 1)]
    ratio = (mp.sqrt(5) - 1) / 2
    for _ in range(45):
        a = high - ratio * (high - low)
        b = low + ratio * (high - low)
        if f(a) > f(b):
            high = b
        else:
            low = a
    peak = (low + high) / 2
    top = f(peak)
    cuts = sorted({peak + s * w for w in widths for s in (-1, 1)} | {peak})
    # Beyond the last cuts the integrand has fallen by more than 1e-17 (checked here) and falls
    # on as fast as exp(-u) or faster: what is left out is below 1e-16 of the integral.
    for end in (cuts[0], cuts[-1]):
        if f(end) - top > -40:
            sys.exit(f"the integrand has not fallen off at u = {end}: {f(end) - top}")
    area = mp.quad(lambda u: mp.exp(f(u) - top), cuts, method="gauss-legendre")
    return top + mp.log(area)


def case_row(n1, m1, sd1, n2, m2, sd2, r):
    # The inputs as the doubles the program reads, worked exactly from there.
    n1, m1, sd1, n2, m2, sd2, r = (mp.mpf(float(x)) for x in (n1, m1, sd1, n2, m2, sd2, r))
    mp.mp.dps = 20
    t = pooled_t(n1, m1, sd1, n2, m2, sd2)
    model = Model(t, n1, n2, r)
    sign = 1 if t >= 0 else -1
    first_cuts = [mp.mpf(w) for w in ("0.01", "0.1", "0.5", "2", "8", "30", "60", "90", "130")]
    other_cuts = [mp.mpf(w) for w in ("0.03", "0.3", "1", "4", "16", "45", "75", "110", "140")]
    log10 = log_integral(model.log_two_sided, first_cuts)
    log_with = log_integral(lambda u: model.log_side(u, sign), first_cuts)
    log_against = log_integral(lambda u: model.log_side(u, -sign), first_cuts)
    # The factor against t once more, at more digits and cut elsewhere; and the two one-sided
    # factors must add up to 2 BF10, as P(T < q) + P(T < -q) = 1.
    mp.mp.dps = 24
    again = log_integral(lambda u: Model(t, n1, n2, r).log_side(u, -sign), other_cuts)
    total = mp.log(mp.exp(log_with) + mp.exp(log_against)) - mp.log(2) - log10
    if abs(again - log_against) > mp.mpf("1e-12") * max(1, abs(again)) or abs(total) > 1e-12:
        sys.exit(f"no agreement for {n1} {m1} {sd1} {n2} {m2} {sd2}: {log_against} vs {again}, "
                 f"sum off by {total}")
    plus, minus = (log_with, log_against) if sign > 0 else (log_against, log_with)
    return [n1, m1, sd1, n2, m2, sd2, r, t, log10, plus, minus]


MEDIUM = mp.sqrt(2) / 2
# N1 = 3624 and N2 = 3625 (df 7247) with t = -50: BF-0 is beyond the range of a double.
T_50_M2 = 50 * mp.sqrt(mp.mpf(1) / 3624 + mp.mpf(1) / 3625)
CASES = [
    (50000, 1.9, 1, 50000, 0, 1, MEDIUM),
    (50000, 0, 1, 50000, 1.9, 1, MEDIUM),
    (5000000, 0.1, 1, 5000000, 0, 1, MEDIUM),
    (3624, 0, 1, 3625, T_50_M2, 1, MEDIUM),
    (20000, 3, 1, 20000, 0, 1, 1),
    (1000000, 0, 1, 1000000, 1, 1, MEDIUM),
    (400000, 0.55, 1.1, 300000, 0, 0.9, 0.5),
    # Two df and t near 2.8e15: the integrand over log g rises slowly over some seventy units
    # below its peak, which lies where g is near t^2 / (N nu).
    (2, 3, 1e-15, 2, 1, 0, MEDIUM),
]


def main():
    names = ["n1", "m1", "sd1", "n2", "m2", "sd2", "r", "t",
             "log_bf10", "log_bf_plus", "log_bf_minus"]
    print(",".join(names))
    for case in CASES:
        row = case_row(*case)
        print(",".join(mp.nstr(x, 17, min_fixed=-mp.inf, max_fixed=mp.inf) if i >= 7
                       else repr(float(x)) for i, x in enumerate(row)))
        sys.stdout.flush()


if __name__ == "__main__":
    main()
