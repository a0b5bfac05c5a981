#include "number_fields.h"

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

NumberStyle::NumberStyle(const QLocale& locale)
    : m_locale(locale) {
    // Byte-wise reading needs ASCII digits, '-' and a one-byte separator that is not a digit.
    const QString point = locale.decimalPoint();
    if (point.size() == 1 && point.at(0).unicode() < 0x80 && !point.at(0).isDigit() &&
        locale.zeroDigit() == QLatin1String("0") && locale.negativeSign() == QLatin1String("-")) {
        m_decimalPoint = static_cast<char>(point.at(0).unicode());
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
    return number_text::toDouble(qText(text), m_locale);
}

std::optional<int> NumberStyle::typedDecimals(std::string_view text) const {
    if (isPlain(text, m_decimalPoint)) {
        const std::size_t point = text.find(m_decimalPoint);
        return point == std::string_view::npos ? 0 : static_cast<int>(text.size() - point - 1);
    }
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
    if (m_decimalPoint != 0 && m_decimalPoint != '.') {
        std::replace(out.begin() + static_cast<std::ptrdiff_t>(start), out.end(), '.',
                     m_decimalPoint);
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
    // The check reads N before its SD, so N is known to convert here.
    const SummaryField countField = firstSide ? SummaryField::N1 : SummaryField::N2;
    const std::int32_t count = number_text::roundToLong(m_style.toDouble(text(countField)));
    const double sd = value * std::sqrt(static_cast<double>(count));
    if (!std::isfinite(sd)) {
        throw RuntimeError(ErrorNumber::Overflow);
    }
    return sd;
}

QString RowFields::message(const SummaryProblem& problem) const {
    QString message = problem.message;
    if (m_givenAsSe[0]) {
        message.replace(QLatin1String("SD1"), QLatin1String("SE1"));
    }
    if (m_givenAsSe[1]) {
        message.replace(QLatin1String("SD2"), QLatin1String("SE2"));
    }
    return message;
}

TypedDecimals RowFields::typedDecimals() const {
    // An SD derived from an SE is a computed value: taken as exact.
    TypedDecimals typed;
    typed.m1 = m_style.typedDecimals(text(SummaryField::M1));
    typed.m2 = m_style.typedDecimals(text(SummaryField::M2));
    if (!m_givenAsSe[0]) {
        typed.sd1 = m_style.typedDecimals(text(SummaryField::SD1));
    }
    if (!m_givenAsSe[1]) {
        typed.sd2 = m_style.typedDecimals(text(SummaryField::SD2));
    }
    return typed;
}

} // namespace lx::cli
