// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "forest_rows.h"

#include <QString>

namespace lx::cli {

// The width of the batch tool's forest plot in device-independent pixels; its height grows
// with the rows, so that each keeps a readable line.
constexpr double forestWidth = 800;

// Writes the forest plot of rows to path as its suffix says (.svg, .pdf or .png); false with the
// reason in error. Needs a QGuiApplication, for the fonts.
bool writeForestFile(const QString& path, const ForestRows& rows, QString& error);

} // namespace lx::cli
