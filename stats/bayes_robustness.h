// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "figure.h"

#include <vector>

namespace lx {

// The conventional "wide" and "ultrawide" scales of the Cauchy prior.
inline constexpr double widePriorScale = 1.0;
inline constexpr double ultrawidePriorScale = 1.41421356237309504880;

// log BF10 at one prior scale.
struct FactorAtScale {
    double r = 0;
    double logBf10 = 0;
};

// How BF10 depends on the prior scale r, over (0, upper]: upper is 1.5, or the larger of 2 and
// the chosen scale when that is above 1.5.
struct BayesRobustness {
    double upper = 1.5;
    // Ascending in r: evenly spaced up to upper, with finer scales below the first even one and
    // the largest, so that a peak at a small scale is drawn.
    std::vector<FactorAtScale> curve;
    Figure<double> logBfHalf = Undefined::NotRequested; // r = 0.5
    Figure<double> logBfMedium = Undefined::NotRequested;
    Figure<double> logBfWide = Undefined::NotRequested;
    Figure<double> logBfUltrawide = Undefined::NotRequested;
    // The largest BF10 over the range and where it lies. BF10 tends to 1 as r tends to 0; where
    // it is below 1 over the whole range, the largest is that limit, at r = 0.
    Figure<FactorAtScale> largest = Undefined::NotRequested;
};

// BF10 of Student's pooled t with n1 and n2 observations against the prior scale. Undefined
// where t is; a value whose integral does not settle is NotFound, and is left out of the curve.
Figure<BayesRobustness> bayesRobustness(const Figure<double>& t, double n1, double n2,
                                        double chosenScale);

} // namespace lx
