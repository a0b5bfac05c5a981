// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "hedges_factor.h"

#include "boost_policy.h"

#include <boost/math/special_functions/gamma.hpp>

#include <cmath>

namespace lx {

// A ratio of gammas, so that large df do not overflow.
double hedgesFactor(double df) {
    return boost::math::tgamma_ratio(df / 2, (df - 1) / 2, BoostPolicy()) / std::sqrt(df / 2);
}

} // namespace lx
