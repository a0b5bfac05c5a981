// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "forest_plot.h"

#include "picture_file.h"

#include "painting.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace lx::plots {

namespace {

bool drawable(const ForestRow& row) {
    return std::isfinite(row.effect) && std::isfinite(row.ci.lower) &&
           std::isfinite(row.ci.upper) && std::isfinite(row.variance) && row.variance > 0;
}

// Labels beyond this many line heights are cut with an ellipsis: a long title must not push
// the plot off the page.
constexpr double longestLabel = 18;
// What the axis above the rows takes, in line heights: its labels, its ticks and a gap.
constexpr double topAxisLines = 1.0;

} // namespace

double forestHeight(const ForestPicture& picture, const PlotStyle& style, QPaintDevice* device) {
    const QFontMetricsF metrics(logicalFont(style.font), device);
    const auto rows = std::count_if(picture.rows.begin(), picture.rows.end(), drawable);
    const double topAxis = static_cast<std::size_t>(rows) > forestRowsForTopAxis ? topAxisLines : 0;
    return (static_cast<double>(std::max<std::ptrdiff_t>(rows, 1)) * 1.3 + 4.5 + topAxis) *
           metrics.height();
}

ForestLayout layoutForest(const ForestPicture& picture, const QRectF& bounds,
                          const PlotStyle& style, QPaintDevice* device) {
    const QFontMetricsF metrics(logicalFont(style.font), device);
    const double line = metrics.height();
    ForestLayout layout;
    double low = 0; // no effect is always in range
    double high = 0;
    for (const ForestRow& row : picture.rows) {
        if (!drawable(row)) {
            ++layout.skipped;
            continue;
        }
        layout.shown.push_back(&row);
        low = std::min(low, row.ci.lower);
        high = std::max(high, row.ci.upper);
        layout.largestWeight = std::max(layout.largestWeight, 1 / row.variance);
        layout.labelWidth =
            std::max(layout.labelWidth, metrics.horizontalAdvance(printableText(row.label)));
    }
    layout.labelWidth = std::min(layout.labelWidth, longestLabel * line);
    const double pad = (high - low) * 0.05;
    layout.rowHeight = 1.3 * line;
    double rowsTop = bounds.top() + 1.5 * line;
    if (layout.shown.size() > forestRowsForTopAxis) {
        layout.topAxisY = rowsTop + (topAxisLines - 0.6) * line;
        rowsTop += topAxisLines * line;
    }
    layout.firstRowY = rowsTop + layout.rowHeight / 2;
    layout.axisY = layout.firstRowY +
                   (static_cast<double>(layout.shown.size()) - 0.5) * layout.rowHeight + 0.3 * line;
    layout.largestSide = 0.8 * layout.rowHeight;
    const double left = bounds.left() + 0.5 * line + layout.labelWidth + line;
    const double right = bounds.right() - 1.5 * line;
    const int ticks = std::max(2, static_cast<int>((right - left) / (4 * line)));
    layout.effect = Axis(low - pad, high + pad, left, std::max(left + 1, right), ticks);
    return layout;
}

void paintForest(QPainter& painter, const QRectF& bounds, const ForestPicture& picture,
                 const PlotStyle& style) {
    const ForestLayout layout = layoutForest(picture, bounds, style, painter.device());
    const QFont font = logicalFont(style.font);
    const QFontMetricsF metrics(font, painter.device());
    const double line = metrics.height();
    const Axis& x = layout.effect;
    beginPicture(painter, bounds, style);

    // No effect, across every row.
    painter.setPen(QPen(style.guide, 1, Qt::DashLine));
    painter.drawLine(QPointF(x.pixel(0), layout.topAxisY.value_or(bounds.top() + 1.5 * line)),
                     QPointF(x.pixel(0), layout.axisY));
    drawHorizontalAxis(painter, x, layout.axisY, 0.4 * line, style);
    if (layout.topAxisY) {
        drawHorizontalAxis(painter, x, *layout.topAxisY, -0.4 * line, style);
    }
    painter.setPen(style.ink);
    painter.drawText(QRectF(x.pixel(x.low()), layout.axisY + 1.6 * line,
                            x.pixel(x.high()) - x.pixel(x.low()), line),
                     Qt::AlignCenter, picture.effectName);

    for (std::size_t k = 0; k < layout.shown.size(); ++k) {
        const ForestRow& row = *layout.shown[k];
        const double y = layout.firstRowY + static_cast<double>(k) * layout.rowHeight;
        painter.setPen(style.ink);
        painter.drawText(
            QRectF(bounds.left() + 0.5 * line, y - line / 2, layout.labelWidth, line),
            Qt::AlignLeft | Qt::AlignVCenter,
            metrics.elidedText(printableText(row.label), Qt::ElideRight, layout.labelWidth));
        painter.setPen(QPen(style.first, 1, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(QPointF(x.pixel(row.ci.lower), y), QPointF(x.pixel(row.ci.upper), y));
        // Area in proportion to the weight: the side to its square root.
        const double side = std::max(1.5, layout.largestSide *
                                              std::sqrt((1 / row.variance) / layout.largestWeight));
        painter.fillRect(QRectF(x.pixel(row.effect) - side / 2, y - side / 2, side, side),
                         style.first);
    }
    painter.restore();
}

} // namespace lx::plots
