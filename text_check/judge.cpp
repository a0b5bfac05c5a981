// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "judge.h"

#include "interval_check.h"

#include "stats/hedges_factor.h"
#include "stats/t_distribution.h"
#include "stats/typed_rounding.h"

#include <cmath>

namespace lx::text_check {

namespace {

using reported::PVerdict;
using reported::Tails;

// Every |t| the reported statistic may be: its own rounding, or the roots of the F's.
Interval absoluteTRange(const FoundResult& result) {
    const double half = halfUnit(result.value.decimals);
    const double low = result.value.value - half;
    const double high = result.value.value + half;
    if (result.statistic == Statistic::F) {
        return {std::sqrt(std::max(low, 0.0)), std::sqrt(high)};
    }
    if (low <= 0 && high >= 0) {
        return {0, std::max(-low, high)};
    }
    return {std::min(std::fabs(low), std::fabs(high)), std::max(std::fabs(low), std::fabs(high))};
}

double pOf(double absoluteT, double df, Tails tails) {
    return tails == Tails::Two ? t_distribution::twoTailed(absoluteT, df)
                               : t_distribution::upperTail(absoluteT, df);
}

bool fits(PVerdict verdict) {
    return verdict == PVerdict::Consistent || verdict == PVerdict::ConsistentOtherTail;
}

Verdict failureOf(PVerdict verdict) {
    switch (verdict) {
    case PVerdict::DecisionError:
        return Verdict::DecisionError;
    case PVerdict::Impossible:
        return Verdict::Impossible;
    default:
        return Verdict::Inconsistent;
    }
}

// A p cut off after its last digit stands for [p, p + one unit): ".03" for .0362, as some
// programs print it. Only an equal p can be read so; range is the p over the t's rounding, of
// the tail the p was judged on.
bool fitsTruncated(const reported::ReportedP& p, Interval range) {
    if (p.relation != reported::ReportedP::Relation::Equal) {
        return false;
    }
    const double unit = 2 * halfUnit(p.decimals);
    return range.upper >= p.value && range.lower < p.value + unit;
}

// Whether a reported p fits a range of p: an equal p with its rounding (either way of
// rounding a half), a bound on the right side.
bool fitsOn(const reported::ReportedP& p, Interval range) {
    switch (p.relation) {
    case reported::ReportedP::Relation::Less:
        return range.lower < p.value;
    case reported::ReportedP::Relation::Greater:
        return range.upper > p.value;
    case reported::ReportedP::Relation::Equal:
        break;
    }
    const double half = halfUnit(p.decimals);
    return range.upper >= p.value - half && range.lower <= p.value + half;
}

// The reported p says the test is significant at alpha.
bool belowAlpha(const reported::ReportedP& p, double alpha) {
    return p.relation == reported::ReportedP::Relation::Less ? p.value <= alpha : p.value < alpha;
}

// d = t sqrt(1/n1 + 1/n2), or 2 t / sqrt(N) for N in two equal groups; g is d times Hedges'
// factor at n1 + n2 - 2 df. Signs differ between conventions, so sizes are compared.
void checkEffect(const FoundResult& result, Interval absoluteT, Judgement& judgement) {
    if (!result.effect) {
        return;
    }
    double scale = 0;
    double n = 0;
    if (result.n1 && result.n2) {
        scale = std::sqrt(1.0 / *result.n1 + 1.0 / *result.n2);
        n = static_cast<double>(*result.n1) + *result.n2;
    } else if (result.total) {
        scale = 2 / std::sqrt(static_cast<double>(*result.total));
        n = *result.total;
    } else {
        return;
    }
    if (result.effect->kind == ReportedEffect::Kind::HedgesG) {
        if (n - 2 <= 1) {
            return;
        }
        scale *= hedgesFactor(n - 2);
    }
    const Interval range{absoluteT.lower * scale, absoluteT.upper * scale};
    const double half = halfUnit(result.effect->value.decimals);
    const double reported = std::fabs(result.effect->value.value);
    judgement.effectRange = range;
    judgement.effect = reported - half <= range.upper && range.lower <= reported + half
                           ? EffectVerdict::Consistent
                           : EffectVerdict::Inconsistent;
}

} // namespace

Judgement judge(const FoundResult& result, double alpha) {
    Judgement judgement;
    const Interval absoluteT = absoluteTRange(result);
    judgement.t = result.statistic == Statistic::F ? std::sqrt(std::max(result.value.value, 0.0))
                                                   : result.value.value;
    checkEffect(result, absoluteT, judgement);
    judgement.interval = checkInterval(result, absoluteT);
    reported::ReportedP p = result.p;
    if (p.notSignificant) {
        p.value = alpha;
    }
    const Tails firstTails = Tails::Two;
    const auto exactly = [&](Tails tails) {
        const double t = std::fabs(judgement.t);
        return reported::checkP(Interval{t, t}, t, result.df, p, alpha, tails);
    };
    const auto overRounding = [&](Tails tails) {
        return reported::checkP(absoluteT, judgement.t, result.df, p, alpha, tails);
    };
    const auto settle = [&](Tails tails) {
        judgement.oneTailedJudged = tails == Tails::One;
        judgement.recomputed = pOf(std::fabs(judgement.t), result.df, tails);
        judgement.range = Interval{pOf(absoluteT.upper, result.df, tails),
                                   pOf(absoluteT.lower, result.df, tails)};
    };
    // A one-tailed p above .5 is the other direction's: what it is set against, and so what the
    // output shows beside it, is that tail's p, 1 minus the observed side's.
    const auto settleOnOtherSide = [&] {
        settle(Tails::One);
        judgement.recomputed = 1 - *judgement.recomputed;
        judgement.range = Interval{1 - judgement.range->upper, 1 - judgement.range->lower};
    };
    const bool zero = p.relation != reported::ReportedP::Relation::Greater && p.value == 0;
    if (result.pAboveOne || zero) {
        settle(result.oneSided ? Tails::One : firstTails);
        judgement.verdict = Verdict::Impossible;
        return judgement;
    }
    const auto twoTailed = overRounding(Tails::Two);
    if (!twoTailed) {
        judgement.verdict = Verdict::NotComputable;
        return judgement;
    }
    settle(Tails::Two);
    // "The one-tailed test showed t(58) = 1.70, p = .094": the p printed is the two-tailed one,
    // and the one-tailed p the text speaks of is half of it. Shown beside it is that half.
    if (fits(twoTailed->verdict) && result.oneSided) {
        const auto oneTailed = overRounding(Tails::One);
        if (oneTailed && !fits(oneTailed->verdict)) {
            settle(Tails::One);
            judgement.verdict = Verdict::TwoTailedP;
            return judgement;
        }
    }
    if (fits(twoTailed->verdict)) {
        const auto exact = exactly(Tails::Two);
        const bool asPrinted = exact && fits(exact->verdict);
        judgement.verdict = asPrinted ? Verdict::Consistent : Verdict::ConsistentByRounding;
        judgement.rounding = asPrinted ? RoundingRule::None : RoundingRule::TRounding;
        judgement.holds = true;
        return judgement;
    }
    const auto oneTailed = overRounding(Tails::One);
    // A one-sided test whose difference came out against the predicted direction has a p above
    // .5 on the predicted side, P(T > -|t|): a p up to .5 is judged there, not on the observed
    // side, where it would be the p halved the wrong way. (One above .5 is judged there anyway.)
    if (result.oneSided && result.direction == StatedDirection::AgainstPrediction && oneTailed &&
        p.value <= 0.5) {
        judgement.oneTailedJudged = true;
        judgement.recomputed = 1 - pOf(std::fabs(judgement.t), result.df, Tails::One);
        const Interval range{1 - pOf(absoluteT.lower, result.df, Tails::One),
                             1 - pOf(absoluteT.upper, result.df, Tails::One)};
        judgement.range = range;
        if (fitsOn(p, range)) {
            const double asPrinted = *judgement.recomputed;
            judgement.verdict = Verdict::OneTailedConsistent;
            judgement.rounding = fitsOn(p, Interval{asPrinted, asPrinted})
                                     ? RoundingRule::None
                                     : RoundingRule::TRounding;
            judgement.holds = true;
        } else {
            judgement.verdict = belowAlpha(p, alpha) && range.lower >= alpha
                                    ? Verdict::DecisionError
                                    : Verdict::Inconsistent;
            if (fitsTruncated(p, range)) {
                judgement.rounding = RoundingRule::Truncation;
            }
        }
        return judgement;
    }
    if (oneTailed && fits(oneTailed->verdict)) {
        if (oneTailed->verdict == PVerdict::ConsistentOtherTail) {
            settleOnOtherSide();
        } else {
            settle(Tails::One);
        }
        const auto exact = exactly(Tails::One);
        judgement.verdict = Verdict::OneTailedConsistent;
        judgement.rounding =
            exact && fits(exact->verdict) ? RoundingRule::None : RoundingRule::TRounding;
        judgement.holds = result.oneSided;
        return judgement;
    }
    Interval judgedRange = *judgement.range;
    if (result.oneSided && oneTailed) {
        if (p.relation == reported::ReportedP::Relation::Equal && p.value > 0.5) {
            settleOnOtherSide();
        } else {
            settle(Tails::One);
        }
        judgement.verdict = failureOf(oneTailed->verdict);
        judgedRange = *judgement.range;
    } else {
        judgement.verdict = failureOf(twoTailed->verdict);
    }
    if (fitsTruncated(p, judgedRange)) {
        judgement.rounding = RoundingRule::Truncation;
    }
    return judgement;
}

} // namespace lx::text_check
