// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "spread.h"

#include <cmath>

namespace lx::spread {

double standardError(double sd, std::int32_t n) {
    return sd / std::sqrt(static_cast<double>(n));
}

double pooledSd(double sd1, std::int32_t n1, double sd2, std::int32_t n2) {
    const double df = static_cast<double>(n1) + n2 - 2;
    return std::hypot(std::sqrt((n1 - 1.0) / df) * sd1, std::sqrt((n2 - 1.0) / df) * sd2);
}

double welchDf(double se1, std::int32_t n1, double se2, std::int32_t n2) {
    // Written with each set's share of the variance, which stays in [0, 1].
    const double se = std::hypot(se1, se2);
    const double share1 = (se1 / se) * (se1 / se);
    const double share2 = (se2 / se) * (se2 / se);
    return welchDfOfShares(share1, n1, share2, n2);
}

double welchDfOfShares(double share1, std::int32_t n1, double share2, std::int32_t n2) {
    return 1 / (share1 * share1 / (n1 - 1) + share2 * share2 / (n2 - 1));
}

} // namespace lx::spread
