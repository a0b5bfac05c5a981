// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "t_distribution.h"

// Boost's noncentral t works out the gamma ratio of its Poisson weights with the default policy,
// which promotes it to long double: a tenth of an interval's time for nothing at our tolerances.
// Set before any Boost header; this is the one file that includes the noncentral t, so no other
// code meets Boost's default policy changed.
#define BOOST_MATH_PROMOTE_DOUBLE_POLICY false

#include "boost_policy.h"

#include <boost/math/distributions/non_central_t.hpp>
#include <boost/math/distributions/students_t.hpp>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <stdexcept>

namespace lx::t_distribution {

namespace {

namespace bm = boost::math;

using Policy = BoostPolicy;

using StudentsT = bm::students_t_distribution<double, Policy>;
using NoncentralT = bm::non_central_t_distribution<double, Policy>;
// The same in long double, for small tails: in double Boost's series lose digits of a small
// tail, the more the smaller it is and the larger df: 7e-4 of a tail of 3e-7 at df 2e8 (1.8e-5
// of an effect-size bound), 2e-6 of one of 3e-5, 2e-7 of one of 1e-9 at df 1000. Long double
// keeps the bounds within 1e-8 but costs ten times as much, so it is kept to where double
// would lose more than about 5e-9 of a bound: tails below 1e-7, and below 0.004 (levels above
// 0.992) where df is over 1000.
using PromotedNoncentralT = bm::non_central_t_distribution<
    double, bm::policies::normalise<Policy, bm::policies::promote_double<true>>::type>;

bool needsLongDouble(double tail, double df) {
    return tail < 1e-7 || (tail < 0.004 && df > 1000);
}

// P(T' <= t), or P(T' > t) where upper is set, for a tail that is about `tail` in size.
double noncentralTail(double t, double df, double lambda, bool upper, double tail) {
    const auto of = [&](const auto& distribution) {
        return upper ? bm::cdf(bm::complement(distribution, t)) : bm::cdf(distribution, t);
    };
    return needsLongDouble(tail, df) ? of(PromotedNoncentralT(df, lambda))
                                     : of(NoncentralT(df, lambda));
}

constexpr double nan = std::numeric_limits<double>::quiet_NaN();

} // namespace

double upperTail(double t, double df) {
    // Judging one reported result asks for the same few tails many times over (its t as
    // printed and at its rounding's ends, for each reading weighed), and a text's results come
    // one after the other: the last few tails asked for are kept, one set per thread.
    struct Recent {
        double t = nan;
        double df = nan;
        double tail = nan;
    };
    constexpr std::size_t kept = 8;
    thread_local std::array<Recent, kept> recent;
    thread_local std::size_t next = 0;
    for (const Recent& known : recent) {
        if (known.t == t && known.df == df) {
            return known.tail;
        }
    }
    const double tail = bm::cdf(bm::complement(StudentsT(df), t));
    recent[next] = {t, df, tail};
    next = (next + 1) % kept;
    return tail;
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

// Secant steps on the normal-score scale, where the noncentral t's cdf is nearly linear in
// lambda (slope about -1 / spread), from the normal approximation of T'; the smaller tail is
// used throughout so that its score keeps full precision. Mostly settles in 2 evaluations. Each
// value also narrows a bracket of the root, for where the approximation fails (tiny df, huge
// t): a step that would leave the bracket, or one that cannot be worked out (a tail of 0 has no
// finite score, though the side of the root it points to is known), gives way to halving the
// bracket, or while one side is still open to a step twice as long as the last one outward.
double searchNoncentrality(double t, double df, double probability) {
    const bm::normal_distribution<double, Policy> normal;
    const bool upperTail = probability > 0.5;
    const double tail = upperTail ? 1 - probability : probability; // exact for p in [0.5, 1]
    const double target = bm::quantile(normal, tail);
    // The score of the tail at lambda minus the target's, signed to fall as lambda rises.
    const auto miss = [&](double lambda) {
        // Far out Boost's series can round a tail a little below 0.
        const double at = std::clamp(noncentralTail(t, df, lambda, upperTail, tail), 0.0, 1.0);
        const double score = bm::quantile(normal, at) - target;
        return upperTail ? -score : score;
    };
    // The root lies above every lambda with a positive miss and below every one with a negative.
    double above = -std::numeric_limits<double>::infinity();
    double below = std::numeric_limits<double>::infinity();
    const auto narrow = [&](double lambda, double missAt) {
        if (missAt > 0) {
            above = std::max(above, lambda);
        } else {
            below = std::min(below, lambda);
        }
    };
    const double spread = std::sqrt(1 + t * t / (2 * df));
    const double z = upperTail ? -target : target;
    double lambda = t * (1 - 1 / (4 * df)) - z * spread;
    double missAt = miss(lambda);
    double outward = spread;
    // The first step takes the approximation's slope, the later ones the secant's.
    double step = missAt * spread;
    for (int k = 0; k < 200 && !std::isnan(missAt); ++k) {
        if (missAt == 0) {
            return lambda;
        }
        narrow(lambda, missAt);
        double next = lambda + step;
        const bool secant = std::isfinite(next) && next > above && next < below;
        if (!secant && std::isfinite(above) && std::isfinite(below)) {
            next = above + (below - above) / 2;
        } else if (!secant) {
            outward *= 2;
            next = std::isfinite(above) ? above + outward : below - outward;
        }
        // The secant's error shrinks faster than its steps: a step this small leaves lambda
        // within about 1e-9 of the root, relative (1e-12 absolute near 0), where the bounds
        // need 1e-7; a tighter stop would mostly buy one more evaluation. A halved bracket
        // has to be that narrow itself.
        const double close = 1e-8 * std::max(1e-3, std::fabs(next));
        if (secant ? std::fabs(step) <= close : below - above <= 2 * close) {
            return next;
        }
        const double missNext = miss(next);
        const bool secantDefined =
            std::isfinite(missNext) && std::isfinite(missAt) && missNext != missAt;
        step = secantDefined ? -missNext * (next - lambda) / (missNext - missAt) : nan;
        lambda = next;
        missAt = missNext;
    }
    return nan;
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
