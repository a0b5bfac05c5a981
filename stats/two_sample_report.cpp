// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "two_sample_report.h"

#include "d_interval.h"
#include "granularity.h"
#include "hedges_factor.h"
#include "p_range.h"
#include "platform/core/runtime_error.h"
#include "spread.h"
#include "student_test.h"
#include "t_distribution.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace lx {

namespace {

namespace td = t_distribution;

struct Spreads {
    double se1 = 0; // standard errors of the means
    double se2 = 0;
    double pooledSd = 0;
    std::int32_t df = 0; // N1 + N2 - 2
};

Spreads spreadsOf(const Summary& s) {
    Spreads spreads;
    spreads.se1 = spread::standardError(s.sd1, s.n1);
    spreads.se2 = spread::standardError(s.sd2, s.n2);
    // checkSummary keeps df within 32 bits.
    spreads.df = static_cast<std::int32_t>(studentInputs(s).df);
    if (spreads.df > 0) {
        spreads.pooledSd = spread::pooledSd(s.sd1, s.n1, s.sd2, s.n2);
    }
    return spreads;
}

using CriticalT = double (*)(double tail, double df);

// The pooled test's critical t depends only on df and the level, which repeat from summary to
// summary in a batch: remembered per thread (the batch tool's workers share no state).
double pooledCriticalT(double tail, double df) {
    struct Entry {
        double df = 0; // never a pooled df
        double tail = 0;
        double t = 0;
    };
    thread_local std::array<Entry, 1024> cache{};
    Entry& entry = cache[static_cast<std::size_t>(df) % cache.size()];
    if (entry.df != df || entry.tail != tail) {
        entry = {df, tail, td::upperQuantile(tail, df)};
    }
    return entry.t;
}

// The p values and the interval of the difference of a t with its standard error and df.
TTest tTest(double t, double difference, double standardError, double df,
            const ReportRequest& request, CriticalT criticalT) {
    TTest test;
    test.t = t;
    // One tail gives all three p values; the small one keeps its full precision.
    const double tail = td::upperTail(std::fabs(t), df);
    test.pTwoTailed = std::min(1.0, 2 * tail);
    test.pM1Greater = t > 0 ? tail : 1 - tail;
    test.pM1Less = t < 0 ? tail : 1 - tail;
    if (request.differenceIntervals) {
        const double alpha = 1 - request.level;
        const double halfWidth = criticalT(alpha / 2, df) * standardError;
        test.differenceCi = Interval{difference - halfWidth, difference + halfWidth};
    }
    return test;
}

TTest noSpreadTest() {
    TTest test;
    test.t = test.pTwoTailed = test.pM1Greater = test.pM1Less = Undefined::NoSpread;
    test.differenceCi = Undefined::NoSpread;
    return test;
}

TTest undefinedTest(Undefined why) {
    TTest test;
    test.t = test.df = test.pTwoTailed = test.pM1Greater = test.pM1Less = why;
    test.differenceCi = why;
    return test;
}

TTest pooledTest(double difference, const Summary& s, const Spreads& spread,
                 const ReportRequest& request) {
    if (spread.df == 0) {
        return undefinedTest(Undefined::NoDegreesOfFreedom);
    }
    // The window's own t: the standard errors of the pooled SD, as Statistics::TStudent takes
    // them. A checked summary keeps their squares and t finite.
    const StudentInputs inputs = studentInputs(s);
    const double standardError = std::sqrt(inputs.se2 * inputs.se2 + inputs.se1 * inputs.se1);
    TTest test = noSpreadTest();
    if (standardError > 0 && std::isfinite(standardError) &&
        std::isfinite(difference / standardError)) {
        test = tTest(signedStudentT(s), difference, standardError, spread.df, request,
                     pooledCriticalT);
    }
    test.df = static_cast<double>(spread.df);
    return test;
}

TTest welchTest(double difference, const Summary& s, const Spreads& spread,
                const ReportRequest& request) {
    if (s.n1 < 2 || s.n2 < 2) {
        return undefinedTest(Undefined::TooFewObservations);
    }
    const double standardError = std::hypot(spread.se1, spread.se2);
    if (!(standardError > 0)) {
        return undefinedTest(Undefined::NoSpread);
    }
    const double df = spread::welchDf(spread.se1, s.n1, spread.se2, s.n2);
    TTest test = std::isfinite(difference / standardError)
                     ? tTest(difference / standardError, difference, standardError, df, request,
                             td::upperQuantile)
                     : noSpreadTest();
    test.df = df;
    return test;
}

void addEffectSizes(TwoSampleReport& report, const Summary& s, const Spreads& spread,
                    const ReportRequest& request) {
    const Undefined intervalsWhy =
        request.effectSizeIntervals ? Undefined::NoSpread : Undefined::NotRequested;
    if (spread.df == 0) {
        report.cohensD = report.hedgesG = Undefined::NoDegreesOfFreedom;
        report.cohensDVariance = report.hedgesGVariance = Undefined::NoDegreesOfFreedom;
        report.cohensDCi = report.hedgesGCi =
            request.effectSizeIntervals ? Undefined::NoDegreesOfFreedom : Undefined::NotRequested;
        return;
    }
    if (!(spread.pooledSd > 0) || !std::isfinite(report.difference / spread.pooledSd)) {
        report.cohensD = report.hedgesG = Undefined::NoSpread;
        report.cohensDVariance = report.hedgesGVariance = Undefined::NoSpread;
        report.cohensDCi = report.hedgesGCi = intervalsWhy;
        return;
    }
    const double d = report.difference / spread.pooledSd;
    report.cohensD = d;
    const double n1 = s.n1;
    const double n2 = s.n2;
    const auto samplingVariance = [&](double effect) {
        return 1 / n1 + 1 / n2 + effect * effect / (2 * (n1 + n2));
    };
    report.cohensDVariance = samplingVariance(d);
    const bool hasFactor = spread.df >= 2;
    const double factor = hasFactor ? hedgesFactor(spread.df) : 0;
    if (hasFactor) {
        report.hedgesG = factor * d;
        report.hedgesGVariance = samplingVariance(factor * d);
    } else {
        report.hedgesGVariance = Undefined::TooFewObservations;
        report.hedgesG = Undefined::TooFewObservations;
    }
    if (!request.effectSizeIntervals) {
        report.cohensDCi = report.hedgesGCi = Undefined::NotRequested;
        return;
    }
    // Invert the noncentral t at the pooled t: the noncentralities that put t at the upper and
    // the lower alpha/2 point, scaled back to d.
    const double scale = std::sqrt(1.0 / s.n1 + 1.0 / s.n2);
    // The pooled test's t where it has one, so that the interval inverts the t every view shows.
    const double t = report.pooled.t ? *report.pooled.t : d / scale;
    report.cohensDCi = cohensDInterval(t, s.n1, s.n2, request.level);
    if (!report.cohensDCi) {
        report.hedgesGCi = Undefined::NotFound;
        return;
    }
    if (hasFactor) {
        report.hedgesGCi =
            Interval{factor * report.cohensDCi->lower, factor * report.cohensDCi->upper};
    } else {
        report.hedgesGCi = Undefined::TooFewObservations;
    }
}

// For exact inputs the range shrinks to the test's own p, which is already known.
template <typename Corners>
Figure<Interval> pRange(const TTest& test, const TypedRounding& typed, Corners corners) {
    if (typed.allExact() && test.pTwoTailed) {
        return Interval{*test.pTwoTailed, *test.pTwoTailed};
    }
    return corners();
}

// The granularity test of a typed mean, one whole-number item per score.
Figure<bool> wholeNumberMean(std::int32_t n, double mean, const std::optional<int>& decimals) {
    if (!decimals) {
        return Undefined::NotRequested; // an exact mean has no typed precision
    }
    switch (granularity::meanVerdict(n, {mean, *decimals}, 1)) {
    case granularity::Verdict::Consistent:
        return true;
    case granularity::Verdict::Inconsistent:
        return false;
    case granularity::Verdict::Untestable:
        break;
    }
    return Undefined::Untestable;
}

} // namespace

TwoSampleReport twoSampleReport(const Summary& s, const ReportRequest& request) {
    const auto positive = [](double value) { return value > 0 && std::isfinite(value); };
    if (!(request.level > 0 && request.level < 1) ||
        ((request.bayesFactors || request.posterior || request.robustness) &&
         !positive(request.priorScale)) ||
        (request.equivalence && !positive(request.equivalence->delta))) {
        throw RuntimeError(ErrorNumber::InvalidArgument);
    }
    const Spreads spread = spreadsOf(s);
    TwoSampleReport report;
    report.level = request.level;
    report.difference = s.m1 - s.m2;
    report.pooled = pooledTest(report.difference, s, spread, request);
    report.welch = welchTest(report.difference, s, spread, request);
    if (request.effectSizes) {
        addEffectSizes(report, s, spread, request);
    }
    if (request.wholeNumberMeans) {
        report.wholeNumberMean1 = wholeNumberMean(s.n1, s.m1, request.rounding.m1.decimals);
        report.wholeNumberMean2 = wholeNumberMean(s.n2, s.m2, request.rounding.m2.decimals);
    }
    if (request.roundingRange) {
        report.pRangePooled = pRange(report.pooled, request.rounding,
                                     [&] { return pooledPRange(s, request.rounding); });
        report.pRangeWelch = pRange(report.welch, request.rounding,
                                    [&] { return welchPRange(s, request.rounding); });
    }
    report.priorScale = request.priorScale;
    if (request.bayesFactors) {
        report.bayesFactors = defaultBayesFactors(report.pooled.t, s.n1, s.n2, request.priorScale);
    }
    if (request.posterior) {
        report.posterior =
            deltaPosterior(report.pooled.t, s.n1, s.n2, request.priorScale, request.level);
    }
    if (request.robustness) {
        report.robustness = bayesRobustness(report.pooled.t, s.n1, s.n2, request.priorScale);
    }
    if (request.equivalence) {
        report.equivalence = equivalenceTests(s, *request.equivalence, request.level);
    }
    return report;
}

} // namespace lx
