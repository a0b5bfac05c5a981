// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "plan_cells.h"

#include "planning/plan.h"
#include "planning/plan_reasons.h"

#include <QStringList>

#include <algorithm>
#include <vector>

namespace lx::cli {

namespace {

using C = ResultColumn;

// Why each empty planning cell is empty. One reason of several cells names them together, so
// that plan_error says what each empty cell lacks and nothing of the cells that are filled.
class PlanProblems {
public:
    void note(std::initializer_list<ResultColumn> columns, const planning::Reason& reason) {
        const QString why = planning::reasonText(reason);
        auto same = std::find_if(m_reasons.begin(), m_reasons.end(),
                                 [&](const Reason& known) { return known.why == why; });
        if (same == m_reasons.end()) {
            same = m_reasons.insert(m_reasons.end(), Reason{{}, why});
        }
        for (const ResultColumn column : columns) {
            const std::string_view name = resultColumnName(column);
            same->columns.append(QLatin1String(name.data(), static_cast<qsizetype>(name.size())));
        }
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

// A planned figure's cell, or its reason noted for its columns.
void setFigure(RowResults& results, ResultColumn column, const planning::Decided<double>& figure,
               PlanProblems& problems) {
    if (figure) {
        setNumber(results, column, *figure);
    } else {
        problems.note({column}, figure.why());
    }
}

} // namespace

void setPlanCells(RowResults& results, const Summary& summary, const TwoSampleReport& report,
                  const planning::PlanSettings& settings, const ResultNeeds& needs) {
    planning::PlanNeeds wanted;
    wanted.sample = needs.has(C::PlanN1) || needs.has(C::PlanN2) || needs.has(C::PlanPower) ||
                    needs.has(C::PlanError);
    wanted.safeguard = needs.has(C::DSafeguard);
    wanted.sensitivity = needs.has(C::DSensitivity);
    wanted.critical = needs.has(C::DCritical);
    const planning::Plan plan = planning::decidePlan(
        planning::StudyInHand{summary.n1, summary.n2, report.cohensD}, settings, wanted);
    PlanProblems problems;
    if (wanted.sample) {
        if (plan.sample) {
            setNumber(results, C::PlanN1, plan.sample->n1);
            setNumber(results, C::PlanN2, plan.sample->n2);
            setNumber(results, C::PlanPower, plan.sample->power);
        } else {
            problems.note({C::PlanN1, C::PlanN2, C::PlanPower}, plan.sample.why());
        }
    }
    if (wanted.safeguard) {
        setFigure(results, C::DSafeguard, plan.safeguard, problems);
    }
    if (wanted.sensitivity) {
        setFigure(results, C::DSensitivity, plan.sensitivity, problems);
    }
    if (wanted.critical) {
        setFigure(results, C::DCritical, plan.critical, problems);
    }
    if (problems.any()) {
        setText(results, C::PlanError, problems.text().toStdString());
    }
}

} // namespace lx::cli
