// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "result_columns.h"

#include "batch_text.h"

#include <algorithm>

namespace lx::cli {

namespace {

// Each result column's name and its meaning for --help and the manual page.
struct ColumnInfo {
    std::string_view name;
    const char* meaning;
};

constexpr std::array<ColumnInfo, resultColumnCount> columns = {{
    {"df", QT_TRANSLATE_NOOP("BatchText", "degrees of freedom N1 + N2 - 2, as the window shows")},
    {"t", QT_TRANSLATE_NOOP("BatchText", "the window's t, as it shows it")},
    {"p_class", QT_TRANSLATE_NOOP("BatchText", "the window's P class, such as <0.05")},
    {"t_pooled",
     QT_TRANSLATE_NOOP("BatchText", "Student's t with the pooled SD; > 0 when M1 > M2")},
    {"df_pooled", QT_TRANSLATE_NOOP("BatchText", "its degrees of freedom")},
    {"p_pooled", QT_TRANSLATE_NOOP("BatchText", "its two-tailed p")},
    {"p_pooled_m1_gt_m2", QT_TRANSLATE_NOOP("BatchText", "its one-tailed p for M1 > M2")},
    {"p_pooled_m1_lt_m2", QT_TRANSLATE_NOOP("BatchText", "its one-tailed p for M1 < M2")},
    {"diff", QT_TRANSLATE_NOOP("BatchText", "M1 - M2")},
    {"ci_pooled_lo",
     QT_TRANSLATE_NOOP("BatchText", "lower confidence limit of M1 - M2, pooled SD")},
    {"ci_pooled_hi",
     QT_TRANSLATE_NOOP("BatchText", "upper confidence limit of M1 - M2, pooled SD")},
    {"t_welch", QT_TRANSLATE_NOOP("BatchText", "Welch's t")},
    {"df_welch", QT_TRANSLATE_NOOP("BatchText", "its Welch-Satterthwaite degrees of freedom")},
    {"p_welch", QT_TRANSLATE_NOOP("BatchText", "its two-tailed p")},
    {"p_welch_m1_gt_m2", QT_TRANSLATE_NOOP("BatchText", "its one-tailed p for M1 > M2")},
    {"p_welch_m1_lt_m2", QT_TRANSLATE_NOOP("BatchText", "its one-tailed p for M1 < M2")},
    {"ci_welch_lo", QT_TRANSLATE_NOOP("BatchText", "lower confidence limit of M1 - M2, Welch")},
    {"ci_welch_hi", QT_TRANSLATE_NOOP("BatchText", "upper confidence limit of M1 - M2, Welch")},
    {"d", QT_TRANSLATE_NOOP("BatchText", "Cohen's d: M1 - M2 over the pooled SD")},
    {"g", QT_TRANSLATE_NOOP("BatchText", "Hedges' g: d with the exact small-sample correction")},
    {"d_ci_lo", QT_TRANSLATE_NOOP("BatchText", "lower confidence limit of d (noncentral t)")},
    {"d_ci_hi", QT_TRANSLATE_NOOP("BatchText", "upper confidence limit of d (noncentral t)")},
    {"g_ci_lo", QT_TRANSLATE_NOOP("BatchText", "lower confidence limit of g")},
    {"g_ci_hi", QT_TRANSLATE_NOOP("BatchText", "upper confidence limit of g")},
    {"d_var",
     QT_TRANSLATE_NOOP("BatchText", "sampling variance of d, 1/N1 + 1/N2 + d^2/(2(N1 + N2))")},
    {"g_var", QT_TRANSLATE_NOOP("BatchText", "sampling variance of g (the vi of a meta-analysis)")},
    {"g_se", QT_TRANSLATE_NOOP("BatchText", "its square root, the standard error of g")},
    {"p_range_pooled_lo",
     QT_TRANSLATE_NOOP("BatchText", "lowest pooled p the rounding of the inputs allows")},
    {"p_range_pooled_hi",
     QT_TRANSLATE_NOOP("BatchText", "highest pooled p the rounding of the inputs allows")},
    {"p_range_welch_lo",
     QT_TRANSLATE_NOOP("BatchText", "lowest Welch p the rounding of the inputs allows")},
    {"p_range_welch_hi",
     QT_TRANSLATE_NOOP("BatchText", "highest Welch p the rounding of the inputs allows")},
    {"bf10", QT_TRANSLATE_NOOP("BatchText",
                               "default Bayes factor BF10 (Cauchy prior of scale --prior-scale)")},
    {"bf_plus",
     QT_TRANSLATE_NOOP("BatchText", "one-sided Bayes factor for M1 > M2 against no difference")},
    {"bf_minus",
     QT_TRANSLATE_NOOP("BatchText", "one-sided Bayes factor for M1 < M2 against no difference")},
    {"log_bf10",
     QT_TRANSLATE_NOOP("BatchText", "natural log of BF10 (kept where BF10 is beyond a double)")},
    {"log_bf_plus", QT_TRANSLATE_NOOP("BatchText", "natural log of bf_plus")},
    {"log_bf_minus", QT_TRANSLATE_NOOP("BatchText", "natural log of bf_minus")},
    {"delta_median",
     QT_TRANSLATE_NOOP("BatchText", "posterior median of delta under BF10's prior")},
    {"delta_cri_lo",
     QT_TRANSLATE_NOOP("BatchText", "lower limit of its central credible interval")},
    {"delta_cri_hi",
     QT_TRANSLATE_NOOP("BatchText", "upper limit of its central credible interval")},
    {"bf10_r05", QT_TRANSLATE_NOOP("BatchText", "BF10 with the prior scale 0.5")},
    {"bf10_wide", QT_TRANSLATE_NOOP("BatchText", "BF10 with the wide prior scale 1")},
    {"bf10_ultrawide",
     QT_TRANSLATE_NOOP("BatchText", "BF10 with the ultrawide prior scale sqrt(2)")},
    {"bf10_max", QT_TRANSLATE_NOOP("BatchText", "largest BF10 over prior scales up to 1.5 (to 2 "
                                                "when --prior-scale is above 1.5)")},
    {"r_max", QT_TRANSLATE_NOOP("BatchText", "the prior scale of bf10_max (0: BF10 is below 1 "
                                             "at every scale and tends to 1 as the scale does)")},
    {"p_tost_pooled",
     QT_TRANSLATE_NOOP("BatchText", "p of the equivalence test (two one-sided tests), pooled SD")},
    {"p_tost_welch",
     QT_TRANSLATE_NOOP("BatchText", "p of the equivalence test (two one-sided tests), Welch")},
    {"tost_bound", QT_TRANSLATE_NOOP("BatchText", "the equivalence bound on M1 - M2 in raw units")},
    {"p_check",
     QT_TRANSLATE_NOOP("BatchText", "reported p against t_reported and df_reported: consistent, "
                                    "inconsistent, decision_error, impossible (a p of 0) or "
                                    "consistent_other_tail (a one-tailed p above .5)")},
    {"p_recomputed",
     QT_TRANSLATE_NOOP("BatchText", "p of t_reported with df_reported, two- or one-tailed as "
                                    "the reported p, on the tail it was checked against")},
    {"t_check",
     QT_TRANSLATE_NOOP("BatchText",
                       "t_reported against the t the rounded summary allows, pooled or Welch")},
    {"df_check", QT_TRANSLATE_NOOP("BatchText", "df_reported against N1 + N2 - 2 or the Welch df")},
    {"grim_m1",
     QT_TRANSLATE_NOOP("BatchText", "whether M1 can be the mean of N1 whole-number scores")},
    {"grim_m2",
     QT_TRANSLATE_NOOP("BatchText", "whether M2 can be the mean of N2 whole-number scores")},
    {"grim_sd1",
     QT_TRANSLATE_NOOP("BatchText", "whether SD1 can go with M1 for N1 whole-number scores")},
    {"grim_sd2",
     QT_TRANSLATE_NOOP("BatchText", "whether SD2 can go with M2 for N2 whole-number scores")},
    {"check_error",
     QT_TRANSLATE_NOOP("BatchText", "why a check of reported results could not run")},
    {"plan_n1", QT_TRANSLATE_NOOP("BatchText", "n1 of the smallest sample whose power reaches "
                                               "--plan-power for --plan-effect (Student's test)")},
    {"plan_n2", QT_TRANSLATE_NOOP("BatchText", "its n2, --plan-ratio times n1 rounded up")},
    {"plan_power", QT_TRANSLATE_NOOP("BatchText", "the power that sample actually has")},
    {"d_safeguard", QT_TRANSLATE_NOOP("BatchText", "safeguard d: the end of the 60% interval of d "
                                                   "nearer 0, when it is not 0 or beyond")},
    {"d_sensitivity",
     QT_TRANSLATE_NOOP("BatchText", "smallest d > 0 that N1 and N2 detect with --plan-power")},
    {"d_critical",
     QT_TRANSLATE_NOOP("BatchText",
                       "smallest |d| that N1 and N2 show significant at --plan-alpha")},
    {"plan_error", QT_TRANSLATE_NOOP("BatchText", "why the row's study could not be planned")},
    {"error", QT_TRANSLATE_NOOP("BatchText", "why the row has no results, or which results asked "
                                             "for cannot be computed; empty when none is missing")},
}};

bool anyOf(const std::array<bool, resultColumnCount>& wanted,
           std::initializer_list<ResultColumn> columns) {
    return std::any_of(columns.begin(), columns.end(),
                       [&](ResultColumn c) { return wanted[static_cast<std::size_t>(c)]; });
}

} // namespace

std::string_view resultColumnName(ResultColumn column) {
    return columns[static_cast<std::size_t>(column)].name;
}

std::optional<ResultColumn> resultColumnNamed(std::string_view name) {
    const auto found =
        std::find_if(columns.begin(), columns.end(),
                     [name](const ColumnInfo& column) { return column.name == name; });
    if (found == columns.end()) {
        return std::nullopt;
    }
    return static_cast<ResultColumn>(found - columns.begin());
}

QString resultColumnsHelp() {
    QString help = BatchText::tr("Result columns (after the table's own; --columns picks and "
                                 "orders them; empty or null when undefined):") +
                   QLatin1Char('\n');
    for (const ColumnInfo& column : columns) {
        help += QStringLiteral("  %1 %2\n")
                    .arg(QLatin1String(column.name.data(), column.name.size()), -18)
                    .arg(BatchText::tr(column.meaning));
    }
    help += BatchText::tr("Filled only when asked for, and empty otherwise, since each costs more "
                          "than all the rest: the planning columns (plan_n1 to plan_error) with "
                          "any --plan option, the posterior (delta_median, delta_cri_lo, "
                          "delta_cri_hi) with --posterior, and BF10 against the prior scale "
                          "(bf10_r05 to r_max) with --robustness; naming one of a group's "
                          "columns in --columns asks for that group.") +
            QLatin1Char('\n');
    return help;
}

bool isEquivalenceColumn(ResultColumn column) {
    return column == ResultColumn::PTostPooled || column == ResultColumn::PTostWelch ||
           column == ResultColumn::TostBound;
}

bool isPlanColumn(ResultColumn column) {
    return column >= ResultColumn::PlanN1 && column <= ResultColumn::PlanError;
}

bool isPosteriorColumn(ResultColumn column) {
    return column >= ResultColumn::DeltaMedian && column <= ResultColumn::DeltaCriHi;
}

bool isRobustnessColumn(ResultColumn column) {
    return column >= ResultColumn::Bf10R05 && column <= ResultColumn::RMax;
}

ResultNeeds needsFor(const std::array<bool, resultColumnCount>& wanted, double level,
                     double priorScale, const std::optional<EquivalenceMargin>& equivalence,
                     const std::optional<planning::PlanSettings>& plan, CostlyGroups asked) {
    using C = ResultColumn;
    ResultNeeds needs;
    needs.columns = wanted;
    needs.window = anyOf(wanted, {C::Df, C::T, C::PClass});
    ReportRequest& request = needs.request;
    request.level = level;
    request.differenceIntervals =
        anyOf(wanted, {C::CiPooledLo, C::CiPooledHi, C::CiWelchLo, C::CiWelchHi});
    request.effectSizeIntervals = anyOf(wanted, {C::DCiLo, C::DCiHi, C::GCiLo, C::GCiHi});
    request.effectSizes =
        request.effectSizeIntervals || anyOf(wanted, {C::D, C::G, C::DVar, C::GVar, C::GSe});
    request.wholeNumberMeans = false; // the check columns test means with their items
    request.roundingRange =
        anyOf(wanted, {C::PRangePooledLo, C::PRangePooledHi, C::PRangeWelchLo, C::PRangeWelchHi});
    request.bayesFactors =
        anyOf(wanted, {C::Bf10, C::BfPlus, C::BfMinus, C::LogBf10, C::LogBfPlus, C::LogBfMinus});
    request.posterior =
        asked.posterior && anyOf(wanted, {C::DeltaMedian, C::DeltaCriLo, C::DeltaCriHi});
    request.robustness = asked.robustness && anyOf(wanted, {C::Bf10R05, C::Bf10Wide,
                                                            C::Bf10Ultrawide, C::Bf10Max, C::RMax});
    // The posterior's constant is BF10.
    request.bayesFactors = request.bayesFactors || request.posterior;
    request.priorScale = priorScale;
    if (anyOf(wanted, {C::PTostPooled, C::PTostWelch, C::TostBound})) {
        request.equivalence = equivalence;
    }
    needs.anyReport =
        std::any_of(wanted.begin() + static_cast<int>(C::TPooled),
                    wanted.begin() + static_cast<int>(C::PCheck), [](bool w) { return w; });
    needs.anyCheck =
        std::any_of(wanted.begin() + static_cast<int>(C::PCheck),
                    wanted.begin() + static_cast<int>(C::PlanN1), [](bool w) { return w; });
    if (plan && anyOf(wanted, {C::PlanN1, C::PlanN2, C::PlanPower, C::DSafeguard, C::DSensitivity,
                               C::DCritical, C::PlanError})) {
        needs.plan = plan;
        // The observed d comes from the report.
        request.effectSizes = true;
    }
    return needs;
}

bool needsSummary(ResultColumn column) {
    using C = ResultColumn;
    return column != C::PCheck && column != C::PRecomputed && column != C::CheckError &&
           column != C::Error;
}

} // namespace lx::cli
