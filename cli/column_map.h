// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "column_names.h"
#include "row_results.h"

#include <QString>

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace lx::cli {

// The columns --map names outright: a header name as written, or a 1-based column number.
struct ColumnMap {
    std::array<std::optional<QString>, summaryInputCount> summary;
    std::array<std::optional<QString>, checkInputCount> checks; // in the order of CheckInput
};

// Reads "n1=Total_E,m1=Mean_E,sd1=3,t_reported=t,..."; a usage message when it is not of that
// form.
std::variant<ColumnMap, QString> parseColumnMap(const QString& text);

// Puts the mapped check inputs into columns; a message when the header lacks a mapped column.
std::optional<QString> mapCheckColumns(const std::vector<std::string>& header, const ColumnMap& map,
                                       CheckColumns& columns);

// Whether the header holds any summary input, by its aliases or by the map.
bool hasSummaryInput(const std::vector<std::string>& header, const ColumnMap& map);

// Whether a row reads as a header of summary figures: two names or more for each of N, mean and
// SD (or SE), by their usual names or by their last word ("Control SD"). A title does not.
bool namesSummaryFigures(const std::vector<std::string>& header);

// Finds the six summary figures: mapped columns first, then the aliases of each input
// (n1, size1, count1, total1, n1i, anzahl1, fallzahl1, stichprobenumfang1; m1, mean1, avg1,
// average1, m1i, mittelwert1, mw1; sd1, std1, stdev1, s1, sd1i, standardabweichung1; se1, sem1,
// standardfehler1). A message when a column is ambiguous or missing: it shows the header as read
// with its delimiter, what would have matched and, where the header makes it plain, a --map line to
// type.
std::variant<SummaryColumns, QString> mapSummaryColumns(const std::vector<std::string>& header,
                                                        const ColumnMap& map, char delimiter);

} // namespace lx::cli
