// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "row_results.h"

#include "batch_text.h"
#include "missing_figures.h"
#include "plan_cells.h"
#include "vector_state.h"

#include "platform/core/number_text.h"
#include "platform/core/runtime_error.h"
#include "stats/statistics.h"
#include "stats/student_test.h"

#include <QStringList>

#include <algorithm>
#include <cmath>
#include <exception>

namespace lx::cli {

namespace {

using C = ResultColumn;

Cell& cell(RowResults& results, ResultColumn column) {
    return results[static_cast<std::size_t>(column)];
}

void set(RowResults& results, ResultColumn column, const Figure<double>& figure) {
    if (figure) {
        setNumber(results, column, *figure);
    }
}

void set(RowResults& results, ResultColumn lower, ResultColumn upper,
         const Figure<Interval>& figure) {
    if (figure) {
        setNumber(results, lower, figure->lower);
        setNumber(results, upper, figure->upper);
    }
}

void setTest(RowResults& results, const TTest& test, ResultColumn first) {
    const auto at = [first](int offset) { return static_cast<ResultColumn>(int(first) + offset); };
    set(results, at(0), test.t);
    set(results, at(1), test.df);
    set(results, at(2), test.pTwoTailed);
    set(results, at(3), test.pM1Greater);
    set(results, at(4), test.pM1Less);
}

// Each factor and its log; a factor beyond the range of a double leaves its cell empty while its
// log shows. One that cannot be computed says so in the row's error, where a column wants it.
void setBayesFactors(RowResults& results, const BayesFactors& factors,
                     const std::array<bool, resultColumnCount>& wanted) {
    struct Part {
        const Figure<double>& log;
        ResultColumn factor;
        ResultColumn logColumn;
        const char* name;
    };
    const Part parts[] = {{factors.logBf10, C::Bf10, C::LogBf10, "BF10"},
                          {factors.logBfPlus, C::BfPlus, C::LogBfPlus, "BF+0"},
                          {factors.logBfMinus, C::BfMinus, C::LogBfMinus, "BF-0"}};
    for (const Part& part : parts) {
        if (part.log) {
            const double factor = std::exp(*part.log);
            if (std::isfinite(factor) && factor > 0) {
                setNumber(results, part.factor, factor);
            }
            setNumber(results, part.logColumn, *part.log);
        } else if (part.log.why() == Undefined::NotFound &&
                   (wanted[static_cast<std::size_t>(part.factor)] ||
                    wanted[static_cast<std::size_t>(part.logColumn)])) {
            addError(results, BatchText::tr("%1 cannot be computed: its integral does not settle.")
                                  .arg(QLatin1String(part.name)));
        }
    }
}

// A Bayes factor given as its log, where a double holds it.
void setFactor(RowResults& results, ResultColumn column, const Figure<double>& log) {
    if (log && std::isfinite(std::exp(*log))) {
        setNumber(results, column, std::exp(*log));
    }
}

// The posterior of delta and BF10 against the prior scale; a figure that cannot be worked is
// named in the row's error where a column wants it.
void setBayesDetails(RowResults& results, const TwoSampleReport& report,
                     const std::array<bool, resultColumnCount>& wanted) {
    const auto wants = [&](std::initializer_list<ResultColumn> columns) {
        return std::any_of(columns.begin(), columns.end(),
                           [&](ResultColumn c) { return wanted[static_cast<std::size_t>(c)]; });
    };
    if (report.posterior) {
        setNumber(results, C::DeltaMedian, report.posterior->median);
        setNumber(results, C::DeltaCriLo, report.posterior->credible.lower);
        setNumber(results, C::DeltaCriHi, report.posterior->credible.upper);
    } else if (report.posterior.why() == Undefined::NotFound &&
               wants({C::DeltaMedian, C::DeltaCriLo, C::DeltaCriHi})) {
        addError(results, BatchText::tr("The posterior of delta cannot be computed: its integral "
                                        "does not settle."));
    }
    if (!report.robustness) {
        return;
    }
    const BayesRobustness& robustness = *report.robustness;
    setFactor(results, C::Bf10R05, robustness.logBfHalf);
    setFactor(results, C::Bf10Wide, robustness.logBfWide);
    setFactor(results, C::Bf10Ultrawide, robustness.logBfUltrawide);
    if (robustness.largest) {
        setFactor(results, C::Bf10Max, robustness.largest->logBf10);
        setNumber(results, C::RMax, robustness.largest->r);
    }
    const bool missing = !robustness.logBfHalf || !robustness.logBfWide ||
                         !robustness.logBfUltrawide || !robustness.largest;
    if (missing && wants({C::Bf10R05, C::Bf10Wide, C::Bf10Ultrawide, C::Bf10Max, C::RMax})) {
        addError(results, BatchText::tr("BF10 against the prior scale cannot be computed: an "
                                        "integral does not settle."));
    }
}

void setReport(RowResults& results, const TwoSampleReport& report,
               const std::array<bool, resultColumnCount>& wanted) {
    setTest(results, report.pooled, C::TPooled);
    setNumber(results, C::Diff, report.difference);
    set(results, C::CiPooledLo, C::CiPooledHi, report.pooled.differenceCi);
    setTest(results, report.welch, C::TWelch);
    set(results, C::CiWelchLo, C::CiWelchHi, report.welch.differenceCi);
    set(results, C::D, report.cohensD);
    set(results, C::G, report.hedgesG);
    set(results, C::DVar, report.cohensDVariance);
    set(results, C::GVar, report.hedgesGVariance);
    if (report.hedgesGVariance) {
        setNumber(results, C::GSe, std::sqrt(*report.hedgesGVariance));
    }
    set(results, C::DCiLo, C::DCiHi, report.cohensDCi);
    set(results, C::GCiLo, C::GCiHi, report.hedgesGCi);
    set(results, C::PRangePooledLo, C::PRangePooledHi, report.pRangePooled);
    set(results, C::PRangeWelchLo, C::PRangeWelchHi, report.pRangeWelch);
    setBayesFactors(results, report.bayesFactors, wanted);
    setBayesDetails(results, report, wanted);
    set(results, C::PTostPooled, report.equivalence.pooled.p);
    set(results, C::PTostWelch, report.equivalence.welch.p);
    set(results, C::TostBound, report.equivalence.bound);
}

// The window's three results, as the window writes them.
void setWindowResults(RowResults& results, const Summary& in, const QLocale& locale) {
    // checkSummary refuses a df of 0 or beyond 32 bits.
    const auto freedom = static_cast<std::int32_t>(studentInputs(in).df);
    setNumber(results, C::Df, freedom);
    const double t = studentT(in);
    setNumber(results, C::T, t);
    cell(results, C::T).text = number_text::fromDouble(t, locale).toStdString();
    QString p;
    Statistics().PStudent(t, freedom, p, locale);
    setText(results, C::PClass, p.toStdString());
}

bool isBlank(std::string_view text) {
    return text.find_first_not_of(" \t") == std::string_view::npos;
}

// The message of a row whose field count is not the header's. Cells beyond the header are
// named, so that the user finds them after the results, where they are written.
QString widthMessage(const RecordBatch& batch, std::size_t record, std::size_t fields,
                     std::size_t headerWidth) {
    if (fields < headerWidth) {
        return fields == 1 ? BatchText::tr("Row has 1 field; the header has %1.").arg(headerWidth)
                           : BatchText::tr("Row has %1 fields; the header has %2.")
                                 .arg(fields)
                                 .arg(headerWidth);
    }
    constexpr std::size_t named = 5;
    QStringList extra;
    for (std::size_t k = headerWidth; k < fields && k < headerWidth + named; ++k) {
        const std::string_view text = batch.field(record, k);
        extra.append(u'"' + QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())) +
                     u'"');
    }
    if (fields > headerWidth + named) {
        extra.append(QStringLiteral("\u2026"));
    }
    return BatchText::tr("Row has %1 fields; the header has %2. The cells beyond it (%3) are "
                         "written after the results.")
        .arg(fields)
        .arg(headerWidth)
        .arg(extra.join(QLatin1String(", ")));
}

} // namespace

std::size_t usedFieldCount(const RecordBatch& batch, std::size_t record, std::size_t headerWidth) {
    std::size_t fields = batch.fieldCount(record);
    while (fields > headerWidth && isBlank(batch.field(record, fields - 1))) {
        --fields;
    }
    return fields;
}

bool isBlankRecord(const RecordBatch& batch, std::size_t record, std::size_t headerWidth) {
    const std::size_t fields = usedFieldCount(batch, record, headerWidth);
    for (std::size_t k = 0; k < fields; ++k) {
        if (!isBlank(batch.field(record, k))) {
            return false;
        }
    }
    return true;
}

void addError(RowResults& results, const QString& message) {
    Cell& target = cell(results, C::Error);
    if (target.kind == Cell::Kind::Text) {
        target.text += ' ';
    } else {
        target.kind = Cell::Kind::Text;
        target.text.clear();
    }
    target.text += narrow(message);
}

void setNumber(RowResults& results, ResultColumn column, double value) {
    Cell& target = results[static_cast<std::size_t>(column)];
    target.kind = Cell::Kind::Number;
    target.number = value;
    target.text.clear();
}

void setText(RowResults& results, ResultColumn column, std::string text) {
    Cell& target = results[static_cast<std::size_t>(column)];
    target.kind = Cell::Kind::Text;
    target.text = std::move(text);
}

void RowCalculator::calculate(const RecordBatch& batch, std::size_t record, RowResults& results,
                              std::optional<Summary>* checked) const {
    clearUpperVectorState();
    for (Cell& each : results) {
        each.kind = Cell::Kind::Empty;
    }
    if (checked) {
        checked->reset();
    }
    try {
        calculateChecked(batch, record, results, checked);
    } catch (const std::exception& error) {
        for (Cell& each : results) {
            each.kind = Cell::Kind::Empty;
        }
        if (checked) {
            checked->reset();
        }
        setText(results, C::Error, std::string("Cannot calculate: ") + error.what());
    }
}

void RowCalculator::calculateChecked(const RecordBatch& batch, std::size_t record,
                                     RowResults& results, std::optional<Summary>* checked) const {
    // Spreadsheets export the empty rows under a table as ",,,,": like blank lines, not errors.
    if (isBlankRecord(batch, record, m_headerWidth)) {
        return;
    }
    const std::size_t fields = usedFieldCount(batch, record, m_headerWidth);
    if (fields != m_headerWidth) {
        setText(results, C::Error, narrow(widthMessage(batch, record, fields, m_headerWidth)));
        return;
    }
    if (m_needs.anyCheck) {
        m_checks.setPCheck(batch, record, m_needs, results);
    }
    if (!m_columns.present) {
        return;
    }
    std::array<std::string_view, summaryFieldCount> texts;
    for (std::size_t k = 0; k < texts.size(); ++k) {
        texts[k] = batch.field(record, m_columns.index[k]);
    }
    const RowFields row(m_style, texts, m_columns.givenAsSe);
    Summary in;
    if (const auto problem = checkSummary(row, in)) {
        setText(results, C::Error, row.message(*problem).toStdString());
        return;
    }
    if (checked) {
        *checked = in;
    }
    if (m_needs.window) {
        setWindowResults(results, in, m_style.locale());
    }
    if (m_needs.anyReport || m_needs.plan) {
        ReportRequest request = m_needs.request;
        if (request.roundingRange) {
            request.rounding = row.typedRounding();
        }
        const TwoSampleReport report = twoSampleReport(in, request);
        setReport(results, report, m_needs.columns);
        explainMissingFigures(results, report, m_needs.columns);
        if (m_needs.plan) {
            setPlanCells(results, in, report, *m_needs.plan, m_needs);
        }
    }
    if (m_needs.anyCheck) {
        m_checks.setSummaryChecks(batch, record, in, row.typedRounding(), results);
    }
}

} // namespace lx::cli
