// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "forest_pools.h"

#include "pool_summary.h"
#include "shown_text.h"

#include <algorithm>
#include <limits>
#include <unordered_map>

namespace lx::cli {

namespace {

using P = PoolColumn;

// The pool of entries [first, end) by one pooled row, with the sentence of that row alone.
ForestPool poolOf(const PoolRun& run, const PoolRow& row, QString label, std::size_t first,
                  std::size_t end, const QLocale& locale) {
    PoolRun alone{run.settings, run.level, {row}};
    return {std::move(label), poolSummaryText(alone, locale), pooledFigures(row), first, end};
}

} // namespace

meta::Pooled pooledFigures(const PoolRow& row) {
    const auto figure = [&](P column, double absent = std::numeric_limits<double>::quiet_NaN()) {
        return row[column].value_or(absent);
    };
    meta::Pooled pooled;
    pooled.k = static_cast<int>(figure(P::K, 0));
    pooled.problem = pooled.k < 1 ? meta::PoolProblem::NoStudies : meta::PoolProblem::None;
    pooled.estimate = figure(P::Estimate);
    pooled.se = figure(P::Se);
    pooled.ciLower = figure(P::CiLo);
    pooled.ciUpper = figure(P::CiHi);
    pooled.statistic = figure(P::Stat);
    pooled.p = figure(P::P);
    pooled.tau2 = figure(P::Tau2, 0);
    pooled.tau = figure(P::Tau, 0);
    pooled.tau2Interval = row[P::Tau2CiLo] && row[P::Tau2CiHi];
    pooled.tau2Lower = figure(P::Tau2CiLo);
    pooled.tau2Upper = figure(P::Tau2CiHi);
    pooled.i2 = figure(P::I2);
    pooled.h2 = row[P::H2];
    pooled.q = figure(P::Q);
    pooled.qDf = static_cast<int>(figure(P::QDf, 0));
    pooled.qP = figure(P::QP);
    const bool prediction = row[P::PiLo] && row[P::PiHi];
    pooled.piLower = prediction ? *row[P::PiLo] : pooled.ciLower;
    pooled.piUpper = prediction ? *row[P::PiHi] : pooled.ciUpper;
    return pooled;
}

void addPools(ForestRows& rows, const PoolRun& run) {
    rows.effectName =
        run.settings.effect == PoolEffect::Md ? QStringLiteral("MD") : QStringLiteral("g");
    rows.level = run.level;
    const std::size_t methods = run.settings.methods.size();
    if (run.rows.empty() || methods == 0) {
        return;
    }
    const PoolRow& overall = run.rows.front();
    std::vector<const PoolRow*> subgroups;
    for (std::size_t k = methods; k < run.rows.size(); k += methods) {
        subgroups.push_back(&run.rows[k]);
    }
    if (!subgroups.empty()) {
        std::unordered_map<std::string, std::size_t> order;
        for (std::size_t g = 0; g < subgroups.size(); ++g) {
            order.emplace(subgroups[g]->group, g);
        }
        const auto rank = [&](const ForestEntry& entry) {
            const auto at = order.find(entry.group);
            return at == order.end() ? subgroups.size() : at->second;
        };
        std::stable_sort(
            rows.entries.begin(), rows.entries.end(),
            [&](const ForestEntry& a, const ForestEntry& b) { return rank(a) < rank(b); });
        std::size_t first = 0;
        for (std::size_t g = 0; g < subgroups.size(); ++g) {
            std::size_t end = first;
            while (end < rows.entries.size() && rank(rows.entries[end]) == g) {
                ++end;
            }
            rows.pools.push_back(
                poolOf(run, *subgroups[g], cellText(subgroups[g]->group), first, end, rows.locale));
            first = end;
        }
    }
    rows.pools.push_back(
        poolOf(run, overall, poolModelText(overall), 0, rows.entries.size(), rows.locale));
}

} // namespace lx::cli
