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

bool isDigit(char c) {
    return c >= '0' && c <= '9';
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

bool isPlain(std::string_view text, char decimalPoint) {
    return decimalPoint != 0 && text.size() <= plainLengthLimit &&
           plainLength(text, decimalPoint) == text.size() && !text.empty();
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
    return text(field).empty();
}

double RowFields::toDouble(SummaryField field) const {
    const double value = m_style.toDouble(text(field));
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
    if (m_style.refusesGrouping(text(problem.field))) {
        return BatchText::tr("%1 \"%2\" holds a group separator, so it could mean another "
                             "number; write it without one, or give --grouping.")
            .arg(fieldName(problem.field), qText(text(problem.field)));
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
