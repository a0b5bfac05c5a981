// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "number_fields.h"

#include "batch_text.h"

#include "platform/core/number_text.h"
#include "platform/core/runtime_error.h"

#include <charconv>
#include <cmath>

namespace lx::cli {

namespace {

// Longer digit strings go to the platform's reader, so the two can never round differently.
constexpr std::size_t plainLengthLimit = 40;

QString qText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The length of a plain decimal at the start of text, or 0.
std::size_t plainLength(std::string_view text, char decimalPoint) {
    std::size_t at = 0;
    if (at < text.size() && text[at] == '-') {
        ++at;
    }
    const std::size_t intStart = at;
    while (at < text.size() && isDigit(text[at])) {
        ++at;
    }
    if (at == intStart) {
        return 0;
    }
    if (at < text.size() && text[at] == decimalPoint) {
        const std::size_t fractionStart = ++at;
        while (at < text.size() && isDigit(text[at])) {
            ++at;
        }
        if (at == fractionStart) {
            return 0;
        }
    }
    return at;
}

bool isCount(SummaryField field) {
    return field == SummaryField::N1 || field == SummaryField::N2;
}

bool isPlain(std::string_view text, char decimalPoint) {
    return decimalPoint != 0 && text.size() <= plainLengthLimit &&
           plainLength(text, decimalPoint) == text.size() && !text.empty();
}

// A cell of blanks alone is as empty as one with nothing in it: a spreadsheet cell cleared with
// the space bar looks empty to the person who typed it.
bool isBlank(std::string_view text) {
    return text.find_first_not_of(" \t") == std::string_view::npos;
}

} // namespace

NumberStyle::NumberStyle(const QLocale& locale, bool grouping)
    : m_locale(locale)
    , m_groupSeparator(grouping ? QString() : locale.groupSeparator()) {
    const QString point = locale.decimalPoint();
    const bool onePoint =
        point.size() == 1 && point.at(0).unicode() < 0x80 && !point.at(0).isDigit();
    if (onePoint) {
        m_outputDecimalPoint = static_cast<char>(point.at(0).unicode());
    }
    // Byte-wise reading also needs the locale to write its digits and minus sign in ASCII
    // (Swedish or Finnish, say, have a minus sign of their own).
    if (onePoint && locale.zeroDigit() == QLatin1String("0") &&
        locale.negativeSign() == QLatin1String("-")) {
        m_decimalPoint = m_outputDecimalPoint;
    }
}

std::optional<double> plainNumber(std::string_view text, char decimalPoint) {
    if (!isPlain(text, decimalPoint)) {
        return std::nullopt;
    }
    char buffer[plainLengthLimit];
    text.copy(buffer, text.size());
    if (decimalPoint != '.') {
        std::replace(buffer, buffer + text.size(), decimalPoint, '.');
    }
    double value = 0;
    const auto [end, error] = std::from_chars(buffer, buffer + text.size(), value);
    if (error != std::errc() || end != buffer + text.size()) {
        return std::nullopt;
    }
    return value;
}

double NumberStyle::toDouble(std::string_view text) const {
    if (const auto value = plainNumber(text, m_decimalPoint)) {
        return *value;
    }
    if (refusesGrouping(text)) {
        throw RuntimeError(ErrorNumber::TypeMismatch);
    }
    return number_text::toDouble(qText(text), m_locale);
}

bool NumberStyle::refusesGrouping(std::string_view text) const {
    const QString number = qText(text);
    if (m_groupSeparator.isEmpty() || !number.contains(m_groupSeparator)) {
        return false;
    }
    // Only a number the locale reads with its groups could be mistaken; "5,5" is simply no number.
    try {
        number_text::toDouble(number, m_locale);
        return true;
    } catch (const RuntimeError&) {
        return false;
    }
}

bool NumberStyle::reads(std::string_view text) const {
    try {
        toDouble(text);
        return true;
    } catch (const RuntimeError&) {
        return false;
    }
}

QString NumberStyle::otherMarkOptions(std::string_view text) const {
    const bool commaTable = m_outputDecimalPoint == ',';
    const NumberStyle other(commaTable ? QLocale::c() : QLocale(QLocale::German, QLocale::Germany));
    const NumberStyle otherGrouped(other.locale(), true);
    const QString locale =
        commaTable ? QStringLiteral("--locale C") : QStringLiteral("--locale de_DE");
    if (other.reads(text)) {
        return locale;
    }
    return otherGrouped.reads(text) ? locale + QStringLiteral(" --grouping") : QString();
}

std::optional<int> NumberStyle::typedDecimals(std::string_view text) const {
    return lx::typedDecimals(qText(text), m_locale);
}

void NumberStyle::appendShortest(double value, std::string& out) const {
    char buffer[32];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
    if (error != std::errc()) {
        return;
    }
    const std::size_t start = out.size();
    out.append(buffer, end);
    if (m_outputDecimalPoint != '.') {
        std::replace(out.begin() + static_cast<std::ptrdiff_t>(start), out.end(), '.',
                     m_outputDecimalPoint);
    }
}

bool RowFields::isEmpty(SummaryField field) const {
    return isBlank(text(field));
}

bool RowFields::isFractionalCount(SummaryField field) const {
    if (!isCount(field)) {
        return false;
    }
    try {
        const double value = m_style.toDouble(text(field));
        return value != std::floor(value);
    } catch (const RuntimeError&) {
        return false;
    }
}

double RowFields::toDouble(SummaryField field) const {
    // The window rounds an N typed as 2.5; a table's N is copied, and a fraction there is the
    // wrong column or a decimal mark read the wrong way, not a count to round.
    const double value = m_style.toDouble(text(field));
    if (isCount(field) && value != std::floor(value)) {
        throw RuntimeError(ErrorNumber::TypeMismatch);
    }
    const bool firstSide = field == SummaryField::SD1;
    if ((!firstSide && field != SummaryField::SD2) || !m_givenAsSe[firstSide ? 0 : 1]) {
        return value;
    }
    const double sd = value * sqrtCount(field);
    if (!std::isfinite(sd)) {
        throw RuntimeError(ErrorNumber::Overflow);
    }
    return sd;
}

QString RowFields::message(const SummaryProblem& problem) const {
    const std::string_view cell = text(problem.field);
    const QString name = fieldName(problem.field);
    if (isBlank(cell)) {
        // The window asks for what its box lacks ("Please enter SD1"); a table has a cell.
        return BatchText::tr("%1 is empty").arg(name);
    }
    if (m_style.refusesGrouping(cell)) {
        return BatchText::tr("%1 \"%2\" holds a group separator, so it could mean another "
                             "number; write it without one, or give --grouping.")
            .arg(name, qText(cell));
    }
    if (isFractionalCount(problem.field)) {
        const QString options = m_style.otherMarkOptions(cell);
        return options.isEmpty()
                   ? BatchText::tr("%1 \"%2\" is not a whole number.").arg(name, qText(cell))
                   : BatchText::tr("%1 \"%2\" is not a whole number; if it is written with a "
                                   "thousands separator, give %3.")
                         .arg(name, qText(cell), options);
    }
    if (!m_style.reads(cell)) {
        // The decimal mark was found from the first rows; a later row can write the other.
        if (const QString options = m_style.otherMarkOptions(cell); !options.isEmpty()) {
            return m_style.outputDecimalPoint() == ','
                       ? BatchText::tr("%1 \"%2\" has a decimal point, but the table is read "
                                       "with decimal commas; give %3 to read decimal points.")
                             .arg(name, qText(cell), options)
                       : BatchText::tr("%1 \"%2\" has a decimal comma, but the table is read "
                                       "with decimal points; give %3 to read decimal commas.")
                             .arg(name, qText(cell), options);
        }
    }
    QString message = problem.message;
    if (m_givenAsSe[0]) {
        message.replace(QLatin1String("SD1"), QLatin1String("SE1"));
    }
    if (m_givenAsSe[1]) {
        message.replace(QLatin1String("SD2"), QLatin1String("SE2"));
    }
    return message;
}

QString RowFields::fieldName(SummaryField field) const {
    const QString name = summaryFieldName(field);
    const bool asSe = (field == SummaryField::SD1 && m_givenAsSe[0]) ||
                      (field == SummaryField::SD2 && m_givenAsSe[1]);
    return asSe ? QString(name).replace(QLatin1String("SD"), QLatin1String("SE")) : name;
}

double RowFields::sqrtCount(SummaryField sdField) const {
    // The check reads N before its SD, so N is known to convert here.
    const SummaryField countField =
        sdField == SummaryField::SD1 ? SummaryField::N1 : SummaryField::N2;
    const std::int32_t count = number_text::roundToLong(m_style.toDouble(text(countField)));
    return std::sqrt(static_cast<double>(count));
}

TypedRounding RowFields::typedRounding() const {
    const auto typed = [&](SummaryField field) {
        return Rounding::ofDecimals(m_style.typedDecimals(text(field)));
    };
    // SD = SE * sqrt(N) carries the SE's rounding with it; it has no decimals of its own.
    const auto sd = [&](SummaryField field, bool givenAsSe) {
        return givenAsSe ? typed(field).scaled(sqrtCount(field)) : typed(field);
    };
    return {typed(SummaryField::M1), sd(SummaryField::SD1, m_givenAsSe[0]), typed(SummaryField::M2),
            sd(SummaryField::SD2, m_givenAsSe[1])};
}

} // namespace lx::cli
