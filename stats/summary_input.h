// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QString>

#include <array>
#include <cstdint>
#include <optional>

namespace lx {

// The six figures of a two-sample summary, in the order they are typed and checked.
enum class SummaryField { N1, M1, SD1, N2, M2, SD2 };
constexpr int summaryFieldCount = 6;

// Their names as the user sees them ("N1", "SD2").
QString summaryFieldName(SummaryField field);

// A checked two-sample summary: N of at least 1, finite means and SDs of at least 0.
struct Summary {
    std::int32_t n1 = 0;
    double m1 = 0;
    double sd1 = 0;
    std::int32_t n2 = 0;
    double m2 = 0;
    double sd2 = 0;
};

// What is wrong with a summary's text, and in which field.
struct SummaryProblem {
    SummaryField field;
    QString message;
};

// The six texts of a summary, indexed by SummaryField.
using SummaryTexts = std::array<QString, summaryFieldCount>;

// The six fields as a caller holds them: whether each is empty, and its value as the platform's
// locale-aware conversion gives it (RuntimeError TypeMismatch or Overflow when it has none).
// Lets a caller with a faster exact conversion share every check and message.
class SummaryFields {
public:
    virtual ~SummaryFields() = default;
    virtual bool isEmpty(SummaryField field) const = 0;
    virtual double toDouble(SummaryField field) const = 0;
};

// checkSummary over fields held some other way than as the window's texts.
std::optional<SummaryProblem> checkSummary(const SummaryFields& fields, Summary& summary);

// Reads and checks the six texts in their order. Empty texts come first ("Please enter
// N1"...); then each text in turn must convert and must leave the calculation well defined
// given the ones before it, so that t is a finite number. On success `summary` holds the values.
std::optional<SummaryProblem> checkSummary(const SummaryTexts& texts, const QLocale& locale,
                                           Summary& summary);

} // namespace lx
