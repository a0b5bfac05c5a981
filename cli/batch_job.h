// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "batch_options.h"

#include <cstdio>

namespace lx::cli {

// Reads the table, writes the results to out in input order and messages to err.
// The message for a failed write of the results; error is its errno.
void reportWriteError(int error, std::FILE* err);

ExitStatus runBatch(const BatchOptions& options, std::FILE* out, std::FILE* err);

} // namespace lx::cli
