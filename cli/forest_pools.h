// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "forest_rows.h"
#include "pool_run.h"

#include "stats/meta_analysis.h"

namespace lx::cli {

// The figures of a pooled row as the pictures take them, from the columns the pool file writes:
// a figure the row leaves empty is NaN, so that its diamond is not drawn, and no prediction
// interval beyond the confidence interval where the row has none.
meta::Pooled pooledFigures(const PoolRow& row);

// Puts the pooled results of run under the entries of rows, as the forest plot and the funnel
// plot draw them: the first method's rows (those that the summary line states), each with its
// sentence as poolSummaryText writes it in the table's locale. Without subgroups, one result
// under every entry. With them, the entries regrouped so that each subgroup's are together, in
// the order of run's subgroups and each in its table order (the entries with a blank cell
// last), a result under each subgroup, and the overall one under them all. The entries take
// the effect's name and the level of run.
void addPools(ForestRows& rows, const PoolRun& run);

} // namespace lx::cli
