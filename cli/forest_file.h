// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "forest_rows.h"

#include "plots/forest_plot.h"

#include <QString>

namespace lx::cli {

// The width of the batch tool's forest plot in device-independent pixels; its height grows
// with the rows, so that each keeps a readable line.
constexpr double forestWidth = 800;

// The picture of rows: each entry a study, each pool a summary under its entries, weighting
// them by its tau². A pool with no estimate (no studies) draws nothing; the prediction interval
// is drawn where it is wider than the confidence interval (not for a common-effect model).
plots::ForestPicture forestPicture(const ForestRows& rows);

// Writes the forest plot of rows to path as its suffix says (.svg, .pdf or .png); false with the
// reason in error. A PDF taller than common viewers open is cut into pages of at most
// plots::largestPdfPagePoints, each with the header row and the axis. Needs a QGuiApplication,
// for the fonts.
bool writeForestFile(const QString& path, const ForestRows& rows, QString& error);

} // namespace lx::cli
