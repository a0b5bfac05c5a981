// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "found_result.h"

#include <QRegularExpression>
#include <QString>
#include <QStringView>

#include <optional>
#include <vector>

// What the readers of tables share: their patterns' parts, a row's cells as a result, the
// lines of a text.
namespace lx::text_check::table_rows {

// The text is normalised (finder.h), so valid UTF-16: checking it again at each row would take
// as long as reading it.
constexpr auto normal = QRegularExpression::NormalMatch;
constexpr auto unchecked = QRegularExpression::DontCheckSubjectStringMatchOption;

// How far past a header, or past the last row read, a table's rows are looked for.
constexpr qsizetype rowReach = 600;
// How many lines past a header, or past the last row read, a table of lines goes on.
constexpr std::size_t lineReach = 40;

// A p as a table's cell prints it: a bare number up to 1, perhaps after "<", with stars behind.
inline const QString pCell = QStringLiteral(R"((?:[<>≤≥=]\s*)?(?:0?[.,]\d+|1(?:[.,]0+)?)\**)");
inline const QString signedNumber = QStringLiteral(R"(-?\s?\d+(?:[.,]\d+)?)");

// A result's cells as found, and where it starts and ends in the text.
struct Row {
    QStringView value;
    QStringView df;
    QStringView p;
    qsizetype start = 0;
    qsizetype end = 0;
};

// The result of a row, or nothing where a cell holds no number of its kind.
std::optional<FoundResult> resultOf(Statistic statistic, const Row& row);

// The k-th line of the text, without its line break (a blank in the normalised text).
QStringView lineAt(const QString& plain, const std::vector<qsizetype>& starts, std::size_t k);

} // namespace lx::text_check::table_rows
