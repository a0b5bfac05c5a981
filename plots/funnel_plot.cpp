// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "funnel_plot.h"

#include "painting.h"
#include "stats/boost_policy.h"

#include "platform/core/figure_text.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <QPolygonF>

#include <boost/math/distributions/normal.hpp>

#include <algorithm>
#include <cmath>

namespace lx::plots {

namespace {

bool drawable(const FunnelPoint& point) {
    return std::isfinite(point.effect) && std::isfinite(point.se) && point.se > 0;
}

// The pseudo confidence limits' z: a 95% interval.
constexpr double limitsP = 0.05;

// The region between no effect's two lines of slope ±z, from SE 0 at the top to the axis' end.
QPolygonF funnel(const FunnelLayout& layout, double centre, double z) {
    const double bottom = layout.se.high();
    return QPolygonF{QPointF(layout.effect.pixel(centre), layout.se.pixel(0)),
                     QPointF(layout.effect.pixel(centre - z * bottom), layout.se.pixel(bottom)),
                     QPointF(layout.effect.pixel(centre + z * bottom), layout.se.pixel(bottom))};
}

void drawLegend(QPainter& painter, const FunnelLayout& layout, const PlotStyle& style) {
    const QFontMetricsF metrics(painter.font(), painter.device());
    const double line = metrics.height();
    double x = layout.plot.left();
    for (std::size_t k = 0; k < funnelLevels.size(); ++k) {
        const QRectF swatch(x, layout.legendY - 0.35 * line, 1.2 * line, 0.7 * line);
        painter.fillRect(swatch, style.significance[k]);
        painter.setPen(QPen(style.ink, 1));
        painter.drawRect(swatch);
        const QString text = QCoreApplication::translate("lx::plots::FunnelPlot", "p < %1")
                                 .arg(figure_text::decimals(funnelLevels[k], 2, style.locale));
        const double width = metrics.horizontalAdvance(text) + 1;
        painter.drawText(
            QRectF(swatch.right() + 0.4 * line, layout.legendY - line / 2, width, line),
            Qt::AlignLeft | Qt::AlignVCenter, text);
        x = swatch.right() + 0.4 * line + width + line;
    }
    painter.setPen(QPen(style.ink, 1, Qt::DashLine));
    painter.drawLine(QPointF(x, layout.legendY), QPointF(x + 2 * line, layout.legendY));
    painter.setPen(style.ink);
    const QString limits =
        QCoreApplication::translate("lx::plots::FunnelPlot", "pseudo 95% limits");
    painter.drawText(QRectF(x + 2.4 * line, layout.legendY - line / 2,
                            metrics.horizontalAdvance(limits) + 1, line),
                     Qt::AlignLeft | Qt::AlignVCenter, limits);
}

} // namespace

double funnelZ(double p) {
    using Normal = boost::math::normal_distribution<double, BoostPolicy>;
    return boost::math::quantile(boost::math::complement(Normal(), p / 2));
}

FunnelLayout layoutFunnel(const FunnelPicture& picture, const QRectF& bounds,
                          const PlotStyle& style, QPaintDevice* device) {
    const QFontMetricsF metrics(logicalFont(style.font), device);
    const double line = metrics.height();
    FunnelLayout layout;
    double largestSe = 0;
    double low = 0;
    double high = 0;
    for (const FunnelPoint& point : picture.studies) {
        if (!drawable(point)) {
            ++layout.skipped;
            continue;
        }
        ++layout.shown;
        largestSe = std::max(largestSe, point.se);
        low = std::min(low, point.effect);
        high = std::max(high, point.effect);
    }
    const double seHigh = largestSe > 0 ? 1.05 * largestSe : 1;
    const double estimate = std::isfinite(picture.estimate) ? picture.estimate : 0;
    // The pseudo-limits and the outermost region's edge reach the bottom inside the picture.
    const double limits = funnelZ(limitsP) * seHigh;
    const double outermost = funnelZ(funnelLevels.back()) * seHigh;
    low = std::min({low, estimate - limits, -outermost});
    high = std::max({high, estimate + limits, outermost});
    const double pad = (high - low) * 0.03;

    layout.legendY = bounds.top() + 0.9 * line;
    const double top = bounds.top() + 2.2 * line;
    const double bottom = bounds.bottom() - 3.0 * line;
    const int seTicks = std::max(2, static_cast<int>((bottom - top) / (2.5 * line)));
    layout.se = Axis(0, seHigh, top, std::max(top + 1, bottom), seTicks);
    double labelWidth = 0;
    for (const double tick : layout.se.ticks()) {
        labelWidth =
            std::max(labelWidth, metrics.horizontalAdvance(layout.se.label(tick, style.locale)));
    }
    const double left = bounds.left() + 1.6 * line + labelWidth + 0.7 * line;
    const double right = bounds.right() - 1.5 * line;
    const int effectTicks = std::max(2, static_cast<int>((right - left) / (4 * line)));
    layout.effect = Axis(low - pad, high + pad, left, std::max(left + 1, right), effectTicks);
    layout.plot = QRectF(QPointF(left, top), QPointF(std::max(left + 1, right), bottom));
    return layout;
}

void paintFunnel(QPainter& painter, const QRectF& bounds, const FunnelPicture& picture,
                 const PlotStyle& style) {
    const FunnelLayout layout = layoutFunnel(picture, bounds, style, painter.device());
    const QFontMetricsF metrics(logicalFont(style.font), painter.device());
    const double line = metrics.height();
    const Axis& x = layout.effect;
    const Axis& y = layout.se;
    beginPicture(painter, bounds, style);

    // Darkest outside, each lighter region inside the one before, no shade where p >= .10.
    painter.save();
    painter.setClipRect(layout.plot);
    painter.fillRect(layout.plot, style.significance.back());
    painter.setPen(Qt::NoPen);
    for (std::size_t k = funnelLevels.size(); k-- > 0;) {
        painter.setBrush(k > 0 ? style.significance[k - 1] : style.background);
        painter.drawPolygon(funnel(layout, 0, funnelZ(funnelLevels[k])));
    }
    painter.setBrush(Qt::NoBrush);
    const double estimate = std::isfinite(picture.estimate) ? picture.estimate : 0;
    const QPolygonF limits = funnel(layout, estimate, funnelZ(limitsP));
    painter.setPen(QPen(style.ink, 1, Qt::DashLine));
    painter.drawLine(limits[0], limits[1]);
    painter.drawLine(limits[0], limits[2]);
    painter.setPen(QPen(style.pooled, 1));
    painter.drawLine(QPointF(x.pixel(estimate), y.pixel(0)),
                     QPointF(x.pixel(estimate), y.pixel(y.high())));
    painter.setPen(Qt::NoPen);
    painter.setBrush(style.first);
    const double radius = 0.22 * line;
    for (const FunnelPoint& point : picture.studies) {
        if (drawable(point)) {
            painter.drawEllipse(QPointF(x.pixel(point.effect), y.pixel(point.se)), radius, radius);
        }
    }
    painter.restore();

    drawVerticalAxis(painter, y, layout.plot.left(), -0.4 * line, style);
    drawHorizontalAxis(painter, x, layout.plot.bottom(), 0.4 * line, style);
    painter.setPen(style.ink);
    painter.drawText(
        QRectF(layout.plot.left(), layout.plot.bottom() + 1.6 * line, layout.plot.width(), line),
        Qt::AlignCenter, picture.effectName);
    painter.save();
    painter.translate(bounds.left() + 0.3 * line, layout.plot.center().y());
    painter.rotate(-90);
    painter.drawText(QRectF(-layout.plot.height() / 2, 0, layout.plot.height(), line),
                     Qt::AlignCenter,
                     QCoreApplication::translate("lx::plots::FunnelPlot", "Standard error"));
    painter.restore();
    drawLegend(painter, layout, style);
    painter.restore();
}

} // namespace lx::plots
