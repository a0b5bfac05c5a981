// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "result_cells.h"
#include "result_columns.h"

#include "stats/two_sample_report.h"

namespace lx::cli {

// Names in the row's error every wanted report column left empty, with the reason the report
// gives: a figure asked for is never silently missing. Figures that were not computed because
// their group was not asked for, and the Bayes figures whose integral did not settle (which say
// so themselves), are left out.
void explainMissingFigures(RowResults& results, const TwoSampleReport& report,
                           const std::array<bool, resultColumnCount>& wanted);

} // namespace lx::cli
