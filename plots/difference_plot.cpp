// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "difference_plot.h"

#include "painting.h"
#include "stats/mean_interval.h"
#include "stats/two_sample_report.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>

namespace lx::plots {

std::optional<DifferencePicture> differencePicture(const Summary& summary,
                                                   const TwoSampleReport& report, bool welch) {
    const auto ci1 = meanInterval(summary.n1, summary.m1, summary.sd1, report.level);
    const auto ci2 = meanInterval(summary.n2, summary.m2, summary.sd2, report.level);
    const auto& differenceCi = welch ? report.welch.differenceCi : report.pooled.differenceCi;
    if (!ci1 || !ci2 || !differenceCi) {
        return std::nullopt;
    }
    DifferencePicture picture;
    picture.mean1 = {summary.m1, *ci1};
    picture.mean2 = {summary.m2, *ci2};
    picture.difference = {report.difference, *differenceCi};
    if (report.equivalence.bound) {
        picture.equivalenceBound = *report.equivalence.bound;
    }
    picture.welch = welch;
    return picture;
}

DifferenceLayout layoutDifference(const DifferencePicture& picture, const QRectF& bounds,
                                  const PlotStyle& style, QPaintDevice* device) {
    const QFontMetricsF metrics(logicalFont(style.font), device);
    const double line = metrics.height();
    DifferenceLayout layout;

    // Every value on the means' scale: the difference axis is the means' axis moved to M2.
    const double origin = picture.mean2.value;
    double low = std::min({picture.mean1.ci.lower, picture.mean2.ci.lower,
                           origin + picture.difference.ci.lower, origin});
    double high = std::max({picture.mean1.ci.upper, picture.mean2.ci.upper,
                            origin + picture.difference.ci.upper, origin});
    if (picture.equivalenceBound) {
        low = std::min(low, origin - *picture.equivalenceBound);
        high = std::max(high, origin + *picture.equivalenceBound);
    }
    const double pad = (high - low) * 0.08;
    low -= pad;
    high += pad;

    const double top = bounds.top() + line;
    const double bottom = bounds.bottom() - 2.2 * line; // the column labels below
    const int maxTicks = std::max(2, static_cast<int>((bottom - top) / (2.5 * line)));
    // A first axis only for the labels' width; the pixels come once the margins are known.
    const Axis probe(low, high, bottom, top, maxTicks);
    const auto widest = [&](const Axis& axis) {
        double width = 0;
        for (const double tick : axis.ticks()) {
            width = std::max(width, metrics.horizontalAdvance(axis.label(tick, style.locale)));
        }
        return width;
    };
    const double tickLength = 0.4 * line;
    const double left = bounds.left() + widest(probe) + tickLength + 0.6 * line;
    const double right = bounds.right() - widest(probe.measuredFrom(origin)) - tickLength -
                         0.6 * line - metrics.horizontalAdvance(QStringLiteral("M1 \u2212 M2")) / 2;
    layout.plotArea = QRectF(QPointF(left, top), QPointF(std::max(left + 1, right), bottom));
    layout.means = Axis(low, high, bottom, top, maxTicks);
    layout.differences = layout.means.measuredFrom(origin);

    const double width = layout.plotArea.width();
    layout.x1 = left + 0.18 * width;
    layout.x2 = left + 0.45 * width;
    layout.differenceAxisX = left + 0.7 * width;
    // As drawVerticalAxis puts them: after the tick and a gap of 0.3 lines.
    layout.differenceLabelsRight =
        layout.differenceAxisX + tickLength + 0.3 * line + widest(layout.differences);
    layout.xDifference = left + 0.86 * width;
    layout.markerRadius = std::max(2.0, 0.3 * line);
    return layout;
}

void paintDifference(QPainter& painter, const QRectF& bounds, const DifferencePicture& picture,
                     const PlotStyle& style) {
    const DifferenceLayout layout = layoutDifference(picture, bounds, style, painter.device());
    const QFontMetricsF metrics(logicalFont(style.font), painter.device());
    const double line = metrics.height();
    const double tickLength = 0.4 * line;
    beginPicture(painter, bounds, style);

    const Axis& means = layout.means;
    const Axis& differences = layout.differences;
    const QRectF& area = layout.plotArea;

    // The equivalence region first, so that everything else lies on top of it.
    if (picture.equivalenceBound) {
        const double bound = *picture.equivalenceBound;
        const double y1 = differences.pixel(bound);
        const double y2 = differences.pixel(-bound);
        painter.fillRect(QRectF(QPointF(layout.differenceAxisX, std::min(y1, y2)),
                                QPointF(area.right(), std::max(y1, y2))),
                         style.band);
    }

    // Guides level with each mean, out to the difference, broken where the difference axis
    // and its tick labels stand, so that no label is struck through.
    QPen guide(style.guide, 1, Qt::DashLine);
    painter.setPen(guide);
    const double resume = layout.differenceLabelsRight + 0.3 * line;
    for (const auto& [x, mean] :
         {std::pair{layout.x1, picture.mean1.value}, std::pair{layout.x2, picture.mean2.value}}) {
        const double y = means.pixel(mean);
        painter.drawLine(QPointF(x, y), QPointF(layout.differenceAxisX - 0.3 * line, y));
        if (resume < layout.xDifference) {
            painter.drawLine(QPointF(resume, y), QPointF(layout.xDifference, y));
        }
    }

    drawVerticalAxis(painter, means, area.left(), -tickLength, style);
    drawVerticalAxis(painter, differences, layout.differenceAxisX, tickLength, style);

    drawEstimate(painter, layout.x1, means, picture.mean1, layout.markerRadius, style.first);
    drawEstimate(painter, layout.x2, means, picture.mean2, layout.markerRadius, style.second);
    drawEstimate(painter, layout.xDifference, differences, picture.difference, layout.markerRadius,
                 style.difference);

    painter.setPen(style.ink);
    const double labelTop = area.bottom() + 0.6 * line;
    const auto label = [&](double x, const QString& text) {
        const double width = metrics.horizontalAdvance(text);
        painter.drawText(QRectF(x - width / 2, labelTop, width + 1, line), Qt::AlignCenter, text);
    };
    label(layout.x1, QStringLiteral("M1"));
    label(layout.x2, QStringLiteral("M2"));
    label(layout.xDifference, QStringLiteral("M1 \u2212 M2"));
    painter.restore();
}

} // namespace lx::plots
