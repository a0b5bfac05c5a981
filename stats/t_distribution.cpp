#include "t_distribution.h"

#include "boost_policy.h"

#include <boost/math/distributions/non_central_t.hpp>
#include <boost/math/distributions/students_t.hpp>
#include <boost/math/tools/toms748_solve.hpp>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <stdexcept>

namespace lx::t_distribution {

namespace {

namespace bm = boost::math;

using Policy = BoostPolicy;

using StudentsT = bm::students_t_distribution<double, Policy>;
using NoncentralT = bm::non_central_t_distribution<double, Policy>;

constexpr double nan = std::numeric_limits<double>::quiet_NaN();

} // namespace

double upperTail(double t, double df) {
    return bm::cdf(bm::complement(StudentsT(df), t));
}

double lowerTail(double t, double df) {
    return bm::cdf(StudentsT(df), t);
}

double twoTailed(double t, double df) {
    return std::min(1.0, 2 * upperTail(std::fabs(t), df));
}

double upperQuantile(double tail, double df) {
    return bm::quantile(bm::complement(StudentsT(df), tail));
}

namespace {

double searchNoncentrality(double t, double df, double probability) {
    const auto miss = [&](double lambda) {
        return bm::cdf(NoncentralT(df, lambda), t) - probability;
    };
    // T' is roughly normal around lambda with this spread: start one normal quantile away and
    // widen the step until the root is bracketed.
    const double spread = std::sqrt(1 + t * t / (2 * df));
    const double z = bm::quantile(bm::normal_distribution<double, Policy>(), probability);
    double low = t - z * spread - spread;
    double high = t - z * spread + spread;
    double missLow = miss(low);
    double missHigh = miss(high);
    for (int widening = 0; widening < 60 && !(missLow >= 0 && missHigh <= 0); ++widening) {
        if (!std::isfinite(missLow) || !std::isfinite(missHigh)) {
            return nan;
        }
        const double step = high - low;
        if (missLow < 0) {
            high = low;
            missHigh = missLow;
            low -= step;
            missLow = miss(low);
        } else {
            low = high;
            missLow = missHigh;
            high += step;
            missHigh = miss(high);
        }
    }
    if (!(missLow >= 0 && missHigh <= 0)) {
        return nan;
    }
    if (missLow == 0) {
        return low;
    }
    if (missHigh == 0) {
        return high;
    }
    // Close enough when the bracket is within a few ulps of lambda, or absolutely tiny near 0.
    const auto settled = [](double a, double b) {
        return std::fabs(a - b) <= 1e-13 * std::max(1.0, std::min(std::fabs(a), std::fabs(b)));
    };
    std::uintmax_t iterations = 100;
    const auto [lower, upper] =
        bm::tools::toms748_solve(miss, low, high, missLow, missHigh, settled, iterations, Policy());
    return iterations >= 100 ? nan : (lower + upper) / 2;
}

} // namespace

double noncentralityFor(double t, double df, double probability) {
    // Far out in the tails the noncentral t's series can still refuse; that is "not found".
    try {
        return searchNoncentrality(t, df, probability);
    } catch (const std::exception&) {
        return nan;
    }
}

} // namespace lx::t_distribution
