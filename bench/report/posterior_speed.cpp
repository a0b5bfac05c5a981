// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Time per posterior of delta (median, central credible interval and the density's curve) over
// 500 varied summaries, as the report works it on request: the median of three passes. It
// uses the engine's public report only, so that run.sh can build it against an older engine as
// well and compare the two in the same run.
#include "stats/two_sample_report.h"

#include <QRandomGenerator>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

int main() {
    QRandomGenerator random(20261210);
    std::vector<lx::Summary> summaries;
    for (int k = 0; k < 500; ++k) {
        // From two in a group to several hundred, and differences up to a few standard errors.
        const auto n = [&] { return static_cast<std::int32_t>(2 + random.bounded(500)); };
        const auto sd = [&] { return 0.1 + 20 * random.generateDouble(); };
        const double m1 = 50 + 10 * (random.generateDouble() - 0.5);
        const double m2 = m1 + 8 * (random.generateDouble() - 0.5);
        summaries.push_back({n(), m1, sd(), n(), m2, sd()});
    }
    lx::ReportRequest bare;
    bare.effectSizeIntervals = false;
    bare.bayesFactors = false;
    lx::ReportRequest posterior = bare;
    posterior.posterior = true;
    const auto time = [&](const lx::ReportRequest& request, int& refused) {
        std::vector<double> perRow;
        for (int pass = 0; pass < 3; ++pass) {
            refused = 0;
            const auto start = std::chrono::steady_clock::now();
            for (const lx::Summary& summary : summaries) {
                refused += lx::twoSampleReport(summary, request).posterior ? 0 : 1;
            }
            const std::chrono::duration<double, std::micro> elapsed =
                std::chrono::steady_clock::now() - start;
            perRow.push_back(elapsed.count() / static_cast<double>(summaries.size()));
        }
        std::sort(perRow.begin(), perRow.end());
        return perRow[1];
    };
    int refused = 0;
    int none = 0;
    const double without = time(bare, none);
    const double with = time(posterior, refused);
    std::printf("posterior of delta: %9.1f us per row (%d of %zu refused)\n", with - without,
                refused, summaries.size());
}
