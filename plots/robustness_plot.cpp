// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "robustness_plot.h"

#include "bayes_text.h"
#include "painting.h"
#include "platform/core/figure_text.h"
#include "stats/two_sample_report.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace lx::plots {

namespace {

double log10Of(double logFactor) {
    return logFactor / std::numbers::ln10;
}

struct Mark {
    double r;
    double logFactor;
    QString name;
};

} // namespace

std::optional<RobustnessPicture> robustnessPicture(const TwoSampleReport& report) {
    if (!report.robustness || !report.bayesFactors.logBf10) {
        return std::nullopt;
    }
    const BayesRobustness& robustness = *report.robustness;
    if (!robustness.largest || !robustness.logBfMedium || !robustness.logBfWide ||
        !robustness.logBfUltrawide || robustness.curve.empty()) {
        return std::nullopt;
    }
    return RobustnessPicture{robustness, report.priorScale, *report.bayesFactors.logBf10};
}

RobustnessLayout layoutRobustness(const RobustnessPicture& picture, const QRectF& bounds,
                                  const PlotStyle& style, QPaintDevice* device) {
    const QFontMetricsF metrics(logicalFont(style.font), device);
    const double line = metrics.height();
    // BF10 = 1 always in range: the line the factor is read against.
    double low = 0;
    double high = 0;
    for (const FactorAtScale& point : picture.robustness.curve) {
        low = std::min(low, log10Of(point.logBf10));
        high = std::max(high, log10Of(point.logBf10));
    }
    const double pad = std::max(0.15, (high - low) * 0.08);
    low -= pad;
    high += pad;
    RobustnessLayout layout;
    const double top = bounds.top() + 3.4 * line; // two lines of figures above
    const double bottom = bounds.bottom() - 2.6 * line;
    const int verticalTicks = std::max(2, static_cast<int>((bottom - top) / (2.5 * line)));
    double widest = 0;
    for (const LogTick& tick : logTicks(low, high, verticalTicks, style.locale)) {
        widest = std::max(widest, metrics.horizontalAdvance(tick.label));
    }
    const double left = bounds.left() + widest + 1.0 * line;
    const double right = bounds.right() - 1.5 * line;
    layout.plotArea = QRectF(QPointF(left, top), QPointF(std::max(left + 1, right), bottom));
    layout.factor = Axis(low, high, bottom, top, verticalTicks);
    layout.ticks = logTicks(low, high, verticalTicks, style.locale);
    const int horizontalTicks = std::max(2, static_cast<int>((right - left) / (4 * line)));
    layout.scale = Axis(0, picture.robustness.upper, left, right, horizontalTicks);
    return layout;
}

void paintRobustness(QPainter& painter, const QRectF& bounds, const RobustnessPicture& picture,
                     const PlotStyle& style) {
    const RobustnessLayout layout = layoutRobustness(picture, bounds, style, painter.device());
    const QFont font = logicalFont(style.font);
    const QFontMetricsF metrics(font, painter.device());
    const double line = metrics.height();
    const QRectF& area = layout.plotArea;
    const Axis& x = layout.scale;
    const Axis& y = layout.factor;
    const BayesRobustness& robustness = picture.robustness;
    beginPicture(painter, bounds, style);

    drawHorizontalAxis(painter, x, area.bottom(), 0.4 * line, style);
    // The vertical axis by hand: its ticks are powers of ten.
    painter.setPen(QPen(style.ink, 1));
    painter.drawLine(QPointF(area.left(), area.bottom()), QPointF(area.left(), area.top()));
    for (const LogTick& tick : layout.ticks) {
        const double at = y.pixel(tick.log10);
        painter.drawLine(QPointF(area.left() - 0.4 * line, at), QPointF(area.left(), at));
        painter.drawText(
            QRectF(bounds.left(), at - line / 2, area.left() - 0.7 * line - bounds.left(), line),
            Qt::AlignRight | Qt::AlignVCenter, tick.label);
    }
    painter.setPen(QPen(style.guide, 1, Qt::DashLine));
    painter.drawLine(QPointF(area.left(), y.pixel(0)), QPointF(area.right(), y.pixel(0)));

    QPainterPath curve;
    curve.moveTo(x.pixel(0), y.pixel(0)); // BF10 tends to 1 as r tends to 0
    for (const FactorAtScale& point : robustness.curve) {
        curve.lineTo(x.pixel(point.r), y.pixel(log10Of(point.logBf10)));
    }
    painter.setPen(QPen(style.first, 2));
    painter.drawPath(curve);

    const double radius = std::max(2.0, 0.3 * line);
    const QList<Mark> marks = {
        {mediumPriorScale, *robustness.logBfMedium,
         QCoreApplication::translate("lx::plots::Robustness", "medium")},
        {widePriorScale, *robustness.logBfWide,
         QCoreApplication::translate("lx::plots::Robustness", "wide")},
        {ultrawidePriorScale, *robustness.logBfUltrawide,
         QCoreApplication::translate("lx::plots::Robustness", "ultrawide")},
    };
    painter.setPen(Qt::NoPen);
    for (const Mark& mark : marks) {
        if (mark.r <= robustness.upper) {
            painter.setBrush(style.difference);
            painter.drawEllipse(QPointF(x.pixel(mark.r), y.pixel(log10Of(mark.logFactor))), radius,
                                radius);
        }
    }
    // The chosen scale as an open ring, the largest factor as a disc of the second colour: the
    // two can coincide.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(style.ink, 1.5));
    painter.drawEllipse(
        QPointF(x.pixel(picture.chosenScale), y.pixel(log10Of(picture.logBfChosen))), 1.6 * radius,
        1.6 * radius);
    painter.setPen(Qt::NoPen);
    painter.setBrush(style.second);
    const FactorAtScale& largest = *robustness.largest;
    painter.drawEllipse(QPointF(x.pixel(largest.r), y.pixel(log10Of(largest.logBf10))), radius,
                        radius);
    painter.setBrush(Qt::NoBrush);

    painter.setPen(style.ink);
    for (const Mark& mark : marks) {
        if (mark.r <= robustness.upper) {
            const QPointF at(x.pixel(mark.r), y.pixel(log10Of(mark.logFactor)));
            painter.drawText(QRectF(at.x() - 4 * line, at.y() + radius, 8 * line, line),
                             Qt::AlignHCenter | Qt::AlignTop, mark.name);
        }
    }
    const QLocale& locale = style.locale;
    const QString largestText = QCoreApplication::translate("lx::plots::Robustness",
                                                            "largest BF\u2081\u2080 = %1 at r = %2")
                                    .arg(figure_text::bayesFactor(largest.logBf10, 3, locale),
                                         figure_text::significant(largest.r, 3, locale));
    const QString chosenText =
        QCoreApplication::translate("lx::plots::Robustness", "chosen r = %1: BF\u2081\u2080 = %2")
            .arg(locale.toString(picture.chosenScale, 'g', 3),
                 figure_text::bayesFactor(picture.logBfChosen, 3, locale));
    for (const auto& [row, text] : {std::pair{0, largestText}, std::pair{1, chosenText}}) {
        painter.drawText(QRectF(area.left(), bounds.top() + (0.3 + row) * line, area.width(), line),
                         Qt::AlignLeft | Qt::AlignVCenter, text);
    }
    painter.drawText(QRectF(area.left(), area.bottom() + 1.5 * line, area.width(), line),
                     Qt::AlignCenter,
                     QCoreApplication::translate("lx::plots::Robustness", "prior scale r"));
    painter.restore();
}

} // namespace lx::plots
