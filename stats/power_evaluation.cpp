// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The noncentral t's Poisson weights use Boost's default policy inside; without promotion to
// long double, as in t_distribution.cpp, the other file that includes the noncentral t, so that
// both compile Boost's defaults alike. Set before any Boost header.
#define BOOST_MATH_PROMOTE_DOUBLE_POLICY false

#include "power_evaluation.h"

#include "boost_policy.h"
#include "spread.h"
#include "t_distribution.h"

#include <boost/math/distributions/chi_squared.hpp>
#include <boost/math/distributions/non_central_t.hpp>
#include <boost/math/distributions/normal.hpp>

#include <cmath>
#include <stdexcept>

namespace lx::power {

namespace {

namespace bm = boost::math;

using NoncentralT = bm::non_central_t_distribution<double, BoostPolicy>;
using Normal = bm::normal_distribution<double, BoostPolicy>;

constexpr double nan = std::numeric_limits<double>::quiet_NaN();

// Whether the noncentral t falls short of a positive critical t with a chance below half an ulp
// of 1, so that the power is 1 to double precision: T = (Z + lambda) / sqrt(V / df) <= critical
// needs Z <= -lambda / 2 or critical sqrt(V / df) >= lambda / 2, and the two-tailed test's other
// tail is smaller still. Boost's series refuses noncentralities this far out.
bool powerRoundsToOne(double df, double lambda, double critical) {
    if (!(critical > 0) || !(lambda > 0)) {
        return false;
    }
    const double half = lambda / 2;
    const double chiSquare = df * (half / critical) * (half / critical);
    const double shortfall =
        bm::cdf(Normal(), -half) +
        (std::isfinite(chiSquare)
             ? bm::cdf(
                   bm::complement(bm::chi_squared_distribution<double, BoostPolicy>(df), chiSquare))
             : 0.0);
    return 2 * shortfall < std::numeric_limits<double>::epsilon() / 4;
}

} // namespace

double criticalT(double df, const TestDesign& test) {
    return t_distribution::upperQuantile(test.tails == Tails::Two ? test.alpha / 2 : test.alpha,
                                         df);
}

double powerAt(double df, double lambda, double critical, Tails tails) {
    if (!std::isfinite(critical) || !std::isfinite(lambda)) {
        return nan;
    }
    try {
        const NoncentralT distribution(df, lambda);
        double power = bm::cdf(bm::complement(distribution, critical));
        if (tails == Tails::Two) {
            power += bm::cdf(distribution, -critical);
        }
        if (std::isfinite(power)) {
            return power;
        }
    } catch (const std::exception&) {
    }
    try {
        return powerRoundsToOne(df, lambda, critical) ? 1.0 : nan;
    } catch (const std::exception&) {
        return nan;
    }
}

Evaluation studentEvaluation(std::int64_t n1, std::int64_t n2, double d, const TestDesign& test) {
    Evaluation at;
    const auto a = static_cast<double>(n1);
    const auto b = static_cast<double>(n2);
    at.df = a + b - 2;
    at.criticalT = criticalT(at.df, test);
    at.noncentrality = std::fabs(d) * std::sqrt(a * b / (a + b));
    at.power = powerAt(at.df, at.noncentrality, at.criticalT, test.tails);
    return at;
}

Evaluation welchEvaluation(std::int64_t n1, std::int64_t n2, const WelchEffect& effect,
                           const TestDesign& test) {
    Evaluation at;
    const double se1 = effect.sd1 / std::sqrt(static_cast<double>(n1));
    const double se2 = effect.sd2 / std::sqrt(static_cast<double>(n2));
    at.df = spread::welchDf(se1, static_cast<std::int32_t>(n1), se2, static_cast<std::int32_t>(n2));
    at.criticalT = criticalT(at.df, test);
    at.noncentrality = std::fabs(effect.difference) / std::hypot(se1, se2);
    at.power = powerAt(at.df, at.noncentrality, at.criticalT, test.tails);
    return at;
}

} // namespace lx::power
