// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "planning/plan_settings.h"
#include "result_cells.h"

#include "stats/summary_input.h"
#include "stats/two_sample_report.h"

namespace lx::cli {

// The planning columns of a row, from its summary and its report (which holds the observed d);
// a plan that cannot be made leaves its cells empty and says why in plan_error.
void setPlanCells(RowResults& results, const Summary& summary, const TwoSampleReport& report,
                  const planning::PlanSettings& settings, const ResultNeeds& needs);

} // namespace lx::cli
