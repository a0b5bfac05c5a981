// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "figure.h"
#include "reported_p.h"
#include "two_sample_report.h"

#include <optional>
#include <string_view>

// Checks of results as a paper reports them: does the p fit the t and df, do the t and df fit
// the summary? Every typed number stands for the range its last digit was rounded from.
namespace lx::reported {

// Whether a reported p is two-tailed or one-tailed.
enum class Tails { Two, One };

enum class PVerdict { Consistent, Inconsistent, DecisionError, ConsistentOtherTail, Impossible };

struct PCheck {
    PVerdict verdict = PVerdict::Consistent;
    double recomputed = 0; // p of the reported t as typed, of the tail the check judged on
};

// The reported p against the p of the reported t (over its rounding) and df: two-tailed,
// 2 P(T > |t|), or one-tailed on the side of the observed difference, P(T > |t|).
// Inconsistent when no p of that range fits the reported one with its own rounding; a decision
// error when besides the reported p and the recomputed range lie on opposite sides of alpha.
// A one-tailed p on the observed side is at most .5, so a one-tailed p above .5 ("= .97",
// "> .5") can only come from a test in the other direction: it is judged against that tail,
// P(T > -|t|) = 1 - P(T > |t|), alone and is ConsistentOtherTail where it fits. No p is ever
// halved or doubled to make it fit.
// Every t has a p above 0, so a p of 0 ("= .000", "< 0") is Impossible; a DecisionError when
// the p of the t lies at or above alpha besides.
// NotFound when df is not positive or the p cannot be computed.
Figure<PCheck> checkP(Typed t, double df, const ReportedP& p, double alpha,
                      Tails tails = Tails::Two);
// The same for a t known to lie in a range that is not its rounding, as the root of a
// reported F(1, df) is: absoluteT holds every |t| it may be, typedT the one the text gives.
Figure<PCheck> checkP(Interval absoluteT, double typedT, double df, const ReportedP& p,
                      double alpha, Tails tails = Tails::Two);

// The p of the reported t as typed, for a table without a reported p: two-tailed, or
// one-tailed on the side of the observed difference.
Figure<double> recomputedP(Typed t, double df, Tails tails = Tails::Two);

enum class FitVerdict { ConsistentPooled, ConsistentWelch, ConsistentBoth, Inconsistent };

// The reported |t| (over its rounding) against the t ranges of the summary; NoSpread when
// the summary gives neither test a t.
Figure<FitVerdict> checkT(Typed t, const Summary& summary, const TypedRounding& rounding);

// The reported df (over its rounding) against N1 + N2 - 2 and Welch's df range;
// TooFewObservations when neither test has a df.
Figure<FitVerdict> checkDf(Typed df, const Summary& summary, const TypedRounding& rounding);

} // namespace lx::reported
