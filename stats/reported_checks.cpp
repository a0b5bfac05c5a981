// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "reported_checks.h"

#include "rounded_summary_ranges.h"
#include "spread.h"
#include "t_distribution.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace lx::reported {

namespace {

constexpr double infinity = std::numeric_limits<double>::infinity();

// Every value a typed number may have been rounded from, either way of rounding a half.
Interval roundedFrom(Typed typed) {
    const double half = halfUnit(typed.decimals);
    return {typed.value - half, typed.value + half};
}

Interval absolute(Interval range) {
    if (range.lower >= 0) {
        return range;
    }
    if (range.upper <= 0) {
        return {-range.upper, -range.lower};
    }
    return {0, std::max(-range.lower, range.upper)};
}

bool overlap(Interval a, Interval b) {
    return a.lower <= b.upper && b.lower <= a.upper;
}

// The side of alpha a p lies on: -1 below, +1 at or above, 0 unknown.
int sideOf(const ReportedP& p, double alpha) {
    switch (p.relation) {
    case ReportedP::Relation::Equal:
        return p.value < alpha ? -1 : (p.value > alpha ? 1 : 0);
    case ReportedP::Relation::Less:
        return p.value <= alpha ? -1 : 0;
    case ReportedP::Relation::Greater:
        return p.value >= alpha ? 1 : 0;
    }
    return 0;
}

// The tail a p is the area of: both, beyond |t| on the side of the observed difference, or
// beyond -|t|, the side of a test in the other direction.
enum class Tail { Both, Observed, Other };

double pOf(double absoluteT, double df, Tail tail) {
    switch (tail) {
    case Tail::Both:
        return t_distribution::twoTailed(absoluteT, df);
    case Tail::Observed:
        return t_distribution::upperTail(absoluteT, df);
    case Tail::Other:
        break;
    }
    return t_distribution::upperTail(-absoluteT, df);
}

// The p over the t a reported t's rounding allows. Its ends are worked out only when the p of
// the t as typed, which lies between them, does not settle the question: most rows need one p,
// not three.
class PRange {
public:
    PRange(Interval absoluteT, double typedT, double df, Tail tail)
        : m_t(absoluteT)
        , m_df(df)
        , m_tail(tail)
        , m_typed(pOf(std::fabs(typedT), df, tail)) {}

    double typed() const { return m_typed; }
    // The other tail's p rises with |t|; the others fall.
    double lowest() {
        if (!m_lowest) {
            m_lowest = pOf(m_tail == Tail::Other ? m_t.lower : m_t.upper, m_df, m_tail);
        }
        return *m_lowest;
    }
    double highest() {
        if (!m_highest) {
            m_highest = pOf(m_tail == Tail::Other ? m_t.upper : m_t.lower, m_df, m_tail);
        }
        return *m_highest;
    }

    // Some p of the range below `value`, or at or below it.
    bool reachesBelow(double value, bool orAt) {
        const auto below = [&](double p) { return p < value || (orAt && p == value); };
        return below(m_typed) || below(lowest());
    }
    bool reachesAbove(double value, bool orAt) {
        const auto above = [&](double p) { return p > value || (orAt && p == value); };
        return above(m_typed) || above(highest());
    }

private:
    Interval m_t;
    double m_df;
    Tail m_tail;
    double m_typed;
    std::optional<double> m_lowest;
    std::optional<double> m_highest;
};

// A one-tailed p on the observed side is at most .5: one above can only be the other tail's.
bool pointsToOtherTail(const ReportedP& p) {
    return (p.relation == ReportedP::Relation::Equal && p.value > 0.5) ||
           (p.relation == ReportedP::Relation::Greater && p.value >= 0.5);
}

bool isZero(const ReportedP& p) {
    return p.relation != ReportedP::Relation::Greater && p.value == 0;
}

bool fits(const ReportedP& p, PRange& range) {
    switch (p.relation) {
    case ReportedP::Relation::Less:
        return range.reachesBelow(p.value, false);
    case ReportedP::Relation::Greater:
        return range.reachesAbove(p.value, false);
    case ReportedP::Relation::Equal:
        break;
    }
    // Half up takes the lower end; half to even the upper one too when the last digit is even.
    const double half = halfUnit(p.decimals);
    const double digits = std::round(p.value / (2 * half));
    const bool evenDigit = std::fmod(digits, 2.0) == 0;
    return range.reachesAbove(p.value - half, true) &&
           range.reachesBelow(p.value + half, evenDigit);
}

Figure<FitVerdict> verdictOf(bool pooled, bool welch, bool anyTest, Undefined why) {
    if (!anyTest) {
        return why;
    }
    if (pooled && welch) {
        return FitVerdict::ConsistentBoth;
    }
    if (pooled) {
        return FitVerdict::ConsistentPooled;
    }
    return welch ? FitVerdict::ConsistentWelch : FitVerdict::Inconsistent;
}

} // namespace

Figure<PCheck> checkP(Typed t, double df, const ReportedP& p, double alpha, Tails tails) {
    return checkP(absolute(roundedFrom(t)), t.value, df, p, alpha, tails);
}

Figure<PCheck> checkP(Interval absoluteT, double typedT, double df, const ReportedP& p,
                      double alpha, Tails tails) {
    if (!(df > 0) || !std::isfinite(typedT)) {
        return Undefined::NotFound;
    }
    const bool otherTail = tails == Tails::One && pointsToOtherTail(p);
    PRange range(absoluteT, typedT, df,
                 tails == Tails::Two ? Tail::Both : (otherTail ? Tail::Other : Tail::Observed));
    PCheck check;
    check.recomputed = range.typed();
    if (std::isnan(check.recomputed)) {
        return Undefined::NotFound;
    }
    const bool zero = isZero(p);
    if (!zero && fits(p, range)) {
        check.verdict = otherTail ? PVerdict::ConsistentOtherTail : PVerdict::Consistent;
        return check;
    }
    const int recomputedSide =
        !range.reachesAbove(alpha, true) ? -1 : (!range.reachesBelow(alpha, false) ? 1 : 0);
    const int reportedSide = sideOf(p, alpha);
    const bool decisionError =
        reportedSide != 0 && recomputedSide != 0 && reportedSide != recomputedSide;
    check.verdict = decisionError ? PVerdict::DecisionError
                                  : (zero ? PVerdict::Impossible : PVerdict::Inconsistent);
    return check;
}

Figure<double> recomputedP(Typed t, double df, Tails tails) {
    if (!(df > 0) || !std::isfinite(t.value)) {
        return Undefined::NotFound;
    }
    const double p = pOf(std::fabs(t.value), df, tails == Tails::Two ? Tail::Both : Tail::Observed);
    return std::isnan(p) ? Figure<double>(Undefined::NotFound) : Figure<double>(p);
}

Figure<FitVerdict> checkT(Typed t, const Summary& s, const TypedRounding& rounding) {
    const Interval reported = absolute(roundedFrom(t));
    const TRanges ranges = tRanges(s, rounding);
    return verdictOf(ranges.pooled && overlap(reported, *ranges.pooled),
                     ranges.welch && overlap(reported, *ranges.welch),
                     ranges.pooled || ranges.welch, Undefined::NoSpread);
}

Figure<FitVerdict> checkDf(Typed df, const Summary& s, const TypedRounding& rounding) {
    const Interval reported = roundedFrom(df);
    const double pooledDf = static_cast<double>(s.n1) + s.n2 - 2;
    const Figure<Interval> welch = welchDfRange(s, rounding);
    return verdictOf(pooledDf > 0 && overlap(reported, {pooledDf, pooledDf}),
                     welch && overlap(reported, *welch), pooledDf > 0 || welch,
                     Undefined::TooFewObservations);
}

} // namespace lx::reported
