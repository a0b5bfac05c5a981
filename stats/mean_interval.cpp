// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "mean_interval.h"

#include "t_distribution.h"

#include <cmath>

namespace lx {

Figure<Interval> meanInterval(std::int32_t n, double mean, double sd, double level) {
    if (n < 2) {
        return Undefined::TooFewObservations;
    }
    const double halfWidth =
        t_distribution::upperQuantile((1 - level) / 2, n - 1.0) * sd / std::sqrt(double(n));
    return Interval{mean - halfWidth, mean + halfWidth};
}

} // namespace lx
