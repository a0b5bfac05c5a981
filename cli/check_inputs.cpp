// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "check_inputs.h"

#include "batch_text.h"
#include "column_map.h"

#include "platform/core/runtime_error.h"
#include "stats/granularity.h"

#include <QStringList>

#include <cmath>
#include <cstring>
#include <exception>

namespace lx::cli {

namespace {

using C = ResultColumn;

constexpr std::array<std::string_view, checkInputCount> checkInputNames = {
    "treported", "dfreported", "preported", "items1", "items2", "tailsreported"};
constexpr std::array<std::string_view, checkInputCount> checkInputLabels = {
    "t_reported", "df_reported", "p_reported", "items1", "items2", "tails_reported"};

QString label(CheckInput input) {
    const std::string_view name = checkInputLabels[static_cast<std::size_t>(input)];
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

bool isBlank(std::string_view text) {
    return text.find_first_not_of(" \t") == std::string_view::npos;
}

void addCheckError(RowResults& results, const QString& message) {
    Cell& target = results[static_cast<std::size_t>(C::CheckError)];
    if (target.kind == Cell::Kind::Text) {
        target.text += "; ";
    } else {
        target.kind = Cell::Kind::Text;
        target.text.clear();
    }
    target.text += narrow(message);
}

const char* pVerdictWord(reported::PVerdict verdict) {
    switch (verdict) {
    case reported::PVerdict::Consistent:
        return "consistent";
    case reported::PVerdict::Inconsistent:
        return "inconsistent";
    case reported::PVerdict::DecisionError:
        return "decision_error";
    case reported::PVerdict::ConsistentOtherTail:
        return "consistent_other_tail";
    case reported::PVerdict::Impossible:
        return "impossible";
    }
    return "";
}

const char* fitWord(reported::FitVerdict verdict) {
    switch (verdict) {
    case reported::FitVerdict::ConsistentPooled:
        return "consistent_pooled";
    case reported::FitVerdict::ConsistentWelch:
        return "consistent_welch";
    case reported::FitVerdict::ConsistentBoth:
        return "consistent_both";
    case reported::FitVerdict::Inconsistent:
        return "inconsistent";
    }
    return "";
}

const char* granularityWord(granularity::Verdict verdict) {
    switch (verdict) {
    case granularity::Verdict::Consistent:
        return "consistent";
    case granularity::Verdict::Inconsistent:
        return "inconsistent";
    case granularity::Verdict::Untestable:
        return "untestable";
    }
    return "";
}

} // namespace

QString checkInputLabel(CheckInput input) {
    return label(input);
}

CheckColumns findCheckInputs(const std::vector<std::string>& header) {
    CheckColumns found;
    for (std::size_t k = 0; k < header.size(); ++k) {
        const std::string key = nameKey(header[k]);
        for (std::size_t input = 0; input < checkInputCount; ++input) {
            if (key == checkInputNames[input] && !found[input]) {
                found[input] = k;
            }
        }
    }
    return found;
}

std::string_view RowChecks::field(const RecordBatch& batch, std::size_t record,
                                  CheckInput input) const {
    const auto& column = m_columns[static_cast<std::size_t>(input)];
    return column ? batch.field(record, *column) : std::string_view();
}

namespace {

// A reported number as typed, or nullopt with the reason in check_error.
std::optional<reported::Typed> typedNumber(const NumberStyle& style, std::string_view text,
                                           CheckInput input, RowResults& results) {
    if (isBlank(text)) {
        return std::nullopt;
    }
    try {
        const double value = style.toDouble(text);
        // An exponent form is taken as exact.
        return reported::Typed{value, style.typedDecimals(text).value_or(15)};
    } catch (const std::exception&) {
        addCheckError(results, BatchText::tr("%1 is not a number").arg(label(input)));
        return std::nullopt;
    }
}

// How a table may write the tails of a test.
std::optional<reported::Tails> tailsNamed(std::string_view text) {
    QString name = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))
                       .trimmed()
                       .toLower()
                       .remove(QLatin1Char(' '));
    for (const char* suffix : {"-tailed", "tailed", "-sided", "sided"}) {
        if (name.endsWith(QLatin1String(suffix))) {
            name.chop(static_cast<qsizetype>(std::strlen(suffix)));
            break;
        }
    }
    if (name == QLatin1String("1") || name == QLatin1String("one")) {
        return reported::Tails::One;
    }
    if (name == QLatin1String("2") || name == QLatin1String("two")) {
        return reported::Tails::Two;
    }
    return std::nullopt;
}

} // namespace

std::optional<reported::Tails> RowChecks::tails(const RecordBatch& batch, std::size_t record,
                                                RowResults& results) const {
    const std::string_view text = field(batch, record, CheckInput::TailsReported);
    if (isBlank(text)) {
        return m_settings.oneTailed ? reported::Tails::One : reported::Tails::Two;
    }
    if (const auto named = tailsNamed(text)) {
        return named;
    }
    addCheckError(results,
                  BatchText::tr("tails_reported must be 1 or 2, not \"%1\"")
                      .arg(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))));
    return std::nullopt;
}

void RowChecks::reportMissing(const RecordBatch& batch, std::size_t record,
                              const ResultNeeds& needs, RowResults& results) const {
    const auto has = [&](CheckInput input) {
        return m_columns[static_cast<std::size_t>(input)].has_value();
    };
    // A table without a t or df column has no p to check in any row: that is no row's fault.
    // Its reported p counts only where its check is wanted.
    if (!has(CheckInput::TReported) || !has(CheckInput::DfReported)) {
        return;
    }
    const bool withP = needs.has(C::PCheck) && has(CheckInput::PReported);
    QStringList given;
    QStringList missing;
    for (const CheckInput input :
         {CheckInput::TReported, CheckInput::DfReported, CheckInput::PReported}) {
        if (input != CheckInput::PReported || withP) {
            (isBlank(field(batch, record, input)) ? missing : given).append(label(input));
        }
    }
    if (given.isEmpty() || missing.isEmpty()) {
        return;
    }
    const QString what = withP || !needs.has(C::PRecomputed) ? QStringLiteral("p_check")
                                                             : QStringLiteral("p_recomputed");
    addCheckError(
        results,
        missing.size() == 1
            ? BatchText::tr("%1 is empty, so %2 cannot be worked out").arg(missing.front(), what)
            : BatchText::tr("%1 and %2 are empty, so %3 cannot be worked out")
                  .arg(missing[0], missing[1], what));
}

void RowChecks::setPCheck(const RecordBatch& batch, std::size_t record, const ResultNeeds& needs,
                          RowResults& results) const {
    if (needs.has(C::PCheck) || needs.has(C::PRecomputed)) {
        reportMissing(batch, record, needs, results);
    }
    const auto t = typedNumber(m_style, field(batch, record, CheckInput::TReported),
                               CheckInput::TReported, results);
    const auto df = typedNumber(m_style, field(batch, record, CheckInput::DfReported),
                                CheckInput::DfReported, results);
    if (df && !(df->value > 0)) {
        addCheckError(results, BatchText::tr("df_reported must be greater than 0"));
        return;
    }
    if (!t || !df) {
        return;
    }
    const auto rowTails = tails(batch, record, results);
    if (!rowTails) {
        return;
    }
    const std::string_view pText = field(batch, record, CheckInput::PReported);
    const auto p = reported::parseP(pText, m_settings.alpha);
    if (!pText.empty() && !p) {
        addCheckError(results, BatchText::tr("p_reported: cannot read \"%1\"")
                                   .arg(QString::fromUtf8(pText.data(),
                                                          static_cast<qsizetype>(pText.size()))));
    }
    if (!p || !needs.has(C::PCheck)) {
        if (!needs.has(C::PRecomputed)) {
            return;
        }
        if (const auto recomputed = reported::recomputedP(*t, df->value, *rowTails)) {
            setNumber(results, C::PRecomputed, *recomputed);
        } else {
            addCheckError(results, BatchText::tr("the p of t_reported cannot be computed"));
        }
        return;
    }
    const Figure<reported::PCheck> check =
        reported::checkP(*t, df->value, *p, m_settings.alpha, *rowTails);
    if (!check) {
        addCheckError(results, BatchText::tr("the p of t_reported cannot be computed"));
        return;
    }
    setNumber(results, C::PRecomputed, check->recomputed);
    setText(results, C::PCheck, pVerdictWord(check->verdict));
}

void RowChecks::setSummaryChecks(const RecordBatch& batch, std::size_t record,
                                 const Summary& summary, const TypedRounding& rounding,
                                 RowResults& results) const {
    RowResults ignored; // the p check reported its own problems with these inputs
    if (const auto t = typedNumber(m_style, field(batch, record, CheckInput::TReported),
                                   CheckInput::TReported, ignored)) {
        if (const auto verdict = reported::checkT(*t, summary, rounding)) {
            setText(results, C::TCheck, fitWord(*verdict));
        }
    }
    if (const auto df = typedNumber(m_style, field(batch, record, CheckInput::DfReported),
                                    CheckInput::DfReported, ignored)) {
        if (const auto verdict = reported::checkDf(*df, summary, rounding)) {
            setText(results, C::DfCheck, fitWord(*verdict));
        }
    }
    const auto itemsOf = [&](CheckInput input) -> std::optional<std::int32_t> {
        const std::string_view text = field(batch, record, input);
        if (text.empty()) {
            return m_settings.items;
        }
        double value = 0;
        try {
            value = m_style.toDouble(text);
        } catch (const std::exception&) {
            value = 0;
        }
        if (!(value >= 1 && value <= 1e6 && value == std::floor(value))) {
            addCheckError(
                results,
                BatchText::tr("%1 must be a whole number from 1 to 1000000").arg(label(input)));
            return std::nullopt;
        }
        return static_cast<std::int32_t>(value);
    };
    const auto setGranularity =
        [&](std::int32_t n, double mean, const std::optional<int>& meanDigits, double sd,
            const std::optional<int>& sdDigits, std::int32_t items, C meanColumn, C sdColumn) {
            if (!meanDigits) {
                setText(results, meanColumn, "untestable");
                setText(results, sdColumn, "untestable");
                return;
            }
            const granularity::Rounded m{mean, *meanDigits};
            setText(results, meanColumn, granularityWord(granularity::meanVerdict(n, m, items)));
            setText(results, sdColumn,
                    granularityWord(sdDigits ? granularity::sdVerdict(n, m, {sd, *sdDigits}, items)
                                             : granularity::Verdict::Untestable));
        };
    if (const auto items = itemsOf(CheckInput::Items1)) {
        setGranularity(summary.n1, summary.m1, rounding.m1.decimals, summary.sd1,
                       rounding.sd1.decimals, *items, C::GrimM1, C::GrimSd1);
    }
    if (const auto items = itemsOf(CheckInput::Items2)) {
        setGranularity(summary.n2, summary.m2, rounding.m2.decimals, summary.sd2,
                       rounding.sd2.decimals, *items, C::GrimM2, C::GrimSd2);
    }
}

} // namespace lx::cli
