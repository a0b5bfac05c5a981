// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "interval_check.h"

#include "stats/d_interval.h"
#include "stats/hedges_factor.h"
#include "stats/t_distribution.h"
#include "stats/typed_rounding.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace lx::text_check {

namespace {

Interval roundingOf(const reported::Typed& typed) {
    const double half = halfUnit(typed.decimals);
    return {typed.value - half, typed.value + half};
}

bool overlap(Interval a, Interval b) {
    return a.lower <= b.upper && b.lower <= a.upper;
}

// The sizes of t the interval of a difference stands for: crit (l + u) / (u - l) at the
// corners of the bounds' rounding, where it is largest and smallest.
std::optional<Interval> tOfDifference(const ReportedInterval& interval, double df) {
    const double critical = t_distribution::upperQuantile((1 - interval.level) / 2, df);
    const Interval low = roundingOf(interval.lower);
    const Interval high = roundingOf(interval.upper);
    if (!(high.lower > low.upper) || !std::isfinite(critical)) {
        return std::nullopt;
    }
    double least = INFINITY;
    double most = -INFINITY;
    for (const double l : {low.lower, low.upper}) {
        for (const double u : {high.lower, high.upper}) {
            const double t = critical * (l + u) / (u - l);
            least = std::min(least, t);
            most = std::max(most, t);
        }
    }
    if (least <= 0 && most >= 0) {
        return Interval{0, std::max(-least, most)};
    }
    return Interval{std::min(std::fabs(least), std::fabs(most)),
                    std::max(std::fabs(least), std::fabs(most))};
}

// The group sizes a d's interval is worked at, when the text gives them.
std::optional<std::pair<int, int>> sizesOf(const FoundResult& result) {
    if (result.n1 && result.n2) {
        return std::pair(*result.n1, *result.n2);
    }
    if (result.group1 && result.group2 && result.group1->n && result.group2->n) {
        return std::pair(*result.group1->n, *result.group2->n);
    }
    if (result.total && *result.total >= 4) {
        return std::pair(*result.total / 2, *result.total - *result.total / 2);
    }
    return std::nullopt;
}

EffectVerdict checkEffectInterval(const FoundResult& result, const ReportedInterval& interval) {
    const auto sizes = sizesOf(result);
    if (!result.effect || !sizes || sizes->first < 2 || sizes->second < 2) {
        return EffectVerdict::NotChecked;
    }
    const auto [n1, n2] = *sizes;
    // A g is d times Hedges' factor, and so is each end of its interval.
    const double factor = result.effect->kind == ReportedEffect::Kind::HedgesG
                              ? hedgesFactor(static_cast<double>(n1) + n2 - 2)
                              : 1.0;
    const Interval d = roundingOf(result.effect->value);
    const double scale = std::sqrt(1.0 / n1 + 1.0 / n2);
    const auto at = [&](double effect) {
        return cohensDInterval(effect / factor / scale, n1, n2, interval.level);
    };
    const Figure<Interval> least = at(d.lower);
    const Figure<Interval> most = at(d.upper);
    if (!least || !most) {
        return EffectVerdict::NotChecked;
    }
    // Each end of the interval grows with d.
    const Interval lowerEnds{least->lower * factor, most->lower * factor};
    const Interval upperEnds{least->upper * factor, most->upper * factor};
    return overlap(lowerEnds, roundingOf(interval.lower)) &&
                   overlap(upperEnds, roundingOf(interval.upper))
               ? EffectVerdict::Consistent
               : EffectVerdict::Inconsistent;
}

} // namespace

EffectVerdict checkInterval(const FoundResult& result, Interval absoluteT) {
    if (!result.interval) {
        return EffectVerdict::NotChecked;
    }
    if (result.interval->ofEffect) {
        return checkEffectInterval(result, *result.interval);
    }
    const auto t = tOfDifference(*result.interval, result.df);
    if (!t) {
        return EffectVerdict::NotChecked;
    }
    return overlap(*t, absoluteT) ? EffectVerdict::Consistent : EffectVerdict::Inconsistent;
}

} // namespace lx::text_check
