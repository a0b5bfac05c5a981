// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "figure.h"

namespace lx {

// The conventional "medium" scale of the Cauchy prior on the standardized difference: sqrt(2)/2.
inline constexpr double mediumPriorScale = 0.70710678118654752440;

// The default two-sample Bayes factors against the null of no difference, as natural logs so
// that none overflows or underflows however large t or N is. Each says for itself why it has no
// value: a one-sided factor that cannot be worked leaves BF10 as it is.
struct BayesFactors {
    Figure<double> logBf10 = Undefined::NotRequested;   // delta != 0
    Figure<double> logBfPlus = Undefined::NotRequested; // delta > 0: M1 > M2
    Figure<double> logBfMinus = Undefined::NotRequested;
};

// The Bayes factors of Student's pooled t with n1 and n2 observations under the
// Jeffreys-Zellner-Siow prior: a Cauchy prior with scale priorScale (> 0) on delta, Jeffreys
// priors on the mean and variance. Undefined where t is, or NotFound where a quadrature does
// not settle. The one-sided factors truncate the same prior to one side.
BayesFactors defaultBayesFactors(const Figure<double>& t, double n1, double n2, double priorScale);

// log BF10 alone, as defaultBayesFactors works it: for the posterior's constant and for the
// factor's dependence on the prior scale, which need no one-sided factor.
Figure<double> defaultLogBf10(const Figure<double>& t, double n1, double n2, double priorScale);

// The derivative of log BF10 in the prior scale: where it is 0, BF10 is largest.
Figure<double> defaultLogBf10Slope(const Figure<double>& t, double n1, double n2,
                                   double priorScale);

} // namespace lx
