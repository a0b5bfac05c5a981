// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "forest_rows.h"

#include "plots/funnel_plot.h"

#include <QSizeF>
#include <QString>

namespace lx::cli {

// The batch tool's funnel plot, in device-independent pixels.
constexpr QSizeF funnelSize(800, 600);

// The picture of rows: each entry's effect against the square root of its variance, around the
// estimate of the pool of every entry (0 when there is none).
plots::FunnelPicture funnelPicture(const ForestRows& rows);

// Writes the funnel plot of rows to path as its suffix says (.svg, .pdf or .png), off screen;
// false with the reason in error. Needs a QGuiApplication, for the fonts.
bool writeFunnelFile(const QString& path, const ForestRows& rows, QString& error);

} // namespace lx::cli
