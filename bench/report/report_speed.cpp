// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Time per two-sample report over 100,000 varied summaries, with and without the effect-size
// intervals, and the time the default Bayes factors add; time per a priori sample-size plan
// over varied effects, powers, levels and group ratios: the median of several passes, each
// timing the whole set.
#include "stats/power.h"
#include "stats/two_sample_report.h"

#include <QRandomGenerator>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

std::vector<lx::Summary> variedSummaries(int count) {
    QRandomGenerator random(20261208);
    std::vector<lx::Summary> summaries;
    summaries.reserve(static_cast<std::size_t>(count));
    for (int k = 0; k < count; ++k) {
        const auto n = [&] { return static_cast<std::int32_t>(2 + random.bounded(500)); };
        const auto sd = [&] { return 0.1 + 20 * random.generateDouble(); };
        const double m1 = 50 + 10 * (random.generateDouble() - 0.5);
        // Differences from none to a few standard errors, so p spans its whole range.
        const double m2 = m1 + 8 * (random.generateDouble() - 0.5);
        summaries.push_back({n(), m1, sd(), n(), m2, sd()});
    }
    return summaries;
}

// Median microseconds per report; `sink` keeps the work from being optimised away.
double medianMicroseconds(const std::vector<lx::Summary>& summaries,
                          const lx::ReportRequest& request, int passes, double& sink) {
    std::vector<double> perReport;
    for (int pass = 0; pass < passes; ++pass) {
        const auto start = std::chrono::steady_clock::now();
        for (const lx::Summary& summary : summaries) {
            const lx::TwoSampleReport report = lx::twoSampleReport(summary, request);
            sink += report.pooled.pTwoTailed.hasValue() ? *report.pooled.pTwoTailed : 0;
            sink += report.cohensDCi.hasValue() ? report.cohensDCi->upper : 0;
            sink += report.bayesFactors.logBfMinus ? *report.bayesFactors.logBfMinus : 0;
        }
        const std::chrono::duration<double, std::micro> elapsed =
            std::chrono::steady_clock::now() - start;
        perReport.push_back(elapsed.count() / static_cast<double>(summaries.size()));
    }
    std::sort(perReport.begin(), perReport.end());
    return perReport[perReport.size() / 2];
}

struct PlanCase {
    double d = 0;
    double power = 0;
    double ratio = 1;
    lx::power::TestDesign test;
};

// Effects from 0.1 (thousands per group) to 2 (a handful), as plans meet them.
std::vector<PlanCase> variedPlans(int count) {
    QRandomGenerator random(20261210);
    const double powers[] = {0.8, 0.9, 0.95};
    const double alphas[] = {0.05, 0.01, 0.005};
    std::vector<PlanCase> plans;
    plans.reserve(static_cast<std::size_t>(count));
    for (int k = 0; k < count; ++k) {
        PlanCase plan;
        plan.d = 0.1 + 1.9 * random.generateDouble();
        plan.power = powers[random.bounded(3)];
        plan.ratio = 0.5 + 2.5 * random.generateDouble();
        plan.test.alpha = alphas[random.bounded(3)];
        plan.test.tails = random.bounded(2) == 0 ? lx::power::Tails::One : lx::power::Tails::Two;
        plans.push_back(plan);
    }
    return plans;
}

double medianPlanMicroseconds(const std::vector<PlanCase>& plans, int passes, double& sink) {
    std::vector<double> perPlan;
    for (int pass = 0; pass < passes; ++pass) {
        const auto start = std::chrono::steady_clock::now();
        for (const PlanCase& plan : plans) {
            const auto size =
                lx::power::studentSampleSize(plan.d, plan.power, plan.ratio, plan.test);
            sink += size.hasValue() ? size->power : 0;
        }
        const std::chrono::duration<double, std::micro> elapsed =
            std::chrono::steady_clock::now() - start;
        perPlan.push_back(elapsed.count() / static_cast<double>(plans.size()));
    }
    std::sort(perPlan.begin(), perPlan.end());
    return perPlan[perPlan.size() / 2];
}

} // namespace

int main() {
    const std::vector<lx::Summary> summaries = variedSummaries(100000);
    double sink = 0;
    lx::ReportRequest without;
    without.effectSizeIntervals = false;
    without.bayesFactors = false;
    lx::ReportRequest with;
    with.bayesFactors = false;
    // At most 1000 df here, so even at this level both bounds are worked in double.
    lx::ReportRequest high = with;
    high.level = 0.999;
    lx::ReportRequest bayes = without;
    bayes.bayesFactors = true;
    const double fast = medianMicroseconds(summaries, without, 5, sink);
    const double full = medianMicroseconds(summaries, with, 3, sink);
    const double fullHigh = medianMicroseconds(summaries, high, 3, sink);
    const double withBayes = medianMicroseconds(summaries, bayes, 3, sink);
    std::printf("reports per pass: %zu (checksum %.6g)\n", summaries.size(), sink);
    std::printf("without effect-size intervals: %8.2f us per report\n", fast);
    std::printf("with effect-size intervals:    %8.2f us per report\n", full);
    std::printf("the same at level 0.999:       %8.2f us per report\n", fullHigh);
    // Two integrals give all three factors: BF10 and the one against the observed sign.
    std::printf("Bayes factors BF10, BF+0, BF-0: %7.2f us per summary (%.2f us per factor)\n",
                withBayes - fast, (withBayes - fast) / 3);
    const double plan = medianPlanMicroseconds(variedPlans(10000), 5, sink);
    std::printf("a priori sample size (Student): %7.2f us per plan\n", plan);
}
