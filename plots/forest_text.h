// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "stats/interval.h"

#include <QLocale>
#include <QString>

// The words and figures a forest plot writes beside its lines, in the locale of the table's
// numbers.
namespace lx::plots::forest_text {

// "0.52 [0.11, 0.93]", or "0,52 [0,11; 0,93]" where the comma is the decimal mark.
QString estimate(double value, const Interval& ci, const QLocale& locale);

// A weight in percent: "12.3%".
QString weight(double percent, const QLocale& locale);

// The header row's three titles: "Study", "g [95% CI]" (the effect's name and the level) and
// "Weight".
QString studyTitle();
QString estimateTitle(const QString& effectName, double level);
QString weightTitle();

} // namespace lx::plots::forest_text
