// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "bayes_robustness.h"

#include "bayes_factor.h"
#include "boost_policy.h"

#include <boost/math/tools/minima.hpp>

#include <algorithm>
#include <cstdint>
#include <limits>

namespace lx {

namespace {

constexpr int curvePoints = 150;

} // namespace

Figure<BayesRobustness> bayesRobustness(const Figure<double>& t, double n1, double n2,
                                        double chosenScale) {
    if (!t) {
        return t.why();
    }
    BayesRobustness result;
    result.upper = chosenScale > 1.5 ? std::max(2.0, chosenScale) : 1.5;
    const auto at = [&](double r) { return defaultLogBf10(t, n1, n2, r); };
    result.logBfHalf = at(0.5);
    result.logBfMedium = at(mediumPriorScale);
    result.logBfWide = at(widePriorScale);
    result.logBfUltrawide = at(ultrawidePriorScale);

    result.curve.reserve(curvePoints);
    for (int k = 1; k <= curvePoints; ++k) {
        const double r = result.upper * k / curvePoints;
        if (const auto value = at(r)) {
            result.curve.push_back({r, *value});
        }
    }
    if (result.curve.size() != curvePoints) {
        result.largest = Undefined::NotFound;
        return result;
    }
    const auto best = std::max_element(
        result.curve.begin(), result.curve.end(),
        [](const FactorAtScale& a, const FactorAtScale& b) { return a.logBf10 < b.logBf10; });
    const auto index = best - result.curve.begin();
    if (index == 0 && best->logBf10 < 0) {
        result.largest = FactorAtScale{0, 0};
        return result;
    }
    // The peak lies between the grid's neighbours of the best point, or between the last two
    // when the best is at the end; the search takes it there.
    const double low = index > 0 ? result.curve[index - 1].r : result.curve[0].r / 1000;
    const double high = index + 1 < curvePoints ? result.curve[index + 1].r : result.upper;
    bool lost = false;
    const auto negative = [&](double r) {
        const auto value = at(r);
        lost = lost || !value;
        return value ? -*value : std::numeric_limits<double>::max();
    };
    std::uintmax_t iterations = 200;
    const auto peak = boost::math::tools::brent_find_minima(
        negative, low, high, std::numeric_limits<double>::digits / 2, iterations);
    if (lost || iterations >= 200) {
        result.largest = Undefined::NotFound;
        return result;
    }
    // A factor still rising at the end of the range is largest there.
    result.largest = -peak.second > result.curve.back().logBf10
                         ? FactorAtScale{peak.first, -peak.second}
                         : result.curve.back();
    return result;
}

} // namespace lx
