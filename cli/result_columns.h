// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "planning/plan_settings.h"

#include "stats/two_sample_report.h"

#include <QStringList>

#include <array>
#include <optional>
#include <string_view>

namespace lx::cli {

// The columns the tool adds to a table, in their output order: the window's three results,
// the report, the checks of reported results, the plan of the next study, then the row's error.
enum class ResultColumn {
    Df,
    T,
    PClass,
    TPooled,
    DfPooled,
    PPooled,
    PPooledM1GtM2,
    PPooledM1LtM2,
    Diff,
    CiPooledLo,
    CiPooledHi,
    TWelch,
    DfWelch,
    PWelch,
    PWelchM1GtM2,
    PWelchM1LtM2,
    CiWelchLo,
    CiWelchHi,
    D,
    G,
    DCiLo,
    DCiHi,
    GCiLo,
    GCiHi,
    DVar,
    GVar,
    GSe,
    PRangePooledLo,
    PRangePooledHi,
    PRangeWelchLo,
    PRangeWelchHi,
    Bf10,
    BfPlus,
    BfMinus,
    LogBf10,
    LogBfPlus,
    LogBfMinus,
    DeltaMedian,
    DeltaCriLo,
    DeltaCriHi,
    Bf10R05,
    Bf10Wide,
    Bf10Ultrawide,
    Bf10Max,
    RMax,
    PTostPooled,
    PTostWelch,
    TostBound,
    PCheck,
    PRecomputed,
    TCheck,
    DfCheck,
    GrimM1,
    GrimM2,
    GrimSd1,
    GrimSd2,
    CheckError,
    PlanN1,
    PlanN2,
    PlanPower,
    DSafeguard,
    DSensitivity,
    DCritical,
    PlanError,
    Error,
};
constexpr int resultColumnCount = static_cast<int>(ResultColumn::Error) + 1;

std::string_view resultColumnName(ResultColumn column);
std::optional<ResultColumn> resultColumnNamed(std::string_view name);
// Every result column with its meaning, as --help lists them.
QString resultColumnsHelp();

// Which results a run has to compute.
struct ResultNeeds {
    std::array<bool, resultColumnCount> columns{};
    bool window = false; // df, t or p_class
    ReportRequest request;
    bool anyReport = false;
    bool anyCheck = false; // of reported results
    std::optional<planning::PlanSettings>
        plan; // when any planning column is wanted and planning is asked

    bool has(ResultColumn column) const { return columns[static_cast<std::size_t>(column)]; }
};

// The columns that show the equivalence tests: empty unless the run gives a margin.
bool isEquivalenceColumn(ResultColumn column);

// The columns of the next study's plan: empty unless the run asks for planning.
bool isPlanColumn(ResultColumn column);

// The posterior of delta and BF10 against the prior scale: a few hundred integrals a row, far
// more than all the rest, so they are filled only when a run asks for them.
bool isPosteriorColumn(ResultColumn column);
bool isRobustnessColumn(ResultColumn column);

// The costly groups a run asks for, by an option or by naming one of their columns.
struct CostlyGroups {
    bool posterior = false;
    bool robustness = false;
};

// Computes only what the wanted columns show: the effect-size intervals, the Bayes factors and
// the plans cost far more than everything else together; the posterior and the robustness
// columns stay empty unless `asked` names their group.
ResultNeeds needsFor(const std::array<bool, resultColumnCount>& wanted, double level,
                     double priorScale, const std::optional<EquivalenceMargin>& equivalence,
                     const std::optional<planning::PlanSettings>& plan = std::nullopt,
                     CostlyGroups asked = {});

// Whether a column is worked from the six summary figures (all but the p check's and the
// two error columns).
bool needsSummary(ResultColumn column);

} // namespace lx::cli
