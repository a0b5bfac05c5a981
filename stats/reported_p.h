// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringView>

#include <optional>
#include <string_view>

// Numbers and p values as papers print them: one grammar for the batch tool's reported columns
// and for the text check, so that both read the same forms.
namespace lx::reported {

// A reported number and the decimals it was typed with.
struct Typed {
    double value = 0;
    int decimals = 0;
};

// A number as a paper prints it, with '.' or ',' as its decimal mark (".03", ",03", "2,20",
// "-2.2") and the decimals it was printed with; nullopt when it is not one.
std::optional<Typed> typedNumber(QStringView text);

// A number times a power of ten ("1.2e-5", "2.3 x 10^-4"): the decimals count those the
// power shifts too, so 1.2e-5 stands for [1.15e-5, 1.25e-5].
std::optional<Typed> scaledNumber(QStringView mantissa, int exponent);

// A reported p: "= .038", "< .05", "> .05", or "ns".
struct ReportedP {
    enum class Relation { Equal, Less, Greater };
    Relation relation = Relation::Equal;
    double value = 0;
    int decimals = 0; // of an equal p: it stands for value +- half a unit of its last digit
    bool notSignificant = false; // "ns": above alpha, whichever alpha the reader judges at
};

// Reads a p as printed: an optional "p", "P", "p-value" or "p value", then "=", "<", "<=", ">",
// ">=", "≤", "≥" or nothing, then a number with '.' or ',' as decimal mark (".038", "0.038"),
// perhaps times a power of ten ("2.3e-5", "9.4.E-07" as a spreadsheet's export prints it,
// "2.3 × 10^-5", "2.3 x 10-5", "2.3 × 10⁻⁵", its minus a minus sign or an en dash); or "ns" /
// "n.s." / "not significant", also after "=". Blanks are ignored; "‹" and "›" read as "<" and ">".
// nullopt when the text is none of these or the value is below 0; a value above 1 is read, as a
// paper may print one, and left to the caller to judge.
std::optional<ReportedP> readP(QStringView text);

// readP for a table's column: a value above 1 is no p, and "ns" stands for a p above alpha.
std::optional<ReportedP> parseP(std::string_view text, double alpha);

} // namespace lx::reported
