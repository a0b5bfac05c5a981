// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "csv_records.h"
#include "number_fields.h"
#include "row_results.h"

#include <string>
#include <vector>

namespace lx::cli {

enum class OutputFormat { Csv, Tsv, Jsonl };

// One output column: an input column passed through, or a result.
struct OutputColumn {
    std::string name;
    bool fromInput = false;
    std::size_t inputIndex = 0;
    ResultColumn result = ResultColumn::Error;
};

// Writes rows as CSV (RFC 4180 quoting where needed), TSV (backslash escapes) or JSON lines
// (input fields as strings, results as numbers, empty cells as null). A number's own text
// (Cell::text) is what CSV and TSV show; JSON lines hold the number.
// The cells of a row beyond the header's width are kept: after the columns in CSV and TSV, as
// an array under extraKey in JSON lines.
class TableWriter {
public:
    TableWriter(OutputFormat format, char delimiter, const NumberStyle& style,
                std::vector<OutputColumn> columns, std::size_t headerWidth,
                std::string extraKey = "extra_cells", std::string lineEnd = "\n")
        : m_format(format)
        , m_delimiter(delimiter)
        , m_style(style)
        , m_columns(std::move(columns))
        , m_headerWidth(headerWidth)
        , m_extraKey(std::move(extraKey))
        , m_lineEnd(std::move(lineEnd)) {}

    std::size_t headerWidth() const { return m_headerWidth; }
    void appendHeader(std::string& out) const;
    void appendRow(const RecordBatch& batch, std::size_t record, const RowResults& results,
                   std::string& out) const;
    // A row of cells alone, one for each column in order, as a table of the tool's own figures
    // (the pooled results) is written.
    void appendCells(const std::vector<Cell>& cells, std::string& out) const;

private:
    void appendText(std::string_view text, std::string& out) const;
    void appendCell(const Cell& cell, std::string& out) const;
    void appendJsonRow(const RecordBatch& batch, std::size_t record, const RowResults& results,
                       std::string& out) const;

    OutputFormat m_format;
    char m_delimiter;
    const NumberStyle& m_style;
    std::vector<OutputColumn> m_columns;
    std::size_t m_headerWidth;
    std::string m_extraKey;
    std::string m_lineEnd; // of CSV and TSV; JSON lines end in LF
};

} // namespace lx::cli
