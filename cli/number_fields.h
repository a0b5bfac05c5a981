#pragma once

#include "stats/summary_input.h"
#include "stats/two_sample_report.h"

#include <QLocale>

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace lx::cli {

// How the numbers of a table are written: a locale, and the one-byte decimal separator that
// plain numbers use in it (0 when the locale's numbers cannot be read byte-wise).
class NumberStyle {
public:
    explicit NumberStyle(const QLocale& locale);

    const QLocale& locale() const { return m_locale; }
    char decimalPoint() const { return m_decimalPoint; }

    // The value of number text exactly as number_text::toDouble gives it (RuntimeError
    // TypeMismatch or Overflow when there is none). Plain decimals are read directly; anything
    // else goes through the platform's conversion.
    double toDouble(std::string_view text) const;

    // Digits after the decimal separator as typed (see typedDecimals).
    std::optional<int> typedDecimals(std::string_view text) const;

    // The shortest text that reads back as exactly this value, with this decimal separator.
    void appendShortest(double value, std::string& out) const;

private:
    QLocale m_locale;
    char m_decimalPoint = 0;
};

// A plain decimal: an optional '-', digits, and optionally the decimal separator followed by
// digits; short enough that no reader rounds it differently. Its value, or nullopt for other
// text.
std::optional<double> plainNumber(std::string_view text, char decimalPoint);

// The six figures of one table row. A side given as its standard error (se1, se2) reads as
// SD = SE * sqrt(N); messages about that side name the SE.
class RowFields : public SummaryFields {
public:
    RowFields(const NumberStyle& style, const std::array<std::string_view, 6>& texts,
              const std::array<bool, 2>& givenAsSe)
        : m_style(style)
        , m_texts(texts)
        , m_givenAsSe(givenAsSe) {}

    bool isEmpty(SummaryField field) const override;
    double toDouble(SummaryField field) const override;

    // A problem's message as it reads for this row's columns.
    QString message(const SummaryProblem& problem) const;
    TypedDecimals typedDecimals() const;

private:
    std::string_view text(SummaryField field) const {
        return m_texts[static_cast<std::size_t>(field)];
    }
    const NumberStyle& m_style;
    std::array<std::string_view, 6> m_texts;
    std::array<bool, 2> m_givenAsSe;
};

} // namespace lx::cli
