// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "found_result.h"

#include <QString>

#include <vector>

namespace lx::text_check {

// The t tests of a table whose header names its columns "t test (df)" and "P value" (also
// "t (df)", "p"), each row printing only the numbers: "0.60 3.48 (33) .001 0.04 (-0.45 to 0.54)"
// is t(33) = 3.48, p = .001. Read in the normalised text (finder.h) after such a header, up to
// a reach past its last row; a value whose parenthesis holds no whole df, as "7.85 (3.73)", is
// a mean with its SD and no test.
std::vector<FoundResult> readHeaderedTable(const QString& plain);

} // namespace lx::text_check
