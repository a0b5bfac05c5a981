// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "check_inputs.h"
#include "csv_records.h"
#include "number_fields.h"
#include "result_cells.h"
#include "result_columns.h"

#include <array>
#include <optional>
#include <string>

namespace lx::cli {

// Where a table holds the six figures, and whether a side gives its SE instead of its SD.
struct SummaryColumns {
    std::array<std::size_t, summaryFieldCount> index{};
    std::array<bool, 2> givenAsSe{};
    bool present = true; // a table of reported results alone has none
    // Which arm is which set, for standard error, when the header names the arms, not sets.
    std::string groupsNote;
};

// The fields of a record that count: blank fields beyond the header's width, which
// spreadsheets export after the last column, do not.
std::size_t usedFieldCount(const RecordBatch& batch, std::size_t record, std::size_t headerWidth);

// Whether a record holds only blanks, as the rows of delimiters under a spreadsheet's table do.
bool isBlankRecord(const RecordBatch& batch, std::size_t record, std::size_t headerWidth);

// The results of one row, through the window's checks and the report engine.
class RowCalculator {
public:
    RowCalculator(const NumberStyle& style, const SummaryColumns& columns, const ResultNeeds& needs,
                  std::size_t headerWidth, const CheckColumns& checkColumns,
                  const CheckSettings& checkSettings)
        : m_style(style)
        , m_columns(columns)
        , m_needs(needs)
        , m_headerWidth(headerWidth)
        , m_checks(style, checkColumns, checkSettings) {}

    // Never throws: whatever goes wrong becomes the row's error. checked, when given, gets the
    // row's summary once it has passed its checks, and nothing else.
    void calculate(const RecordBatch& batch, std::size_t record, RowResults& results,
                   std::optional<Summary>* checked = nullptr) const;

private:
    void calculateChecked(const RecordBatch& batch, std::size_t record, RowResults& results,
                          std::optional<Summary>* checked) const;

    const NumberStyle& m_style;
    SummaryColumns m_columns;
    const ResultNeeds& m_needs;
    std::size_t m_headerWidth;
    RowChecks m_checks;
};

} // namespace lx::cli
