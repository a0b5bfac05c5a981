// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "power.h"

#include <cstdint>
#include <limits>

// The power of one sample, the figure every planning search evaluates again and again.
namespace lx::power {

// The t that makes the test significant: half of alpha in each tail when two-tailed.
double criticalT(double df, const TestDesign& test);

// The probability that the noncentral t with `df` and noncentrality lambda >= 0 lands beyond the
// critical t; NaN where it cannot be worked out, as beyond a critical t that is not finite.
double powerAt(double df, double lambda, double critical, Tails tails);

// A sample's power with every figure behind it.
struct Evaluation {
    double power = std::numeric_limits<double>::quiet_NaN();
    double criticalT = std::numeric_limits<double>::quiet_NaN();
    double noncentrality = std::numeric_limits<double>::quiet_NaN();
    double df = std::numeric_limits<double>::quiet_NaN();
};

// Student's test at standardized difference d.
Evaluation studentEvaluation(std::int64_t n1, std::int64_t n2, double d, const TestDesign& test);

// Welch's test by the noncentral t with the Welch-Satterthwaite df of the planned SDs.
Evaluation welchEvaluation(std::int64_t n1, std::int64_t n2, const WelchEffect& effect,
                           const TestDesign& test);

} // namespace lx::power
