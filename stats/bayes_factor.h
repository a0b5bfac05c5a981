#pragma once

#include "figure.h"

#include <cmath>

namespace lx {

// The conventional "medium" scale of the Cauchy prior on the standardized difference: sqrt(2)/2.
inline constexpr double mediumPriorScale = 0.70710678118654752440;

// The default two-sample Bayes factors against the null of no difference, as natural logs so
// that none overflows or underflows however large t or N is.
struct BayesFactors {
    double logBf10 = 0;   // delta != 0
    double logBfPlus = 0; // delta > 0: M1 > M2
    double logBfMinus = 0;

    double bf10() const { return std::exp(logBf10); }
    double bfPlus() const { return std::exp(logBfPlus); }
    double bfMinus() const { return std::exp(logBfMinus); }
};

// The Bayes factors of Student's pooled t with n1 and n2 observations under the
// Jeffreys-Zellner-Siow prior: a Cauchy prior with scale priorScale (> 0) on delta, Jeffreys
// priors on the mean and variance. Undefined where t is, or NotFound when the quadrature does
// not settle. The one-sided factors truncate the same prior to one side.
Figure<BayesFactors> defaultBayesFactors(const Figure<double>& t, double n1, double n2,
                                         double priorScale);

} // namespace lx
