// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pool_run.h"
#include "table_sniff.h"

#include <QString>

#include <string>

namespace lx::cli {

// The pool file's text: a header and one line per pooled row in CSV or TSV (with the table's
// delimiter, decimal mark, line end and byte-order mark), or JSON lines; numbers as the table's
// results are written.
std::string poolFileText(const PoolRun& run, const TableFormat& format);

// Writes it to the file --pool names; false with the reason in error.
bool writePoolFile(const PoolRun& run, const TableFormat& format, QString& error);

} // namespace lx::cli
