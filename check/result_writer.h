// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "check_options.h"
#include "file_report.h"

#include <QString>

#include <string>

namespace lx::check {

// The output's columns, each with what it holds, for the header and for --help.
struct ColumnInfo {
    const char* name;
    const char* meaning;
};
extern const ColumnInfo outputColumns[];
extern const std::size_t outputColumnCount;

// The header line of a table format; nothing for JSON lines.
std::string headerLine(OutputFormat format);

// The lines of a file's results, one a result.
std::string resultLines(const FileReport& report, OutputFormat format);

} // namespace lx::check
