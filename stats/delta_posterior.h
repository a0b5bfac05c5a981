// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "figure.h"
#include "interval.h"

#include <vector>

namespace lx {

// One point of a density curve.
struct DensityPoint {
    double x = 0;
    double density = 0;
};

// The posterior of the standardized difference delta under the default Bayes factor's model.
struct DeltaPosterior {
    std::vector<DensityPoint> density; // evenly spaced, over all but the far tails
    double median = 0;
    Interval credible; // the central interval of the requested level
};

// The posterior of delta given Student's pooled t with n1 and n2 observations, under the Cauchy
// prior of scale priorScale: the noncentral t density of t at delta sqrt(N1 N2 / (N1 + N2)) times
// the prior, over its integral, which is BF10 times the central t density of t. Undefined where t
// is, NotFound where the Bayes factor or the posterior's quadrature does not settle.
Figure<DeltaPosterior> deltaPosterior(const Figure<double>& t, double n1, double n2,
                                      double priorScale, double level = 0.95);

} // namespace lx
