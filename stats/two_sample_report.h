// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "bayes_factor.h"
#include "bayes_robustness.h"
#include "delta_posterior.h"
#include "equivalence.h"
#include "figure.h"
#include "interval.h"
#include "summary_input.h"
#include "typed_rounding.h"

#include <optional>

namespace lx {

// What to compute. The effect-size intervals cost far more than everything else together.
struct ReportRequest {
    double level = 0.95;             // confidence level of every interval, strictly between 0 and 1
    TypedRounding rounding;          // all exact unless the values came from typed text
    bool differenceIntervals = true; // the intervals of M1 - M2
    bool effectSizes = true;         // Cohen's d and Hedges' g
    bool effectSizeIntervals = true;
    bool roundingRange = true; // the p range the rounded inputs allow
    bool bayesFactors = true;
    double priorScale = mediumPriorScale;         // of the Bayes factors' Cauchy prior, > 0
    std::optional<EquivalenceMargin> equivalence; // the two one-sided tests, when given
    bool wholeNumberMeans = true;                 // the granularity test of typed means
    // For pictures and the columns that ask: each costs a few hundred Bayes factors' time.
    bool posterior = false;  // of delta, at the prior scale
    bool robustness = false; // BF10 against the prior scale
};

// One t test of M1 - M2. One-tailed p values are named by the alternative they test.
struct TTest {
    Figure<double> t = Undefined::NotRequested; // signed: positive when M1 > M2
    Figure<double> df = Undefined::NotRequested;
    Figure<double> pTwoTailed = Undefined::NotRequested;
    Figure<double> pM1Greater = Undefined::NotRequested; // P(T > t)
    Figure<double> pM1Less = Undefined::NotRequested;    // P(T < t)
    Figure<Interval> differenceCi = Undefined::NotRequested;
};

// The full two-sample report of one summary.
struct TwoSampleReport {
    double level = 0.95;
    double difference = 0; // M1 - M2
    TTest pooled;          // Student's test with the pooled SD, N1 + N2 - 2 df
    TTest welch;           // Welch's test, Welch-Satterthwaite df
    Figure<double> cohensD = Undefined::NotRequested; // (M1 - M2) / pooled SD
    Figure<double> hedgesG = Undefined::NotRequested; // d times the exact small-sample factor
    // Large-sample sampling variances 1/N1 + 1/N2 + es^2 / (2 (N1 + N2)), the vi of a
    // meta-analysis of standardized mean differences.
    Figure<double> cohensDVariance = Undefined::NotRequested;
    Figure<double> hedgesGVariance = Undefined::NotRequested;
    Figure<Interval> cohensDCi = Undefined::NotRequested; // by the noncentral t distribution
    Figure<Interval> hedgesGCi = Undefined::NotRequested;
    // Lowest and highest two-tailed p over every summary the rounded inputs could stand for.
    Figure<Interval> pRangePooled = Undefined::NotRequested;
    Figure<Interval> pRangeWelch = Undefined::NotRequested;
    // The default Bayes factors of the pooled t.
    double priorScale = mediumPriorScale;
    BayesFactors bayesFactors; // each NotRequested unless asked for
    Figure<DeltaPosterior> posterior = Undefined::NotRequested;
    Figure<BayesRobustness> robustness = Undefined::NotRequested;
    Equivalence equivalence; // not requested unless a margin was given
    // Whether each typed mean can be the mean of N whole numbers (one item per score).
    Figure<bool> wholeNumberMean1 = Undefined::NotRequested;
    Figure<bool> wholeNumberMean2 = Undefined::NotRequested;
};

// The report of a checked summary (see checkSummary). Raises RuntimeError InvalidArgument when
// the level is not strictly between 0 and 1, or a wanted prior scale or margin is not positive.
TwoSampleReport twoSampleReport(const Summary& summary, const ReportRequest& request = {});

} // namespace lx
