// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <boost/math/policies/policy.hpp>

namespace lx {

// The one policy for every Boost.Math call of the engine: plain double arithmetic (Boost would
// otherwise promote to long double, which is slower and, but for the small tails of the
// noncentral t at large df, gives nothing at our tolerances) and errors as NaN or infinity
// rather than exceptions: callers check the results.
using BoostPolicy = boost::math::policies::policy<
    boost::math::policies::promote_double<false>,
    boost::math::policies::domain_error<boost::math::policies::ignore_error>,
    boost::math::policies::overflow_error<boost::math::policies::ignore_error>,
    boost::math::policies::evaluation_error<boost::math::policies::ignore_error>,
    boost::math::policies::pole_error<boost::math::policies::ignore_error>,
    boost::math::policies::rounding_error<boost::math::policies::ignore_error>>;

} // namespace lx
