// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pool_run.h"

#include <QLocale>
#include <QString>

namespace lx::cli {

// The line a run writes on standard error for its first pooled row, in the reporting style:
// "Random effects (REML), k = 10: g = 0.31 [0.12, 0.50], p = .002; τ² = 0.04 [0.00, 0.21],
// I² = 35%; Q(9) = 13.8, p = .13; prediction interval [−0.12, 0.74]", then the test for
// subgroup differences and why any figure is missing. Empty when the run has no pooled row.
QString poolSummaryText(const PoolRun& run, const QLocale& locale);

// The model of a pooled row, as the line begins: "Random effects (REML)", "Common effect".
QString poolModelText(const PoolRow& row);

} // namespace lx::cli
