// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "bayes_robustness.h"

#include "bayes_factor.h"
#include "boost_policy.h"

#include <boost/math/tools/toms748_solve.hpp>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>

namespace lx {

namespace {

constexpr int evenPoints = 150;

// Scales finer than the even grid's first point, by quarter decades from it down to where the
// prior is a thousandth of the likelihood's width in delta: BF10 - 1 is r times its slope at 0
// there, so below the smallest of them it keeps its sign.
std::vector<double> finerScales(double firstEven, double effectiveN) {
    const double smallest = 1e-3 / std::sqrt(effectiveN);
    std::vector<double> scales;
    for (double r = firstEven / std::pow(10.0, 0.25); r >= smallest; r /= std::pow(10.0, 0.25)) {
        scales.push_back(r);
    }
    std::reverse(scales.begin(), scales.end());
    return scales;
}

// BF10 near its largest is flat, so the largest's r is worked as the root of the slope of
// log BF10, which crosses 0 steeply there: to 1e-12 relative, where the flat top itself would
// give no better than 1e-8.
Figure<double> rootOfSlope(const std::function<Figure<double>(double)>& slope, double low,
                           double high) {
    const auto atLow = slope(low);
    const auto atHigh = slope(high);
    if (!atLow || !atHigh) {
        return Undefined::NotFound;
    }
    if (!(*atLow > 0 && *atHigh < 0)) {
        return Undefined::NotFound;
    }
    bool lost = false;
    const auto value = [&](double r) {
        const auto s = slope(r);
        lost = lost || !s;
        return s ? *s : 0.0;
    };
    std::uintmax_t iterations = 100;
    const auto bracket = boost::math::tools::toms748_solve(
        value, low, high, *atLow, *atHigh, boost::math::tools::eps_tolerance<double>(42),
        iterations, BoostPolicy());
    if (lost || iterations >= 100) {
        return Undefined::NotFound;
    }
    return (bracket.first + bracket.second) / 2;
}

} // namespace

Figure<BayesRobustness> bayesRobustness(const Figure<double>& t, double n1, double n2,
                                        double chosenScale) {
    if (!t) {
        return t.why();
    }
    BayesRobustness result;
    result.upper = chosenScale > 1.5 ? std::max(2.0, chosenScale) : 1.5;
    const auto at = [&](double r) { return defaultLogBf10(t, n1, n2, r); };
    const auto slope = [&](double r) { return defaultLogBf10Slope(t, n1, n2, r); };
    result.logBfHalf = at(0.5);
    result.logBfMedium = at(mediumPriorScale);
    result.logBfWide = at(widePriorScale);
    result.logBfUltrawide = at(ultrawidePriorScale);

    std::vector<double> scales = finerScales(result.upper / evenPoints, n1 * n2 / (n1 + n2));
    for (int k = 1; k <= evenPoints; ++k) {
        scales.push_back(result.upper * k / evenPoints);
    }
    result.curve.reserve(scales.size() + 1);
    bool complete = true;
    for (const double r : scales) {
        if (const auto value = at(r)) {
            result.curve.push_back({r, *value});
        } else {
            complete = false;
        }
    }
    if (!complete) {
        result.largest = Undefined::NotFound;
        return result;
    }
    const auto best = std::max_element(
        result.curve.begin(), result.curve.end(),
        [](const FactorAtScale& a, const FactorAtScale& b) { return a.logBf10 < b.logBf10; });
    // Within the integrals' accuracy of 1 everywhere: the limit at r = 0 is the largest.
    if (best->logBf10 <= 1e-9) {
        result.largest = FactorAtScale{0, 0};
        return result;
    }
    const auto index = static_cast<std::size_t>(best - result.curve.begin());
    const bool last = index + 1 == result.curve.size();
    const auto endSlope = last ? slope(result.upper) : Figure<double>(-1.0);
    if (!endSlope) {
        result.largest = Undefined::NotFound;
        return result;
    }
    if (*endSlope >= 0) { // still rising at the end of the range: largest there
        result.largest = *best;
        return result;
    }
    const double low = index > 0 ? result.curve[index - 1].r : best->r / 10;
    const double high = last ? result.upper : result.curve[index + 1].r;
    const auto peak = rootOfSlope(slope, low, high);
    const auto peakValue = peak ? at(*peak) : Figure<double>(peak.why());
    if (!peakValue) {
        result.largest = Undefined::NotFound;
        return result;
    }
    const FactorAtScale largest{*peak, std::max(*peakValue, best->logBf10)};
    result.largest = largest;
    // The curve passes through the peak, which a picture marks.
    result.curve.insert(result.curve.begin() +
                            static_cast<std::ptrdiff_t>(*peak > best->r ? index + 1 : index),
                        largest);
    return result;
}

} // namespace lx
