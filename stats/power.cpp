// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Boost's defaults as in power_evaluation.cpp, whose normal distribution this file shares.
#define BOOST_MATH_PROMOTE_DOUBLE_POLICY false

#include "power.h"

#include "boost_policy.h"
#include "d_interval.h"
#include "power_evaluation.h"

#include <boost/math/distributions/normal.hpp>
#include <boost/math/tools/toms748_solve.hpp>

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <stdexcept>

namespace lx::power {

namespace {

namespace bm = boost::math;

using Normal = bm::normal_distribution<double, BoostPolicy>;

constexpr std::int64_t largestN = std::numeric_limits<std::int32_t>::max();

std::optional<Problem> checkDesign(const TestDesign& test) {
    if (!(test.alpha > 0 && test.alpha < 1)) {
        return Problem::AlphaOutOfRange;
    }
    return std::nullopt;
}

std::optional<Problem> checkTarget(double targetPower, const TestDesign& test) {
    if (const auto problem = checkDesign(test)) {
        return problem;
    }
    if (!(targetPower > test.alpha && targetPower < 1)) {
        return Problem::PowerOutOfRange;
    }
    return std::nullopt;
}

std::optional<Problem> checkEffect(double effect) {
    if (!std::isfinite(effect)) {
        return Problem::EffectNotFinite;
    }
    if (effect == 0) {
        return Problem::NoEffect;
    }
    return std::nullopt;
}

std::optional<Problem> checkRatio(double ratio) {
    if (!(ratio > 0) || !std::isfinite(ratio)) {
        return Problem::RatioNotPositive;
    }
    return std::nullopt;
}

// n2 = ceil(ratio n1), at least 2. A product that should be whole (1.1 x 10) can come out a few
// ulps above it; those ulps do not count.
std::int64_t secondN(std::int64_t n1, double ratio) {
    const double product = ratio * static_cast<double>(n1);
    const double whole = std::ceil(product * (1 - 1e-12));
    return whole > static_cast<double>(largestN) ? largestN + 1
                                                 : std::max<std::int64_t>(2, std::llround(whole));
}

// The normal approximation's n1 for a noncentrality of `perRootN` sqrt(n1), with Guenther's
// correction for the t's heavier tails; only the start of the exact search.
double approximateN1(double perRootN, double targetPower, const TestDesign& test) {
    const Normal normal;
    const double zAlpha = bm::quantile(
        bm::complement(normal, test.tails == Tails::Two ? test.alpha / 2 : test.alpha));
    const double zPower = bm::quantile(normal, targetPower);
    const double z = zAlpha + zPower;
    return z * z / (perRootN * perRootN) + zAlpha * zAlpha / 4;
}

// The smallest n1 whose evaluation reaches the target power. Power does not fall as n1 (and with
// it n2) grows, so a gallop from the approximation brackets it and bisection finds it.
template <typename Evaluate>
Planned<SampleSize> smallestSample(double approximateN, double ratio, double targetPower,
                                   Evaluate evaluate) {
    // Whether n1 reaches the target; a sample past 32 bits never does.
    std::optional<Evaluation> found;
    bool failed = false;
    const auto reaches = [&](std::int64_t n1) {
        const std::int64_t n2 = secondN(n1, ratio);
        if (n2 > largestN) {
            return false;
        }
        const Evaluation at = evaluate(n1, n2);
        if (!std::isfinite(at.power)) {
            failed = true;
            return false;
        }
        return at.power >= targetPower;
    };
    // The approximation leaves out that n2 is at least 2, so beyond 32 bits it only says where
    // to look first.
    const std::int64_t start = approximateN < static_cast<double>(largestN)
                                   ? std::max<std::int64_t>(2, std::llround(approximateN))
                                   : largestN;
    std::int64_t fails = 1; // the largest n1 known to fall short; 1 is below every sample
    std::int64_t reached = 0;
    if (reaches(start)) {
        reached = start;
        for (std::int64_t step = 1; reached > 2 && fails == 1; step *= 2) {
            const std::int64_t probe = std::max<std::int64_t>(2, reached - step);
            if (reaches(probe)) {
                reached = probe;
            } else {
                fails = probe;
            }
        }
    } else {
        fails = start;
        for (std::int64_t step = 1; reached == 0 && !failed; step *= 2) {
            const std::int64_t probe = std::min(largestN, fails + step);
            if (reaches(probe)) {
                reached = probe;
            } else if (probe == largestN) {
                return Problem::TooLarge;
            } else {
                fails = probe;
            }
        }
    }
    while (reached - fails > 1 && !failed) {
        const std::int64_t middle = fails + (reached - fails) / 2;
        (reaches(middle) ? reached : fails) = middle;
    }
    if (failed) {
        return Problem::NotFound;
    }
    const std::int64_t n2 = secondN(reached, ratio);
    const Evaluation at = evaluate(reached, n2);
    SampleSize size;
    size.n1 = static_cast<std::int32_t>(reached);
    size.n2 = static_cast<std::int32_t>(n2);
    size.total = reached + n2;
    size.power = at.power;
    size.criticalT = at.criticalT;
    size.noncentrality = at.noncentrality;
    size.df = at.df;
    return size;
}

std::optional<Problem> checkSample(std::int32_t n1, std::int32_t n2) {
    if (n1 < 1 || n2 < 1 || n1 + static_cast<std::int64_t>(n2) < 3) {
        return Problem::TooFewObservations;
    }
    return std::nullopt;
}

Planned<double> powerOf(const Evaluation& at) {
    if (!std::isfinite(at.power)) {
        return Problem::NotFound;
    }
    return at.power;
}

} // namespace

Planned<double> studentPower(std::int32_t n1, std::int32_t n2, double d, const TestDesign& test) {
    if (const auto problem = checkDesign(test)) {
        return *problem;
    }
    if (!std::isfinite(d)) {
        return Problem::EffectNotFinite;
    }
    if (const auto problem = checkSample(n1, n2)) {
        return *problem;
    }
    return powerOf(studentEvaluation(n1, n2, d, test));
}

Planned<SampleSize> studentSampleSize(double d, double targetPower, double ratio,
                                      const TestDesign& test) {
    if (const auto problem = checkTarget(targetPower, test)) {
        return *problem;
    }
    if (const auto problem = checkEffect(d)) {
        return *problem;
    }
    if (const auto problem = checkRatio(ratio)) {
        return *problem;
    }
    // lambda = |d| sqrt(n1 n2 / (n1 + n2)) = |d| sqrt(n1 ratio / (1 + ratio)).
    const double perRootN = std::fabs(d) * std::sqrt(ratio / (1 + ratio));
    return smallestSample(
        approximateN1(perRootN, targetPower, test), ratio, targetPower,
        [&](std::int64_t n1, std::int64_t n2) { return studentEvaluation(n1, n2, d, test); });
}

Planned<double> sensitivityD(std::int32_t n1, std::int32_t n2, double targetPower,
                             const TestDesign& test) {
    if (const auto problem = checkTarget(targetPower, test)) {
        return *problem;
    }
    if (const auto problem = checkSample(n1, n2)) {
        return *problem;
    }
    const double a = n1;
    const double b = n2;
    const double df = a + b - 2;
    const double critical = criticalT(df, test);
    const auto miss = [&](double lambda) {
        return powerAt(df, lambda, critical, test.tails) - targetPower;
    };
    // Power is alpha at lambda = 0 and rises with lambda: widen from the normal approximation
    // until the target is passed.
    double high = critical + bm::quantile(Normal(), targetPower) + 1;
    double missHigh = miss(high);
    for (int widening = 0; widening < 64 && missHigh < 0; ++widening) {
        high *= 2;
        missHigh = miss(high);
    }
    if (!(missHigh >= 0)) {
        return Problem::NotFound;
    }
    const double scale = std::sqrt(a * b / (a + b));
    if (missHigh == 0) {
        return high / scale;
    }
    const auto settled = [](double lower, double upper) { return upper - lower <= 1e-13 * upper; };
    std::uintmax_t iterations = 100;
    try {
        const auto [lower, upper] =
            bm::tools::toms748_solve(miss, 0.0, high, test.alpha - targetPower, missHigh, settled,
                                     iterations, BoostPolicy());
        if (iterations >= 100 || !std::isfinite(lower + upper)) {
            return Problem::NotFound;
        }
        return (lower + upper) / 2 / scale;
    } catch (const std::exception&) {
        return Problem::NotFound;
    }
}

Planned<double> criticalD(std::int32_t n1, std::int32_t n2, const TestDesign& test) {
    if (const auto problem = checkDesign(test)) {
        return *problem;
    }
    if (const auto problem = checkSample(n1, n2)) {
        return *problem;
    }
    const double df = static_cast<double>(n1) + n2 - 2;
    const double critical = criticalT(df, test);
    // An alpha too small for the t's quantile (1e-320) has no finite critical t.
    if (!std::isfinite(critical)) {
        return Problem::NotFound;
    }
    return critical * std::sqrt(1.0 / n1 + 1.0 / n2);
}

Planned<double> safeguardD(double d, std::int32_t n1, std::int32_t n2) {
    if (!std::isfinite(d)) {
        return Problem::EffectNotFinite;
    }
    if (const auto problem = checkSample(n1, n2)) {
        return *problem;
    }
    // The end of the interval nearer 0: the lower end of |d|'s, signed as d.
    const double scale = std::sqrt(1.0 / n1 + 1.0 / n2);
    const Figure<Interval> interval = cohensDInterval(std::fabs(d) / scale, n1, n2, safeguardLevel);
    if (!interval) {
        return Problem::NotFound;
    }
    if (!(interval->lower > 0)) {
        return Problem::SafeguardNotPositive;
    }
    return std::copysign(interval->lower, d);
}

Planned<double> welchPower(std::int32_t n1, std::int32_t n2, const WelchEffect& effect,
                           const TestDesign& test) {
    if (const auto problem = checkDesign(test)) {
        return *problem;
    }
    if (!std::isfinite(effect.difference)) {
        return Problem::EffectNotFinite;
    }
    if (!(effect.sd1 > 0 && effect.sd2 > 0) || !std::isfinite(effect.sd1 + effect.sd2)) {
        return Problem::SdNotPositive;
    }
    if (n1 < 2 || n2 < 2) {
        return Problem::TooFewObservations;
    }
    return powerOf(welchEvaluation(n1, n2, effect, test));
}

Planned<SampleSize> welchSampleSize(const WelchEffect& effect, double targetPower, double ratio,
                                    const TestDesign& test) {
    if (const auto problem = checkTarget(targetPower, test)) {
        return *problem;
    }
    if (const auto problem = checkEffect(effect.difference)) {
        return *problem;
    }
    if (!(effect.sd1 > 0 && effect.sd2 > 0) || !std::isfinite(effect.sd1 + effect.sd2)) {
        return Problem::SdNotPositive;
    }
    if (const auto problem = checkRatio(ratio)) {
        return *problem;
    }
    // lambda = |difference| sqrt(n1) / sqrt(sd1^2 + sd2^2 / ratio).
    const double perRootN =
        std::fabs(effect.difference) / std::hypot(effect.sd1, effect.sd2 / std::sqrt(ratio));
    return smallestSample(
        approximateN1(perRootN, targetPower, test), ratio, targetPower,
        [&](std::int64_t n1, std::int64_t n2) { return welchEvaluation(n1, n2, effect, test); });
}

} // namespace lx::power
