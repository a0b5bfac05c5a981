// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "rounded_summary_ranges.h"

#include "spread.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace lx::reported {

namespace {

constexpr double infinity = std::numeric_limits<double>::infinity();

// |t| of a difference over a standard error; a difference without spread is infinitely sure.
double tOf(double difference, double standardError) {
    if (standardError > 0) {
        return difference / standardError;
    }
    return difference > 0 ? infinity : 0.0;
}

} // namespace

TRanges tRanges(const Summary& s, const TypedRounding& rounding) {
    const SummaryBounds b = summaryBounds(s, rounding);
    TRanges ranges;
    if (static_cast<std::int64_t>(s.n1) + s.n2 > 2) {
        const double scale = std::sqrt(1.0 / s.n1 + 1.0 / s.n2);
        // The pooled SD grows with either SD: the extremes sit at opposite corners.
        ranges.pooled = Interval{
            tOf(b.difference.lower, spread::pooledSd(b.sd1.upper, s.n1, b.sd2.upper, s.n2) * scale),
            tOf(b.difference.upper,
                spread::pooledSd(b.sd1.lower, s.n1, b.sd2.lower, s.n2) * scale)};
    } else {
        ranges.pooled = Undefined::NoDegreesOfFreedom;
    }
    if (s.n1 >= 2 && s.n2 >= 2) {
        const auto se = [&](double sd1, double sd2) {
            return std::hypot(spread::standardError(sd1, s.n1), spread::standardError(sd2, s.n2));
        };
        ranges.welch = Interval{tOf(b.difference.lower, se(b.sd1.upper, b.sd2.upper)),
                                tOf(b.difference.upper, se(b.sd1.lower, b.sd2.lower))};
    } else {
        ranges.welch = Undefined::TooFewObservations;
    }
    return ranges;
}

Figure<Interval> welchDfRange(const Summary& s, const TypedRounding& rounding) {
    if (s.n1 < 2 || s.n2 < 2) {
        return Undefined::TooFewObservations;
    }
    const SummaryBounds b = summaryBounds(s, rounding);
    // Welch's df is a function of the first set's share of the variance, which grows with SD1
    // and falls with SD2; it rises to its peak at (N1 - 1) / (N1 + N2 - 2) and falls after.
    const auto share = [&](double sd1, double sd2, double ifNone) {
        const double v1 = sd1 * sd1 / s.n1;
        const double v2 = sd2 * sd2 / s.n2;
        return v1 + v2 > 0 ? v1 / (v1 + v2) : ifNone;
    };
    const auto dfAt = [&](double w) { return spread::welchDfOfShares(w, s.n1, 1 - w, s.n2); };
    const double low = share(b.sd1.lower, b.sd2.upper, 0.0);
    const double high = share(b.sd1.upper, b.sd2.lower, 1.0);
    if (b.sd1.upper == 0 && b.sd2.upper == 0) {
        return Undefined::NoSpread;
    }
    const double peak = (s.n1 - 1.0) / (s.n1 - 1.0 + (s.n2 - 1.0));
    Interval range{std::min(dfAt(low), dfAt(high)), std::max(dfAt(low), dfAt(high))};
    if (peak > low && peak < high) {
        range.upper = dfAt(peak);
    }
    return range;
}

} // namespace lx::reported
