// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Tail probabilities and quantiles of Student's t distribution, and the inversion of the
// noncentral t distribution that effect-size intervals need. Thin wrappers over Boost.Math with
// one policy: double precision, except the noncentral t's small tails, which are worked in long
// double, and no exceptions for results out of range.
namespace lx::t_distribution {

// P(T > t) and P(T < t) with df degrees of freedom (df > 0, may be fractional).
double upperTail(double t, double df);
double lowerTail(double t, double df);

// 2 P(T > |t|), at most 1.
double twoTailed(double t, double df);

// The t with P(T > t) = tail.
double upperQuantile(double tail, double df);

// The noncentrality lambda with P(T'(df, lambda) <= t) = probability, or NaN when the search
// does not settle. The probability falls as lambda rises, so the answer is unique.
double noncentralityFor(double t, double df, double probability);

} // namespace lx::t_distribution
