// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "axis.h"
#include "plot_style.h"
#include "stats/interval.h"

#include <QRectF>
#include <QString>

#include <cstddef>
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

// A pooled estimate drawn as a diamond (its width the interval, its middle the estimate) under
// the studies it pools, rows[firstRow, endRow), with the prediction interval as a line through
// it and the model's sentence below. Its studies are weighted 1 / (variance + tau2), and a study
// shows its weight in the narrowest summary that pools it (its subgroup's, else the overall one).
struct ForestSummary {
    QString label;
    double estimate = 0;
    Interval ci;
    std::optional<Interval> prediction;
    double tau2 = 0;
    QString modelLine;
    std::size_t firstRow = 0;
    std::size_t endRow = 0; // drawn under rows[endRow - 1]; a later summary with the same end
                            // goes below it, so a subgroup's diamond precedes the overall one
};

// What a forest plot shows: a header row, one line per study with its estimate and interval
// written on the right (and its weight when a summary pools it), the marker's area in
// proportion to 1 / variance, then the summaries. Rows with a value that is not finite or a
// variance that is not positive are left out when the picture is drawn, and counted in skipped;
// so are summaries whose figures are not finite.
struct ForestPicture {
    std::vector<ForestRow> rows;
    std::vector<ForestSummary> summaries;
    QString effectName = QStringLiteral("g");
    double level = 0.95; // of the intervals, for the header
};

// The picture's lines top to bottom: a study (an index into rows) or a summary (into summaries).
struct ForestLine {
    bool summary = false;
    std::size_t index = 0;
};

// The lines that one page of a PDF holds, [first, end) of forestLines(); every page repeats the
// header row and the axis.
struct ForestPage {
    std::size_t first = 0;
    std::size_t end = 0;
};

struct ShownSummary {
    const ForestSummary* summary = nullptr;
    double y = 0;        // the middle of its diamond
    double modelTop = 0; // the model's sentence, wrapped in the picture's width
    double modelHeight = 0;
};

struct ForestLayout {
    double labelWidth = 0; // of the widest label, at most a limit beyond which labels are cut
    double rowHeight = 0;
    double firstRowY = 0; // the middle of the first study's row
    double headerY = 0;   // the middle of the header row
    double axisY = 0;
    std::optional<double> topAxisY; // the axis again above the rows, when they are many
    double largestSide = 0;         // of the marker with the smallest variance
    double largestWeight = 0;
    Axis effect;            // horizontal
    double textRight = 0;   // where the estimates' column ends (right-aligned)
    double weightRight = 0; // where the weights' column ends
    bool weights = false;   // whether a summary weights the studies
    std::vector<const ForestRow*> shown;
    std::vector<double> rowY;                    // the middle of each shown row
    std::vector<std::optional<double>> weightOf; // each shown row's weight in percent
    std::vector<ShownSummary> summaries;
    std::size_t skipped = 0;
};

// Beyond this many rows the effect axis is drawn above them too, so that a tall picture can be
// read from its top as from its bottom.
constexpr std::size_t forestRowsForTopAxis = 30;

// The tallest page of a PDF, in points, that common viewers open (200 inches).
constexpr double largestPdfPagePoints = 14400;

std::vector<ForestLine> forestLines(const ForestPicture& picture);

// Each study's weight in percent of its group's, as ForestSummary says; none for a study that no
// summary pools.
std::vector<std::optional<double>> forestWeights(const ForestPicture& picture);

// The height that gives every line of a page its room at this width (all lines without a page).
double forestHeight(const ForestPicture& picture, double width, const PlotStyle& style,
                    QPaintDevice* device, std::optional<ForestPage> page = std::nullopt);

// The lines cut into pages of at most maxHeight device-independent pixels each (one page when
// all fit; a page holds at least one line).
std::vector<ForestPage> forestPages(const ForestPicture& picture, double width, double maxHeight,
                                    const PlotStyle& style, QPaintDevice* device);

ForestLayout layoutForest(const ForestPicture& picture, const QRectF& bounds,
                          const PlotStyle& style, QPaintDevice* device,
                          std::optional<ForestPage> page = std::nullopt);

void paintForest(QPainter& painter, const QRectF& bounds, const ForestPicture& picture,
                 const PlotStyle& style, std::optional<ForestPage> page = std::nullopt);

} // namespace lx::plots
