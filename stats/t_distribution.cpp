#include "t_distribution.h"

// Boost's noncentral t works out the gamma ratio of its Poisson weights with the default policy,
// which promotes it to long double: a tenth of an interval's time for nothing at our tolerances.
// Set before any Boost header; this is the one file that includes the noncentral t, so no other
// code meets Boost's default policy changed.
#define BOOST_MATH_PROMOTE_DOUBLE_POLICY false

#include "boost_policy.h"

#include <boost/math/distributions/non_central_t.hpp>
#include <boost/math/distributions/students_t.hpp>
#include <boost/math/tools/toms748_solve.hpp>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <stdexcept>

namespace lx::t_distribution {

namespace {

namespace bm = boost::math;

using Policy = BoostPolicy;

using StudentsT = bm::students_t_distribution<double, Policy>;
using NoncentralT = bm::non_central_t_distribution<double, Policy>;
// The same in long double, for small tails: where t lies below a negative noncentrality (or
// above a positive one) and df is large, Boost's series lose digits of the small tail in
// double, up to 7e-4 of a tail of 3e-7 at df 2e8, 2e-6 of one of 3e-5; long double keeps the
// bounds within 1e-8. Tails of 0.01 or more lose at most 3e-9 in double, and long double
// costs four times as much, so the usual levels stay in double.
using PromotedNoncentralT = bm::non_central_t_distribution<
    double, bm::policies::normalise<Policy, bm::policies::promote_double<true>>::type>;
constexpr double smallTail = 0.01;

// P(T' <= t), or P(T' > t) where upper is set, for a tail that is about `tail` in size.
double noncentralTail(double t, double df, double lambda, bool upper, double tail) {
    const auto of = [&](const auto& distribution) {
        return upper ? bm::cdf(bm::complement(distribution, t)) : bm::cdf(distribution, t);
    };
    return tail < smallTail ? of(PromotedNoncentralT(df, lambda)) : of(NoncentralT(df, lambda));
}

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

// The robust search: bracket the root by widening steps, then toms748 down to a few ulps.
double bracketNoncentrality(double t, double df, double probability) {
    const bool upperTail = probability > 0.5;
    const double tail = upperTail ? 1 - probability : probability;
    const auto miss = [&](double lambda) {
        const double at = noncentralTail(t, df, lambda, upperTail, tail);
        return upperTail ? tail - at : at - probability;
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

// Secant steps on the normal-score scale, where the noncentral t's cdf is nearly linear in
// lambda (slope about -1 / spread), from the normal approximation of T'; the smaller tail is
// used throughout so that its score keeps full precision. Mostly settles in 2 evaluations where
// the bracket search needs about 12; nullopt where the approximation fails (tiny df, huge t).
std::optional<double> secantNoncentrality(double t, double df, double probability) {
    const bm::normal_distribution<double, Policy> normal;
    const bool upperTail = probability > 0.5;
    const double tail = upperTail ? 1 - probability : probability; // exact for p in [0.5, 1]
    const double target = bm::quantile(normal, tail);
    // The score of the tail at lambda minus the target's, signed to fall as lambda rises.
    const auto miss = [&](double lambda) {
        const double at = noncentralTail(t, df, lambda, upperTail, tail);
        const double score = bm::quantile(normal, at) - target;
        return upperTail ? -score : score;
    };
    const double spread = std::sqrt(1 + t * t / (2 * df));
    const double z = upperTail ? -target : target;
    double lambda = t * (1 - 1 / (4 * df)) - z * spread;
    double missAt = miss(lambda);
    // The first step takes the approximation's slope, the later ones the secant's.
    double step = missAt * spread;
    for (int k = 0; k < 8 && std::isfinite(missAt); ++k) {
        const double next = lambda + step;
        // The secant's error shrinks faster than its steps: a step this small leaves lambda
        // within about 1e-9 of the root, relative (1e-12 absolute near 0), where the bounds
        // need 1e-7; a tighter stop would mostly buy one more evaluation.
        if (std::fabs(step) <= 1e-8 * std::max(1e-3, std::fabs(next))) {
            return next;
        }
        const double missNext = miss(next);
        if (missNext == 0) {
            return next;
        }
        if (missNext == missAt) {
            break;
        }
        step = -missNext * (next - lambda) / (missNext - missAt);
        lambda = next;
        missAt = missNext;
    }
    return std::nullopt;
}

double searchNoncentrality(double t, double df, double probability) {
    if (const auto fast = secantNoncentrality(t, df, probability)) {
        return *fast;
    }
    return bracketNoncentrality(t, df, probability);
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
