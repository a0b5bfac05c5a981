// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "painting.h"

#include "difference_plot.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace lx::plots {

QFont logicalFont(const QFont& font) {
    QFont sized(font);
    if (sized.pixelSize() <= 0) {
        sized.setPixelSize(std::max(1, static_cast<int>(std::lround(font.pointSizeF() * 96 / 72))));
    }
    return sized;
}

void beginPicture(QPainter& painter, const QRectF& bounds, const PlotStyle& style) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, style.antialiased);
    painter.setFont(logicalFont(style.font));
    painter.fillRect(bounds, style.background);
}

void drawVerticalAxis(QPainter& painter, const Axis& axis, double x, double tickLength,
                      const PlotStyle& style) {
    const QFontMetricsF metrics(logicalFont(style.font), painter.device());
    painter.setPen(QPen(style.ink, 1));
    painter.drawLine(QPointF(x, axis.pixel(axis.low())), QPointF(x, axis.pixel(axis.high())));
    const double gap = 0.3 * metrics.height();
    for (const double tick : axis.ticks()) {
        const double y = axis.pixel(tick);
        painter.drawLine(QPointF(x, y), QPointF(x + tickLength, y));
        const QString text = axis.label(tick, style.locale);
        const double width = metrics.horizontalAdvance(text);
        const double left = tickLength < 0 ? x + tickLength - gap - width : x + tickLength + gap;
        painter.drawText(QRectF(left, y - metrics.height() / 2, width + 1, metrics.height()),
                         Qt::AlignVCenter | (tickLength < 0 ? Qt::AlignRight : Qt::AlignLeft),
                         text);
    }
}

void drawHorizontalAxis(QPainter& painter, const Axis& axis, double y, double tickLength,
                        const PlotStyle& style) {
    const QFontMetricsF metrics(logicalFont(style.font), painter.device());
    painter.setPen(QPen(style.ink, 1));
    painter.drawLine(QPointF(axis.pixel(axis.low()), y), QPointF(axis.pixel(axis.high()), y));
    for (const double tick : axis.ticks()) {
        const double x = axis.pixel(tick);
        painter.drawLine(QPointF(x, y), QPointF(x, y + tickLength));
        const QString text = axis.label(tick, style.locale);
        const double width = metrics.horizontalAdvance(text);
        const double top = tickLength < 0 ? y + tickLength - metrics.height() : y + tickLength;
        painter.drawText(QRectF(x - width / 2, top, width + 1, metrics.height()), Qt::AlignCenter,
                         text);
    }
}

void drawEstimate(QPainter& painter, double x, const Axis& axis, const Estimate& estimate,
                  double radius, const QColor& colour) {
    painter.setPen(QPen(colour, std::max(1.0, radius / 2), Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QPointF(x, axis.pixel(estimate.ci.lower)),
                     QPointF(x, axis.pixel(estimate.ci.upper)));
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawEllipse(QPointF(x, axis.pixel(estimate.value)), radius, radius);
    painter.setBrush(Qt::NoBrush);
}

} // namespace lx::plots
