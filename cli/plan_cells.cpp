// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "plan_cells.h"

#include "batch_text.h"

#include <QStringList>

#include <algorithm>
#include <cmath>
#include <vector>

namespace lx::cli {

namespace {

using C = ResultColumn;

// Why each empty planning cell is empty. One reason of several cells names them together, so
// that plan_error says what each empty cell lacks and nothing of the cells that are filled.
class PlanProblems {
public:
    void note(std::initializer_list<ResultColumn> columns, const QString& why) {
        auto same = std::find_if(m_reasons.begin(), m_reasons.end(),
                                 [&](const Reason& reason) { return reason.why == why; });
        if (same == m_reasons.end()) {
            same = m_reasons.insert(m_reasons.end(), Reason{{}, why});
        }
        for (const ResultColumn column : columns) {
            const std::string_view name = resultColumnName(column);
            same->columns.append(QLatin1String(name.data(), static_cast<qsizetype>(name.size())));
        }
    }
    void note(std::initializer_list<ResultColumn> columns, power::Problem problem) {
        note(columns, power::problemText(problem));
    }
    bool any() const { return !m_reasons.empty(); }
    QString text() const {
        QStringList parts;
        for (const Reason& reason : m_reasons) {
            parts.append(reason.columns.join(QLatin1String(", ")) + QLatin1String(": ") +
                         reason.why);
        }
        return parts.join(u' ');
    }

private:
    struct Reason {
        QStringList columns;
        QString why;
    };
    std::vector<Reason> m_reasons;
};

// A planned figure, or nothing with its reason noted for its columns. A figure beyond the
// range of a double is no figure.
template <typename T>
std::optional<T> valueOf(const power::Planned<T>& planned, PlanProblems& problems,
                         std::initializer_list<ResultColumn> columns) {
    if (!planned) {
        problems.note(columns, planned.why());
        return std::nullopt;
    }
    return *planned;
}

std::optional<double> finiteValueOf(const power::Planned<double>& planned, PlanProblems& problems,
                                    std::initializer_list<ResultColumn> columns) {
    const auto value = valueOf(planned, problems, columns);
    if (value && !std::isfinite(*value)) {
        problems.note(columns, power::Problem::NotFound);
        return std::nullopt;
    }
    return value;
}

QString undefinedD() {
    return BatchText::tr("d is undefined: the pooled SD is 0");
}

// The d the sample size is planned for, or nothing when the row has none.
std::optional<double> plannedEffect(const Summary& summary, const TwoSampleReport& report,
                                    const PlanSettings& settings, PlanProblems& problems,
                                    std::initializer_list<ResultColumn> columns) {
    if (settings.effect == PlanSettings::Effect::Typed) {
        return settings.d;
    }
    if (!report.cohensD) {
        problems.note(columns, undefinedD());
        return std::nullopt;
    }
    if (settings.effect == PlanSettings::Effect::Observed) {
        return *report.cohensD;
    }
    return valueOf(power::safeguardD(*report.cohensD, summary.n1, summary.n2), problems, columns);
}

} // namespace

void setPlanCells(RowResults& results, const Summary& summary, const TwoSampleReport& report,
                  const PlanSettings& settings, const ResultNeeds& needs) {
    PlanProblems problems;
    if (needs.has(C::PlanN1) || needs.has(C::PlanN2) || needs.has(C::PlanPower) ||
        needs.has(C::PlanError)) {
        const auto sample = {C::PlanN1, C::PlanN2, C::PlanPower};
        const double ratio =
            settings.observedRatio ? static_cast<double>(summary.n2) / summary.n1 : settings.ratio;
        if (const auto d = plannedEffect(summary, report, settings, problems, sample)) {
            const auto size = power::studentSampleSize(*d, settings.power, ratio, settings.test);
            if (const auto plan = valueOf(size, problems, sample)) {
                setNumber(results, C::PlanN1, plan->n1);
                setNumber(results, C::PlanN2, plan->n2);
                setNumber(results, C::PlanPower, plan->power);
            }
        }
    }
    if (needs.has(C::DSafeguard)) {
        if (!report.cohensD) {
            problems.note({C::DSafeguard}, undefinedD());
        } else if (const auto d =
                       finiteValueOf(power::safeguardD(*report.cohensD, summary.n1, summary.n2),
                                     problems, {C::DSafeguard})) {
            setNumber(results, C::DSafeguard, *d);
        }
    }
    if (needs.has(C::DSensitivity)) {
        if (const auto d = finiteValueOf(
                power::sensitivityD(summary.n1, summary.n2, settings.power, settings.test),
                problems, {C::DSensitivity})) {
            setNumber(results, C::DSensitivity, *d);
        }
    }
    if (needs.has(C::DCritical)) {
        if (const auto d = finiteValueOf(power::criticalD(summary.n1, summary.n2, settings.test),
                                         problems, {C::DCritical})) {
            setNumber(results, C::DCritical, *d);
        }
    }
    if (problems.any()) {
        setText(results, C::PlanError, problems.text().toStdString());
    }
}

} // namespace lx::cli
