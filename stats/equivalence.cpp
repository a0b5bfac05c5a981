// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "equivalence.h"

#include "spread.h"
#include "t_distribution.h"
#include "two_sample_report.h"

#include <algorithm>
#include <cmath>

namespace lx {

namespace {

namespace td = t_distribution;

Tost undefinedTost(Undefined why) {
    Tost test;
    test.p = why;
    test.interval = why;
    return test;
}

Equivalence undefinedEquivalence(Undefined why) {
    Equivalence result;
    result.bound = why;
    result.pooled = result.welch = undefinedTost(why);
    return result;
}

// p is the larger of P(T > (D + Delta) / SE) and P(T < (D - Delta) / SE): the difference is
// shown above -Delta and below +Delta only when both are small.
Tost tost(double difference, double bound, double standardError, double df, double alpha) {
    if (!(standardError > 0) || !std::isfinite(difference / standardError)) {
        return undefinedTost(Undefined::NoSpread);
    }
    const double aboveLower = td::upperTail((difference + bound) / standardError, df);
    const double belowUpper = td::lowerTail((difference - bound) / standardError, df);
    Tost test;
    test.p = std::max(aboveLower, belowUpper);
    const double halfWidth = td::upperQuantile(alpha, df) * standardError;
    test.interval = Interval{difference - halfWidth, difference + halfWidth};
    return test;
}

} // namespace

Equivalence equivalenceTests(const Summary& s, const EquivalenceMargin& margin, double level) {
    const double df = static_cast<double>(s.n1) + s.n2 - 2;
    if (df <= 0) {
        return undefinedEquivalence(Undefined::NoDegreesOfFreedom);
    }
    const double pooledSd = spread::pooledSd(s.sd1, s.n1, s.sd2, s.n2);
    const double bound = margin.inPooledSd ? margin.delta * pooledSd : margin.delta;
    if (!(bound > 0) || !std::isfinite(bound)) {
        return undefinedEquivalence(Undefined::NoSpread);
    }
    Equivalence result;
    result.bound = bound;
    const double alpha = (1 - level) / 2;
    const double difference = s.m1 - s.m2;
    result.pooled =
        tost(difference, bound, pooledSd * std::sqrt(1.0 / s.n1 + 1.0 / s.n2), df, alpha);
    if (s.n1 < 2 || s.n2 < 2) {
        result.welch = undefinedTost(Undefined::TooFewObservations);
        return result;
    }
    const double se1 = spread::standardError(s.sd1, s.n1);
    const double se2 = spread::standardError(s.sd2, s.n2);
    if (!(std::hypot(se1, se2) > 0)) {
        result.welch = undefinedTost(Undefined::NoSpread);
        return result;
    }
    result.welch =
        tost(difference, bound, std::hypot(se1, se2), spread::welchDf(se1, s.n1, se2, s.n2), alpha);
    return result;
}

} // namespace lx
