// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "check_options.h"

#include <cstdio>

namespace lx::check {

// Checks every input in order on a pool of workers and writes the results to out in input
// order, each file as soon as it and those before it are done; messages and the summaries go
// to err. An input that cannot be read is named with its reason and skipped.
ExitStatus runCheck(const CheckOptions& options, std::FILE* in, std::FILE* out, std::FILE* err);

} // namespace lx::check
