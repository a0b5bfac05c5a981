// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "d_interval.h"

#include "t_distribution.h"

#include <cmath>

namespace lx {

Figure<Interval> cohensDInterval(double t, std::int32_t n1, std::int32_t n2, double level) {
    const double scale = std::sqrt(1.0 / n1 + 1.0 / n2);
    const double df = static_cast<double>(n1) + n2 - 2;
    const double alpha = 1 - level;
    const double lower = t_distribution::noncentralityFor(t, df, 1 - alpha / 2) * scale;
    const double upper = t_distribution::noncentralityFor(t, df, alpha / 2) * scale;
    if (!std::isfinite(lower) || !std::isfinite(upper)) {
        return Undefined::NotFound;
    }
    return Interval{lower, upper};
}

} // namespace lx
