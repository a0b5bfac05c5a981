// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "batch_options.h"
#include "column_map.h"

#include <QLocale>
#include <QString>

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lx::cli {

// The delimiters a table is tried with, in the order a tie goes.
inline constexpr std::string_view delimiterCandidates = ",;\t|";

// What the first lines of a table say about how it is written.
struct SniffedTable {
    std::optional<char> delimiter; // none when no candidate splits the lines evenly
    bool decimalComma = false;
};

// Columns by how much their numbers say about the table's decimal mark, most first; a column in
// no group says nothing.
using ColumnGroups = std::vector<std::vector<std::size_t>>;
// The columns that tell the decimal mark, given the header as the delimiter splits it.
using DecimalWitnesses = std::function<ColumnGroups(const std::vector<std::string>& header)>;

// Finds the delimiter that splits the header and the first data rows into one number of fields
// (at least two; the most fields wins), unless one is given; then a decimal comma when the
// delimiter is not a comma and the witnesses' numbers in the data rows have more decimal commas
// than points, counted column by column: the first group that shows any decimals decides, so
// a reported p of "0.04" does not outvote a table of means like "5,1". Numbers like "1.500",
// which could hold a group separator, count only where no group shows another decimal.
// start: the first bytes; complete: they are the whole table.
SniffedTable sniffTable(std::string_view start, bool complete, std::optional<char> delimiter,
                        const DecimalWitnesses& witnesses);

// The delimiter a first line "sep=;" declares (Excel's own note, which tools that feed Excel
// write), given the table's first bytes; that line is no part of the table.
std::optional<char> declaredDelimiter(std::string_view start);

// How a table is read and the results written: what the options give, the rest as found.
struct TableFormat {
    char delimiter = ',';
    QLocale locale = QLocale::c();
    OutputFormat output = OutputFormat::Csv;
    char outputDelimiter = ',';
    // The output starts with a UTF-8 byte-order mark: the input had a mark, and the output is a
    // table (Excel reads a CSV file as UTF-8 only by its mark, so "Müller" stays "Müller").
    bool byteOrderMark = false;
    // CSV and TSV lines end as the header's line does (CR LF from Windows); JSON lines in LF.
    std::string lineEnd = "\n";
};
TableFormat tableFormat(const BatchOptions& options, const SniffedTable& found);

// How the first line of text ends, outside quotes: CR LF, CR or LF (also for a single line).
std::string lineEndOf(std::string_view text);

// What was found rather than given, for a user at a terminal; empty when everything was given.
QString foundText(const BatchOptions& options, const TableFormat& format);

// The message for a header that is one field holding a likely delimiter.
std::optional<std::string> singleFieldHeader(const std::vector<std::string>& header);

// A delimiter as the user types it after --delimiter.
const char* delimiterName(char delimiter);

// The columns whose numbers tell how the table writes decimals, most telling first: the summary
// figures, then the other inputs read as numbers (t_reported, df_reported, items1, items2), then
// the columns that pass through. p_reported is left out, as it is read with either mark.
std::vector<std::vector<std::size_t>> decimalWitnesses(const std::vector<std::string>& header,
                                                       const ColumnMap& map);

} // namespace lx::cli
