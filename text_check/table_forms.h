// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "found_result.h"

#include <QString>

#include <vector>

namespace lx::text_check {

// The t and F(1, df) tests of tables whose header names the columns, each row printing only
// the numbers, in the normalised text (finder.h) with the starts of its lines:
// - "t test (df)" and "P value": "0.60 3.48 (33) .001" is t(33) = 3.48, p = .001, and so is
//   "33 (3.48) .001" (the df first);
// - "(statistic, df, P value)": "t = 0.7, 95, 0.472";
// - "T df p" at a line's end: rows ending "1.9 34 .06";
// - a "|" table with the cells "F-ratio (1, 18)" and "p-value" side by side: a row's cells
//   under them, counted from the right, as a row has its label where the header has none;
// - one cell a line, "t", "df" and "P" on lines of their own: three lines of bare numbers.
// - R's analysis of variance: a term of 1 df, its F and p, with the Residuals line's df;
// A row is read only within a reach of its header or of the row before; a value whose
// parenthesis holds no whole df, as "7.85 (3.73)", is a mean with its SD and no test.
std::vector<FoundResult> readHeaderedTables(const QString& plain,
                                            const std::vector<qsizetype>& lineStarts);

} // namespace lx::text_check
