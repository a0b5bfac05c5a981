// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "found_result.h"

#include <QString>

#include <vector>

namespace lx::text_check {

// Every reported result in a text that one of the finder's forms reads (result_forms.h), in
// the order of the text: "t(28) = 2.20, p = .03", "t = 2.20, df = 28, p = .03", "F(1, 28) =
// 4.84, p = .04" (as t squared), flattened subscripts ("t28 = 2.20", "F1,28 = 4.84"), with
// "=", "<", ">", "<=", ">=", "≤", "≥", "ns" or a power of ten ("p = 1.2e-5", "p < 2 x 10^-4",
// "p = 2.1 × 10⁻¹⁸"), a fractional (Welch) df, a capital P, "p-value", the p in parentheses
// after its test or before it in a legend. Any of them with decimal commas ("t(28) = 2,20, p =
// ,03"), Unicode minus signs, dashes and spaces, and line breaks anywhere between its parts.
// Not taken: "t[28]" (no reader can tell a bracket from a citation), "t(2, 28)" and "t(2,28)"
// with decimal points (a t has one df) and a df of 0.
// Beside each: Cohen's d or Hedges' g after it (or before it) in its sentence, group sizes ("n1 =
// 15, n2 = 15", "N = 30") and words that make it one-sided ("one-tailed", "one-sided",
// "directional", German "einseitig"), looked for between it and the results next to it, with
// the direction of a one-sided test's difference against the predicted one (direction.h); and
// the two groups' means and SDs ("M = 5.20, SD = 1.10, n = 15"), stated before it or after.
std::vector<FoundResult> findResults(const QString& text);

// The text with every character a reader takes for a blank, a minus or an apostrophe written
// as one, and a surrogate without its pair as U+FFFD; one character for one, so positions stay
// as they were.
QString normalised(const QString& text);

} // namespace lx::text_check
