// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The noncentral t's Poisson weights use Boost's default policy inside; without promotion to
// long double, as in t_distribution.cpp, the other file that includes the noncentral t, so that
// both compile Boost's defaults alike. Set before any Boost header.
#define BOOST_MATH_PROMOTE_DOUBLE_POLICY false

#include "power.h"

#include "d_interval.h"

#include "boost_policy.h"
#include "spread.h"
#include "t_distribution.h"

#include <QCoreApplication>

#include <boost/math/distributions/chi_squared.hpp>
#include <boost/math/distributions/non_central_t.hpp>
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
namespace td = t_distribution;

using NoncentralT = bm::non_central_t_distribution<double, BoostPolicy>;
using Normal = bm::normal_distribution<double, BoostPolicy>;

// The messages are the user's to read, in the user's language.
struct PlanText {
    Q_DECLARE_TR_FUNCTIONS(PlanText)
};

constexpr double nan = std::numeric_limits<double>::quiet_NaN();
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

// The tail each test is significant in: half of alpha on each side when two-tailed.
double criticalT(double df, const TestDesign& test) {
    return td::upperQuantile(test.tails == Tails::Two ? test.alpha / 2 : test.alpha, df);
}

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

// The probability that the noncentral t lands beyond the critical t (lambda >= 0); NaN where
// it cannot be worked out, as beyond a critical t that is not finite.
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

// A sample's power with every figure behind it.
struct Evaluation {
    double power = nan;
    double criticalT = nan;
    double noncentrality = nan;
    double df = nan;
};

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

QString problemText(Problem problem) {
    switch (problem) {
    case Problem::AlphaOutOfRange:
        return PlanText::tr("α must lie between 0 and 1.");
    case Problem::PowerOutOfRange:
        return PlanText::tr("The target power must be above α and below 1.");
    case Problem::NoEffect:
        return PlanText::tr("no sample size gives power above α for d = 0");
    case Problem::EffectNotFinite:
        return PlanText::tr("The effect to plan for is not a number.");
    case Problem::RatioNotPositive:
        return PlanText::tr("The ratio n2/n1 must be above 0.");
    case Problem::SdNotPositive:
        return PlanText::tr("The planned SDs must be above 0.");
    case Problem::TooFewObservations:
        return PlanText::tr("Power needs at least one observation in each group and three in all.");
    case Problem::TooLarge:
        return PlanText::tr("No sample of fewer than 2³¹ per group reaches that power.");
    case Problem::SafeguardNotPositive:
        return PlanText::tr("The safeguard d is not above 0 (the 60% interval of d reaches 0), so "
                            "no sample size is planned for it.");
    case Problem::NotFound:
        return PlanText::tr("The power of these figures could not be worked out.");
    }
    return {};
}

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
