// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "found_result.h"

#include <QString>

#include <vector>

namespace lx::text_check {

// The tests of "|" tables read by their header's cells: a p column ("p", "P value") with, to
// its left, "F-ratio (1, 18)" or "t(159)" / "t-ratio159" (the df in the header), or "t" and
// "df" side by side in either order. A row's cells are counted from the right, as a row has
// its labels where the header has none ("WISC | Block Scaled | ... | 50 | -0.575 | 0.568").
void readPipeColumns(const QString& plain, const std::vector<qsizetype>& lineStarts,
                     std::vector<FoundResult>& found);

} // namespace lx::text_check
