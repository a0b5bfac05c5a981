// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "found_result.h"

#include <QString>

#include <vector>

namespace lx::text_check {

// Gives each result the confidence interval printed after it within its sentence and before the
// next result: "95% CI [0.12, 4.08]", "95% CI = (0.12; 4.08)", "95% CI: 0.12 to 4.08",
// "95% confidence interval [0.12, 4.08]", decimal commas with ';' between the bounds. It is the
// d's or g's when it follows one directly ("d = 0.64, 95% CI [...]").
// text is normalised (finder.h), so valid UTF-16.
void attachIntervals(const QString& text, std::vector<FoundResult>& results);

} // namespace lx::text_check
