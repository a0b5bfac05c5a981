// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "plan_cells.h"

#include "batch_text.h"

namespace lx::cli {

namespace {

using C = ResultColumn;

// Keeps the first problem of a row's plan, the one plan_error shows.
struct FirstProblem {
    std::optional<power::Problem> problem;
    std::optional<QString> message;

    void note(power::Problem found) {
        if (!problem && !message) {
            problem = found;
        }
    }
    void note(const QString& text) {
        if (!problem && !message) {
            message = text;
        }
    }
    bool any() const { return problem || message; }
    QString text() const { return message ? *message : power::problemText(*problem); }
};

template <typename T>
std::optional<T> valueOf(const power::Planned<T>& planned, FirstProblem& problems) {
    if (!planned) {
        problems.note(planned.why());
        return std::nullopt;
    }
    return *planned;
}

// The d the sample size is planned for, or nothing when the row has none.
std::optional<double> plannedEffect(const Summary& summary, const TwoSampleReport& report,
                                    const PlanSettings& settings, FirstProblem& problems) {
    if (settings.effect == PlanSettings::Effect::Typed) {
        return settings.d;
    }
    if (!report.cohensD) {
        problems.note(BatchText::tr("d is undefined: the pooled SD is 0"));
        return std::nullopt;
    }
    if (settings.effect == PlanSettings::Effect::Observed) {
        return *report.cohensD;
    }
    return valueOf(power::safeguardD(*report.cohensD, summary.n1, summary.n2), problems);
}

} // namespace

void setPlanCells(RowResults& results, const Summary& summary, const TwoSampleReport& report,
                  const PlanSettings& settings, const ResultNeeds& needs) {
    FirstProblem problems;
    if (needs.has(C::PlanN1) || needs.has(C::PlanN2) || needs.has(C::PlanPower) ||
        needs.has(C::PlanError)) {
        const double ratio =
            settings.observedRatio ? static_cast<double>(summary.n2) / summary.n1 : settings.ratio;
        if (const auto d = plannedEffect(summary, report, settings, problems)) {
            const auto size = power::studentSampleSize(*d, settings.power, ratio, settings.test);
            if (const auto plan = valueOf(size, problems)) {
                setNumber(results, C::PlanN1, plan->n1);
                setNumber(results, C::PlanN2, plan->n2);
                setNumber(results, C::PlanPower, plan->power);
            }
        }
    }
    if (needs.has(C::DSafeguard) && report.cohensD) {
        if (const auto d =
                valueOf(power::safeguardD(*report.cohensD, summary.n1, summary.n2), problems)) {
            setNumber(results, C::DSafeguard, *d);
        }
    }
    if (needs.has(C::DSensitivity)) {
        if (const auto d =
                valueOf(power::sensitivityD(summary.n1, summary.n2, settings.power, settings.test),
                        problems)) {
            setNumber(results, C::DSensitivity, *d);
        }
    }
    if (needs.has(C::DCritical)) {
        if (const auto d =
                valueOf(power::criticalD(summary.n1, summary.n2, settings.test), problems)) {
            setNumber(results, C::DCritical, *d);
        }
    }
    if (problems.any()) {
        setText(results, C::PlanError, problems.text().toStdString());
    }
}

} // namespace lx::cli
