// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "pool_run.h"

#include "batch_text.h"
#include "shown_text.h"

#include <QStringList>

#include <algorithm>
#include <cmath>

namespace lx::cli {

namespace {

using P = PoolColumn;
using meta::Estimator;

constexpr std::array<std::string_view, poolColumnCount> names = {
    "group",        "method",      "test",     "k",          "estimate", "se",
    "ci_lo",        "ci_hi",       "stat",     "p",          "tau2",     "tau2_ci_lo",
    "tau2_ci_hi",   "tau",         "i2",       "h2",         "q",        "q_df",
    "q_p",          "pi_lo",       "pi_hi",    "egger_stat", "egger_p",  "q_between",
    "q_between_df", "q_between_p", "excluded", "pool_error"};

void addError(PoolRow& row, const QString& message) {
    row.error += row.error.isEmpty() ? message : QLatin1Char(' ') + message;
}

std::optional<double> finite(double value) {
    return std::isfinite(value) ? std::optional(value) : std::nullopt;
}

// Why Egger's test is missing for a set of three or more studies it cannot test.
QString noEggerText(const std::vector<meta::Study>& studies) {
    const auto [least, most] =
        std::minmax_element(studies.begin(), studies.end(),
                            [](const meta::Study& a, const meta::Study& b) { return a.vi < b.vi; });
    if (most->vi - least->vi <= 1e-12 * most->vi) {
        return BatchText::tr("All standard errors are equal: there is no Egger test.");
    }
    return BatchText::tr("Egger's regression fits the studies exactly: there is no Egger test.");
}

// The figures of a pooled set and why those that are missing are.
void setPooled(PoolRow& row, const meta::Pooled& pooled) {
    row[P::K] = pooled.k;
    switch (pooled.problem) {
    case meta::PoolProblem::NoStudies:
        addError(row, BatchText::tr("No study to pool: no row gives an effect and its variance."));
        return;
    case meta::PoolProblem::OneStudy:
        addError(row, BatchText::tr("One study: tau² cannot be estimated; the common-effect "
                                    "model (EE) gives the study itself."));
        return;
    case meta::PoolProblem::NotFound:
        addError(row, BatchText::tr("The estimate of tau² did not settle (extreme inputs)."));
        return;
    case meta::PoolProblem::NoHeterogeneity:
    case meta::PoolProblem::None:
        break;
    }
    const bool degenerateTest =
        pooled.problem == meta::PoolProblem::NoHeterogeneity && row.test == meta::Test::Knha;
    if (!degenerateTest) {
        row[P::Estimate] = finite(pooled.estimate);
        row[P::Se] = finite(pooled.se);
        row[P::CiLo] = finite(pooled.ciLower);
        row[P::CiHi] = finite(pooled.ciUpper);
        row[P::Stat] = finite(pooled.statistic);
        row[P::P] = finite(pooled.p);
        row[P::PiLo] = finite(pooled.piLower);
        row[P::PiHi] = finite(pooled.piUpper);
    } else {
        // The Knapp-Hartung scale is Q over its df, 0 here: no standard error to test with.
        row[P::Estimate] = finite(pooled.estimate);
    }
    if (pooled.k < 2) {
        addError(row, BatchText::tr("One study: the pooled estimate is the study itself; tau² and "
                                    "the heterogeneity cannot be estimated."));
        return;
    }
    row[P::Tau2] = finite(pooled.tau2);
    row[P::Tau] = finite(pooled.tau);
    if (pooled.tau2Interval) {
        row[P::Tau2CiLo] = finite(pooled.tau2Lower);
        row[P::Tau2CiHi] = finite(pooled.tau2Upper);
    }
    row[P::I2] = finite(pooled.i2);
    if (pooled.h2) {
        row[P::H2] = finite(*pooled.h2);
    }
    row[P::Q] = finite(pooled.q);
    row[P::QDf] = pooled.qDf;
    row[P::QP] = finite(pooled.qP);
    if (pooled.problem == meta::PoolProblem::NoHeterogeneity) {
        addError(row, degenerateTest
                          ? BatchText::tr("The studies agree exactly (Q = 0): H² and the "
                                          "Knapp-Hartung test are undefined.")
                          : BatchText::tr("The studies agree exactly (Q = 0): H² is undefined."));
    }
}

// The rows of one set of studies, one per method, with Egger's test alike on each.
std::vector<PoolRow> setRows(const std::vector<meta::Study>& studies, const std::string& group,
                             std::size_t excluded, const PoolSettings& settings, double level) {
    const auto egger = meta::eggerTest(studies);
    std::vector<PoolRow> rows;
    for (const Estimator method : settings.methods) {
        PoolRow row;
        row.group = group;
        row.method = method;
        row.test = settings.test;
        setPooled(row, meta::pool(studies, method, settings.test, level));
        if (egger) {
            row[P::EggerStat] = finite(egger->t);
            row[P::EggerP] = finite(egger->p);
        } else if (studies.size() == 2) {
            addError(row, BatchText::tr("Egger's test needs three studies or more."));
        } else if (studies.size() >= 3) {
            addError(row, noEggerText(studies));
        }
        row[P::Excluded] = static_cast<double>(excluded);
        rows.push_back(std::move(row));
    }
    return rows;
}

// The test for subgroup differences on the whole table's row of a method: the common-effect
// Q across the subgroups' estimates, each with its standard error.
void setSubgroupTest(PoolRow& overall, const std::vector<const PoolRow*>& subgroups, double level) {
    std::vector<meta::Study> estimates;
    QStringList without;
    for (const PoolRow* row : subgroups) {
        const auto& estimate = (*row)[P::Estimate];
        const auto& se = (*row)[P::Se];
        if (estimate && se && *se > 0) {
            estimates.push_back({*estimate, *se * *se});
        } else {
            without.append(u'"' + cellText(row->group) + u'"');
        }
    }
    if (estimates.size() < 2) {
        addError(overall, BatchText::tr("The test for subgroup differences needs two subgroups "
                                        "with a pooled estimate and its standard error."));
        return;
    }
    if (!without.isEmpty()) {
        addError(overall, BatchText::tr("The test for subgroup differences leaves out %1, "
                                        "without a pooled estimate and its standard error.")
                              .arg(without.join(QLatin1String(", "))));
    }
    const meta::Pooled between = meta::pool(estimates, Estimator::EE, meta::Test::Z, level);
    overall[P::QBetween] = finite(between.q);
    overall[P::QBetweenDf] = between.qDf;
    overall[P::QBetweenP] = finite(between.qP);
}

} // namespace

std::string_view poolColumnName(PoolColumn column) {
    return names[static_cast<std::size_t>(column)];
}

PoolRun poolRun(const PoolStudies& studies, const PoolSettings& settings, double level) {
    PoolRun run;
    run.settings = settings;
    run.level = level;
    run.rows = setRows(studies.studies, {}, studies.excluded, settings, level);
    if (settings.by.isEmpty()) {
        return run;
    }
    const auto members = studies.byGroup();
    const std::size_t overallRows = run.rows.size();
    for (std::size_t g = 0; g < members.size(); ++g) {
        auto rows =
            setRows(members[g], studies.groups[g], studies.groupExcluded[g], settings, level);
        std::move(rows.begin(), rows.end(), std::back_inserter(run.rows));
    }
    const std::size_t methods = settings.methods.size();
    for (std::size_t m = 0; m < overallRows; ++m) {
        std::vector<const PoolRow*> subgroups;
        for (std::size_t g = 0; g < members.size(); ++g) {
            subgroups.push_back(&run.rows[overallRows + g * methods + m]);
        }
        setSubgroupTest(run.rows[m], subgroups, level);
    }
    return run;
}

} // namespace lx::cli
