// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "axis.h"
#include "plot_style.h"
#include "stats/interval.h"

#include <QRectF>
#include <QString>

#include <optional>
#include <vector>

class QPainter;
class QPaintDevice;

namespace lx::plots {

// One study of a forest plot: its label, the effect with its interval and its sampling variance.
struct ForestRow {
    QString label;
    double effect = 0;
    Interval ci;
    double variance = 0;
};

// What a forest plot shows: one line per study, its marker's area in proportion to 1 / variance.
// Rows with a value that is not finite or a variance that is not positive are left out when the
// picture is drawn, and counted in skipped.
struct ForestPicture {
    std::vector<ForestRow> rows;
    QString effectName = QStringLiteral("g");
};

struct ForestLayout {
    double labelWidth = 0; // of the widest label, at most a limit beyond which labels are cut
    double rowHeight = 0;
    double firstRowY = 0; // the middle of the first row
    double axisY = 0;
    std::optional<double> topAxisY; // the axis again above the rows, when they are many
    double largestSide = 0;         // of the marker with the smallest variance
    double largestWeight = 0;
    Axis effect; // horizontal
    std::vector<const ForestRow*> shown;
    std::size_t skipped = 0;
};

// Beyond this many rows the effect axis is drawn above them too, so that a tall picture can be
// read from its top as from its bottom.
constexpr std::size_t forestRowsForTopAxis = 30;

// The height that gives every row its line, whatever the width.
double forestHeight(const ForestPicture& picture, const PlotStyle& style, QPaintDevice* device);

ForestLayout layoutForest(const ForestPicture& picture, const QRectF& bounds,
                          const PlotStyle& style, QPaintDevice* device);

void paintForest(QPainter& painter, const QRectF& bounds, const ForestPicture& picture,
                 const PlotStyle& style);

} // namespace lx::plots
