// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "found_result.h"

#include "stats/interval.h"

#include <optional>

namespace lx::text_check {

enum class Verdict {
    Consistent,
    ConsistentByRounding, // only a t within the rounding of the reported one gives the p
    Inconsistent,
    DecisionError,       // besides, the p and the recomputed one lie on opposite sides of alpha
    OneTailedConsistent, // the p fits a one-tailed test only
    TwoTailedP,          // the text calls the test one-sided, but the p is the two-tailed one
    Impossible,          // p = 0 or p above 1
    NotComputable,       // no p can be worked out for the t and df
};

enum class EffectVerdict { NotChecked, Consistent, Inconsistent };

// The reading of the printed numbers a verdict rests on. A typed t stands for every t within
// half a unit of its last digit (a half rounded either way), a p for the p that rounds to it.
enum class RoundingRule {
    None,       // the t as printed gives the verdict, or no reading of the digits changes it
    TRounding,  // only a t within the rounding of the printed one gives the p
    Truncation, // the p fits only if it was cut off after its last digit instead of rounded
};

struct Judgement {
    Verdict verdict = Verdict::Consistent;
    // Whether the result holds: a one-tailed fit only where the text says one-sided.
    bool holds = false;
    double t = 0; // the reported t, or the root of the reported F
    bool oneTailedJudged = false;
    RoundingRule rounding = RoundingRule::None;
    std::optional<double> recomputed; // the p of the t as reported, of the tails judged on
    std::optional<Interval> range;    // the p over the t's rounding
    EffectVerdict effect = EffectVerdict::NotChecked;
    std::optional<Interval> effectRange; // the d (or g) over the t's rounding and the ns
    EffectVerdict interval = EffectVerdict::NotChecked; // the printed confidence interval
};

// A found result judged by the checks of reported results at significance level alpha:
// two-tailed first; where that fails, one-tailed on the side of the observed difference (a p
// above .5 only as the other direction's, never halved or doubled). Where the text says
// one-sided, a one-tailed fit holds, and a failure is judged as one-tailed; where it also says
// the difference went against the predicted direction, the one-tailed p is that of the
// predicted side, above .5, and a smaller one was halved on the wrong side.
Judgement judge(const FoundResult& result, double alpha);

} // namespace lx::text_check
