// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "stats/summary_input.h"
#include "stats/two_sample_report.h"

#include <QLocale>

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace lx::cli {

// An ASCII digit, whatever the C locale says (std::isdigit depends on it).
inline bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// How the numbers of a table are written: a locale, the one-byte decimal separator that plain
// numbers are read with (0 when the locale's numbers cannot be read byte-wise), and the one the
// tool writes its own numbers with (always one byte; '.' when the locale has none).
class NumberStyle {
public:
    // grouping: the locale's group separators are taken as such ("1.500" is 1500 in German);
    // without it a number that holds one is refused, as it could be meant either way.
    explicit NumberStyle(const QLocale& locale, bool grouping = false);

    const QLocale& locale() const { return m_locale; }
    char decimalPoint() const { return m_decimalPoint; }
    char outputDecimalPoint() const { return m_outputDecimalPoint; }

    // The value of number text exactly as number_text::toDouble gives it (RuntimeError
    // TypeMismatch or Overflow when there is none). Plain decimals are read directly; anything
    // else goes through the platform's conversion.
    double toDouble(std::string_view text) const;

    // The text is a number written with the locale's group separators, and grouping is not
    // allowed.
    bool refusesGrouping(std::string_view text) const;

    // toDouble gives a value for the text.
    bool reads(std::string_view text) const;

    // The options that read text with the other decimal mark ("--locale de_DE" for a table read
    // with points, "--locale C" for one read with commas; "--grouping" added when the text
    // needs it), or empty when they cannot either.
    QString otherMarkOptions(std::string_view text) const;

    // Digits after the decimal separator as typed (see typedDecimals).
    std::optional<int> typedDecimals(std::string_view text) const;

    // The shortest text that reads back as exactly this value, with the output decimal
    // separator and an ASCII minus.
    void appendShortest(double value, std::string& out) const;

private:
    QLocale m_locale;
    char m_decimalPoint = 0;
    char m_outputDecimalPoint = '.';
    QString m_groupSeparator; // empty when grouping is allowed
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
    // How closely the row's means and SDs are known from their text; an SD from an SE has the
    // SE's half-width times sqrt(N). Only for a row checkSummary accepted.
    TypedRounding typedRounding() const;

private:
    std::string_view text(SummaryField field) const {
        return m_texts[static_cast<std::size_t>(field)];
    }
    QString fieldName(SummaryField field) const;      // as the table names it: SE1 for an SE
    bool isFractionalCount(SummaryField field) const; // an N that reads as a fraction
    double sqrtCount(SummaryField sdField) const;     // sqrt(N) of the SD's set
    const NumberStyle& m_style;
    std::array<std::string_view, 6> m_texts;
    std::array<bool, 2> m_givenAsSe;
};

} // namespace lx::cli
