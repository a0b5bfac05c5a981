// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "batch_options.h"
#include "table_input.h"
#include "table_sniff.h"

#include <QString>

#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace lx::cli {

// The first lines of a table, from its header on, and what they decide of it that the options
// leave open: its delimiter, decimal mark, encoding and line end.
struct TableHead {
    std::string start; // everything read so far, from the input's first byte
    bool atEnd = false;
    std::size_t headerLine = 1; // below a line that declares the delimiter ("sep=;")
    TableFormat format;
};

// One read of the input; its records are the unit of work.
inline constexpr std::size_t readSize = 256 * 1024;

// Reads the head of input into buffer's worth of reads; the message of a failed read.
std::variant<TableHead, QString> readTableHead(TableInput& input, const BatchOptions& options,
                                               std::vector<char>& buffer);

} // namespace lx::cli
