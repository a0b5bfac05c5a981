// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "found_result.h"

#include <QString>

#include <vector>

namespace lx::text_check {

// The results the forms read in a normalised text (finder.h), with their statistic, value, df,
// p, where each starts and ends, and whether reading it repaired damage a PDF's font did; in
// the order of the text, none overlapping another. The words around them are not read here.
//
// A test is "t(28)", "t (28)", "t28" (a subscript df flattened, also "t\n28" and "t28,"), "t1,28",
// "F(1, 28)", "F1,28", "t" with ", df = 28" (or " df = 28") after its value, or R's "F = 4.78,
// num df = 1, denom df = 57"; then "=" and the value. Its p
// follows it after ',', ';', ':', '(' or '[', perhaps after an MSE, SE or partial eta squared
// ("F(1, 166) = 4.12, MSE = 0.075, p = .04"), or, where none follows, stands just before the
// test, as a figure's legend prints it ("*p < 0.05, t = 2.69, df = 10"), or, in a table, is the
// bare number in the next cell ("F1,37 = 0.003 | 0.959 |"). A p is "p", "P", "p-value" or
// "p value", its comparison and number (stats/reported_p.h), "ns" or "not significant"; a star
// behind it is left alone. Repaired damage: "F(l, 76)" (the letter l for 1), "pb.001" (b for
// <), "p ! .05" (! for =), "t(60) p 1.98" (p for =), "f = -1.79; d.f. = 23" (f for t). The
// tables whose header names their columns are read too (table_forms.h), by the starts of
// the text's lines.
std::vector<FoundResult> readResultForms(const QString& plain,
                                         const std::vector<qsizetype>& lineStarts);

} // namespace lx::text_check
