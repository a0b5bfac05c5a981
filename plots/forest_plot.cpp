// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "forest_plot.h"

#include "forest_text.h"
#include "painting.h"
#include "picture_file.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <cmath>

namespace lx::plots {

namespace {

// A right-aligned text in its column, its right end at right, its middle at y.
void drawRightAligned(QPainter& painter, double right, double y, const QString& text,
                      const QFontMetricsF& metrics) {
    const double width = metrics.horizontalAdvance(text) + 1;
    painter.drawText(QRectF(right - width, y - metrics.height() / 2, width, metrics.height()),
                     Qt::AlignRight | Qt::AlignVCenter, text);
}

void drawHeader(QPainter& painter, const QRectF& bounds, const ForestLayout& layout,
                const ForestPicture& picture, const QFont& bold, const PlotStyle& style) {
    const QFontMetricsF metrics(bold, painter.device());
    const double line = metrics.height();
    painter.setFont(bold);
    painter.setPen(style.ink);
    painter.drawText(
        QRectF(bounds.left() + 0.5 * line, layout.headerY - line / 2, layout.labelWidth, line),
        Qt::AlignLeft | Qt::AlignVCenter, forest_text::studyTitle());
    drawRightAligned(painter, layout.textRight, layout.headerY,
                     forest_text::estimateTitle(picture.effectName, picture.level), metrics);
    if (layout.weights) {
        drawRightAligned(painter, layout.weightRight, layout.headerY, forest_text::weightTitle(),
                         metrics);
    }
    const double rule = layout.headerY + 0.6 * line;
    painter.setPen(QPen(style.ink, 1));
    painter.drawLine(QPointF(bounds.left() + 0.5 * line, rule),
                     QPointF(bounds.right() - 0.5 * line, rule));
}

void drawSummary(QPainter& painter, const QRectF& bounds, const ForestLayout& layout,
                 const ShownSummary& shown, const QFont& font, const QFont& bold,
                 const PlotStyle& style) {
    const ForestSummary& summary = *shown.summary;
    const Axis& x = layout.effect;
    const QFontMetricsF metrics(font, painter.device());
    const QFontMetricsF boldMetrics(bold, painter.device());
    const double line = metrics.height();
    const double y = shown.y;
    painter.setFont(bold);
    painter.setPen(style.ink);
    painter.drawText(
        QRectF(bounds.left() + 0.5 * line, y - line / 2, layout.labelWidth, line),
        Qt::AlignLeft | Qt::AlignVCenter,
        boldMetrics.elidedText(printableText(summary.label), Qt::ElideRight, layout.labelWidth));
    drawRightAligned(painter, layout.textRight, y,
                     forest_text::estimate(summary.estimate, summary.ci, style.locale),
                     boldMetrics);
    if (summary.prediction) {
        painter.setPen(QPen(style.prediction, 1, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(QPointF(x.pixel(summary.prediction->lower), y),
                         QPointF(x.pixel(summary.prediction->upper), y));
    }
    // Its ends a pixel high, so that they reach the interval's ends on any device.
    const double half = 0.35 * layout.rowHeight;
    const double waist = 0.5;
    const QPolygonF diamond{QPointF(x.pixel(summary.ci.lower), y - waist),
                            QPointF(x.pixel(summary.estimate), y - half),
                            QPointF(x.pixel(summary.ci.upper), y - waist),
                            QPointF(x.pixel(summary.ci.upper), y + waist),
                            QPointF(x.pixel(summary.estimate), y + half),
                            QPointF(x.pixel(summary.ci.lower), y + waist)};
    painter.setPen(Qt::NoPen);
    painter.setBrush(style.pooled);
    painter.drawPolygon(diamond);
    painter.setBrush(Qt::NoBrush);
    if (shown.modelHeight > 0) {
        painter.setFont(font);
        painter.setPen(style.ink);
        painter.drawText(QRectF(bounds.left() + 0.5 * line, shown.modelTop,
                                std::max(line, bounds.width() - line), shown.modelHeight),
                         Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                         printableText(summary.modelLine));
    }
}

} // namespace

void paintForest(QPainter& painter, const QRectF& bounds, const ForestPicture& picture,
                 const PlotStyle& style, std::optional<ForestPage> page) {
    const ForestLayout layout = layoutForest(picture, bounds, style, painter.device(), page);
    const QFont font = logicalFont(style.font);
    QFont bold = font;
    bold.setBold(true);
    const QFontMetricsF metrics(font, painter.device());
    const double line = metrics.height();
    const Axis& x = layout.effect;
    beginPicture(painter, bounds, style);
    drawHeader(painter, bounds, layout, picture, bold, style);
    painter.setFont(font);

    // No effect, across every row but the summaries' sentences.
    double from = layout.topAxisY.value_or(layout.firstRowY - layout.rowHeight / 2);
    painter.setPen(QPen(style.guide, 1, Qt::DashLine));
    for (const ShownSummary& shown : layout.summaries) {
        if (shown.modelHeight > 0) {
            painter.drawLine(QPointF(x.pixel(0), from), QPointF(x.pixel(0), shown.modelTop));
            from = shown.modelTop + shown.modelHeight + 0.4 * line;
        }
    }
    painter.drawLine(QPointF(x.pixel(0), from), QPointF(x.pixel(0), layout.axisY));
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
        const double y = layout.rowY[k];
        painter.setPen(style.ink);
        painter.drawText(
            QRectF(bounds.left() + 0.5 * line, y - line / 2, layout.labelWidth, line),
            Qt::AlignLeft | Qt::AlignVCenter,
            metrics.elidedText(printableText(row.label), Qt::ElideRight, layout.labelWidth));
        drawRightAligned(painter, layout.textRight, y,
                         forest_text::estimate(row.effect, row.ci, style.locale), metrics);
        if (layout.weightOf[k]) {
            drawRightAligned(painter, layout.weightRight, y,
                             forest_text::weight(*layout.weightOf[k], style.locale), metrics);
        }
        painter.setPen(QPen(style.first, 1, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(QPointF(x.pixel(row.ci.lower), y), QPointF(x.pixel(row.ci.upper), y));
        // Area in proportion to the weight: the side to its square root.
        const double side = std::max(1.5, layout.largestSide *
                                              std::sqrt((1 / row.variance) / layout.largestWeight));
        painter.fillRect(QRectF(x.pixel(row.effect) - side / 2, y - side / 2, side, side),
                         style.first);
    }
    for (const ShownSummary& shown : layout.summaries) {
        drawSummary(painter, bounds, layout, shown, font, bold, style);
    }
    painter.restore();
}

} // namespace lx::plots
