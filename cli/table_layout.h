// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "column_map.h"
#include "row_results.h"
#include "table_writer.h"

#include <QStringList>

#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace lx::cli {

// What a header row says about a table: where its six figures are and what goes out.
struct TableLayout {
    SummaryColumns summary;
    CheckColumns checks;
    std::vector<OutputColumn> output;
    std::array<bool, resultColumnCount> wanted{};
};

// The layout for a header (the six inputs found by mapSummaryColumns, other names matched
// case-insensitively with blanks around them ignored, or given by their number from 1) and
// the wanted columns (all input columns and all results when absent), or a message saying
// which column is missing or unknown. Result columns are named with prefix in front; in
// columns a result may be named with or without it. A table of reported t, df or p without
// any of the six summary columns gets only the results that need no summary.
std::variant<TableLayout, std::string> layoutFor(const std::vector<std::string>& header,
                                                 const std::optional<QStringList>& columns,
                                                 const std::string& prefix = {},
                                                 const ColumnMap& map = {}, char delimiter = ',');

// A message when two output columns have one name and either is a result (or, for JSON lines,
// whatever they are), so the user cannot tell them apart.
std::optional<std::string> outputNameClash(const std::vector<OutputColumn>& output, bool jsonLines);

} // namespace lx::cli
