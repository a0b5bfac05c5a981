// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "t_log_tail.h"

#include "boost_policy.h"

#include <boost/math/distributions/students_t.hpp>
#include <boost/math/special_functions/chebyshev.hpp>
#include <boost/math/special_functions/gamma.hpp>
#include <boost/math/tools/fraction.hpp>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <numbers>
#include <utility>

namespace lx {

namespace {

namespace bm = boost::math;

constexpr double ln2 = 0.69314718055994530942;
constexpr double nan = std::numeric_limits<double>::quiet_NaN();

// The terms of the incomplete beta function I_z(a, b)'s continued fraction
// 1 + d1 / (1 + d2 / (1 + ...)), b0 = 1 first, as Boost's evaluation takes them.
struct BetaFractionTerms {
    using result_type = std::pair<double, double>;
    double a = 0;
    double b = 0;
    double z = 0;
    int index = -1;

    result_type operator()() {
        ++index;
        if (index == 0) {
            return {0.0, 1.0};
        }
        const double m = index / 2;
        const double d = index % 2 == 0
                             ? m * (b - m) * z / ((a + 2 * m - 1) * (a + 2 * m))
                             : -(a + m) * (a + b + m) * z / ((a + 2 * m) * (a + 2 * m + 1));
        return {d, 1.0};
    }
};

// log P(T[df] < -x) for x > 0, where the tail is beyond the range of a double: the large t that
// take it there give the one-sided integrand weights beyond the largest. P(T < -x) is
// I_z(df / 2, 1 / 2) / 2 with z = df / (df + x^2); the incomplete beta function is its prefix
// z^a (1 - z)^b / (a B(a, b)), worked in logs, over its continued fraction (DLMF 8.17.8 and
// 8.17.22), which converges fast for z below (a + 1) / (a + b + 2) as it is in the far tail.
// NaN when the fraction does not settle.
double logFarLowerTail(double x, double df) {
    const double a = df / 2;
    constexpr double b = 0.5;
    const double x2 = x * x;
    const double z = df / (df + x2);
    const double logPrefix = -a * std::log1p(x2 / df) + b * (2 * std::log(x) - std::log(df + x2)) -
                             std::log(a) - std::log(std::sqrt(std::numbers::pi)) -
                             std::log(bm::tgamma_delta_ratio(a, b, BoostPolicy()));
    BetaFractionTerms terms{a, b, z};
    std::uintmax_t limit = 1000;
    const double fraction =
        bm::tools::continued_fraction_b(terms, std::numeric_limits<double>::epsilon(), limit);
    if (limit >= 1000 || !(fraction > 0)) {
        return nan;
    }
    return logPrefix - std::log(fraction) - ln2;
}

} // namespace

double logLowerTail(double x, double df) {
    const double tail = bm::cdf(bm::students_t_distribution<double, BoostPolicy>(df), x);
    return tail > 1e-290 ? std::log(tail) : logFarLowerTail(-x, df);
}

std::optional<LogTailOnRange> LogTailOnRange::build(double df, double low, double high,
                                                    double logAtHigh) {
    LogTailOnRange tail;
    tail.middle_ = (low + high) / 2;
    tail.half_ = (high - low) / 2;
    std::array<double, maxDegree + 1> values{};
    values[0] = logAtHigh;
    for (int degree = maxDegree / 4; degree <= maxDegree; degree *= 2) {
        // The points of each degree are every other point of the next.
        const int step = maxDegree / degree;
        for (int j = 0; j <= maxDegree; j += step) {
            if (j == 0 || (degree > maxDegree / 4 && (j / step) % 2 == 0)) {
                continue;
            }
            values[j] = logLowerTail(-(tail.middle_ + tail.half_ * cosine(j)), df);
            if (std::isnan(values[j])) {
                return std::nullopt;
            }
        }
        if (tail.fit(values, degree)) {
            return tail;
        }
    }
    return std::nullopt;
}

double LogTailOnRange::operator()(double q) const {
    const double x = half_ > 0 ? std::clamp((q - middle_) / half_, -1.0, 1.0) : 1.0;
    return bm::chebyshev_clenshaw_recurrence(coefficients_.data(),
                                             static_cast<std::size_t>(degree_) + 1, x);
}

// cos(j pi / maxDegree) for j = 0 ... 2 maxDegree - 1.
double LogTailOnRange::cosine(int j) {
    static const std::array<double, 2 * maxDegree> table = [] {
        std::array<double, 2 * maxDegree> values{};
        for (std::size_t k = 0; k < values.size(); ++k) {
            values[k] = std::cos(std::numbers::pi * static_cast<double>(k) / maxDegree);
        }
        return values;
    }();
    return table[static_cast<std::size_t>(j)];
}

// The Chebyshev coefficients of the interpolant of the given degree through values (laid out
// for maxDegree); true when its last three say it has converged.
bool LogTailOnRange::fit(const std::array<double, maxDegree + 1>& values, int degree) {
    const int step = maxDegree / degree;
    double largest = 0;
    for (int k = 0; k <= degree; ++k) {
        double sum = (values[0] + values[maxDegree] * (k % 2 == 0 ? 1 : -1)) / 2;
        for (int j = 1, angle = k * step; j < degree; ++j, angle += k * step) {
            sum += values[j * step] * cosine(angle % (2 * maxDegree));
        }
        coefficients_[k] = 2 * sum / degree;
        largest = std::max(largest, std::fabs(values[k * step]));
    }
    const double tail = std::fabs(coefficients_[degree - 2]) +
                        std::fabs(coefficients_[degree - 1]) + std::fabs(coefficients_[degree]);
    coefficients_[degree] /= 2; // the recurrence halves the first one itself
    degree_ = degree;
    return tail <= std::clamp(1e-13 * largest, 1e-12, 1e-11);
}

} // namespace lx
