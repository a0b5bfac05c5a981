// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "posterior_plot.h"

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

// The posterior's density at x, interpolated along its curve.
double densityAt(const DeltaPosterior& posterior, double x) {
    const auto& curve = posterior.density;
    const auto above = std::lower_bound(curve.begin(), curve.end(), x,
                                        [](const DensityPoint& p, double v) { return p.x < v; });
    if (above == curve.begin() || above == curve.end()) {
        return 0;
    }
    const auto below = above - 1;
    const double share = (x - below->x) / (above->x - below->x);
    return below->density + share * (above->density - below->density);
}

// Two decimals, and no "-0.00" for a value that rounds to nothing.
QString twoDecimals(double value, const QLocale& locale) {
    return locale.toString(std::fabs(value) < 0.005 ? 0.0 : value, 'f', 2);
}

// The figures printed above the plot, a line each.
QStringList figureLines(const PosteriorPicture& picture, const QLocale& locale) {
    const Interval& credible = picture.posterior.credible;
    return {QCoreApplication::translate("lx::plots::Posterior", "BF\u2081\u2080 = %1")
                .arg(figure_text::bayesFactor(picture.logBf10, 3, locale)),
            QCoreApplication::translate("lx::plots::Posterior", "median %1, %2% CrI [%3; %4]")
                .arg(twoDecimals(picture.posterior.median, locale))
                .arg(locale.toString(picture.level * 100, 'g', 3))
                .arg(twoDecimals(credible.lower, locale), twoDecimals(credible.upper, locale))};
}

// The legend's lines: the posterior's, then the prior's.
QStringList legendLines(const PosteriorPicture& picture, const QLocale& locale) {
    return {QCoreApplication::translate("lx::plots::Posterior", "posterior"),
            QCoreApplication::translate("lx::plots::Posterior", "prior (Cauchy, r = %1)")
                .arg(locale.toString(picture.priorScale, 'g', 3))};
}

double widest(const QStringList& lines, const QFontMetricsF& metrics) {
    double width = 0;
    for (const QString& text : lines) {
        width = std::max(width, metrics.horizontalAdvance(text));
    }
    return width;
}

// A legend line's sample of the curve, and the gap to its text, in lines of text.
constexpr double LegendSample = 2.0;
constexpr double LegendGap = 0.5;

} // namespace

double cauchyDensity(double delta, double scale) {
    return 1 / (std::numbers::pi * scale * (1 + (delta / scale) * (delta / scale)));
}

std::optional<PosteriorPicture> posteriorPicture(const TwoSampleReport& report) {
    if (!report.posterior || !report.bayesFactors.logBf10 || report.posterior->density.empty()) {
        return std::nullopt;
    }
    return PosteriorPicture{report.priorScale, report.level, *report.posterior,
                            *report.bayesFactors.logBf10};
}

PosteriorLayout layoutPosterior(const PosteriorPicture& picture, const QRectF& bounds,
                                const PlotStyle& style, QPaintDevice* device) {
    const QFontMetricsF metrics(logicalFont(style.font), device);
    const double line = metrics.height();
    const auto& curve = picture.posterior.density;
    // The prior's middle half and more, and all of the posterior's curve.
    const double low = std::min(curve.front().x, -2 * picture.priorScale);
    const double high = std::max(curve.back().x, 2 * picture.priorScale);
    double peak = cauchyDensity(0, picture.priorScale);
    for (const DensityPoint& point : curve) {
        peak = std::max(peak, point.density);
    }
    PosteriorLayout layout;
    const double legendWidth =
        (LegendSample + LegendGap) * line + widest(legendLines(picture, style.locale), metrics);
    const double figuresWidth = widest(figureLines(picture, style.locale), metrics);
    // From the plot's left edge to the legend at the right; the plot's left is not known yet,
    // so the widest tick label it could have is assumed.
    layout.legendBelowFigures = figuresWidth + legendWidth + 4.5 * line +
                                    metrics.horizontalAdvance(QStringLiteral("0.00")) >
                                bounds.width();
    // Two lines of figures above, or those and the legend's two.
    const double top = bounds.top() + (layout.legendBelowFigures ? 5.4 : 3.4) * line;
    const double bottom = bounds.bottom() - 2.6 * line;
    const int verticalTicks = std::max(2, static_cast<int>((bottom - top) / (2.5 * line)));
    const Axis probe(0, peak * 1.08, bottom, top, verticalTicks);
    double widest = 0;
    for (const double tick : probe.ticks()) {
        widest = std::max(widest, metrics.horizontalAdvance(probe.label(tick, style.locale)));
    }
    const double left = bounds.left() + widest + 1.0 * line;
    const double right = bounds.right() - 1.5 * line;
    layout.plotArea = QRectF(QPointF(left, top), QPointF(std::max(left + 1, right), bottom));
    layout.density = Axis(0, peak * 1.08, bottom, top, verticalTicks);
    const int horizontalTicks = std::max(2, static_cast<int>((right - left) / (5 * line)));
    layout.delta = Axis(low, high, left, right, horizontalTicks);
    layout.intervalY = bottom - 0.6 * line;
    return layout;
}

void paintPosterior(QPainter& painter, const QRectF& bounds, const PosteriorPicture& picture,
                    const PlotStyle& style) {
    const PosteriorLayout layout = layoutPosterior(picture, bounds, style, painter.device());
    const QFont font = logicalFont(style.font);
    const QFontMetricsF metrics(font, painter.device());
    const double line = metrics.height();
    const QRectF& area = layout.plotArea;
    const Axis& x = layout.delta;
    const Axis& y = layout.density;
    beginPicture(painter, bounds, style);

    drawHorizontalAxis(painter, x, area.bottom(), 0.4 * line, style);
    drawVerticalAxis(painter, y, area.left(), -0.4 * line, style);

    // The prior, sampled as finely as the pixels.
    QPainterPath prior;
    const int steps = std::max(2, static_cast<int>(area.width()));
    for (int k = 0; k <= steps; ++k) {
        const double delta = x.low() + (x.high() - x.low()) * k / steps;
        const QPointF point(x.pixel(delta), y.pixel(cauchyDensity(delta, picture.priorScale)));
        k == 0 ? prior.moveTo(point) : prior.lineTo(point);
    }
    painter.setPen(QPen(style.second, 1.5, Qt::DashLine));
    painter.drawPath(prior);

    QPainterPath posterior;
    bool first = true;
    for (const DensityPoint& point : picture.posterior.density) {
        const QPointF at(x.pixel(point.x), y.pixel(point.density));
        first ? posterior.moveTo(at) : posterior.lineTo(at);
        first = false;
    }
    painter.setPen(QPen(style.first, 2));
    painter.drawPath(posterior);

    // The median up to the curve, and the credible interval as a bar with end ticks.
    const double median = picture.posterior.median;
    const Interval& credible = picture.posterior.credible;
    painter.setPen(QPen(style.difference, 1));
    painter.drawLine(QPointF(x.pixel(median), area.bottom()),
                     QPointF(x.pixel(median), y.pixel(densityAt(picture.posterior, median))));
    painter.setPen(QPen(style.difference, 2, Qt::SolidLine, Qt::FlatCap));
    const double bar = layout.intervalY;
    painter.drawLine(QPointF(x.pixel(credible.lower), bar), QPointF(x.pixel(credible.upper), bar));
    for (const double end : {credible.lower, credible.upper}) {
        painter.drawLine(QPointF(x.pixel(end), bar - 0.25 * line),
                         QPointF(x.pixel(end), bar + 0.25 * line));
    }

    // The figures above, the legend at the right or under them, delta's name below.
    painter.setPen(style.ink);
    const QStringList figures = figureLines(picture, style.locale);
    for (qsizetype row = 0; row < figures.size(); ++row) {
        painter.drawText(QRectF(area.left(), bounds.top() + (0.3 + row) * line, area.width(), line),
                         Qt::AlignLeft | Qt::AlignVCenter, figures[row]);
    }
    const QStringList legendTexts = legendLines(picture, style.locale);
    const double legendWidth = (LegendSample + LegendGap) * line + widest(legendTexts, metrics);
    const double legendLeft =
        layout.legendBelowFigures ? area.left() : bounds.right() - 0.5 * line - legendWidth;
    const double firstLegendRow = layout.legendBelowFigures ? 0.3 + 2 : 0.3;
    const auto legend = [&](double row, const QPen& pen, const QString& text) {
        const double middle = bounds.top() + (firstLegendRow + row + 0.5) * line;
        painter.setPen(pen);
        painter.drawLine(QPointF(legendLeft, middle),
                         QPointF(legendLeft + LegendSample * line, middle));
        painter.setPen(style.ink);
        const double textLeft = legendLeft + (LegendSample + LegendGap) * line;
        painter.drawText(QRectF(textLeft, middle - line / 2, bounds.right() - textLeft, line),
                         Qt::AlignLeft | Qt::AlignVCenter, text);
    };
    legend(0, QPen(style.first, 2), legendTexts[0]);
    legend(1, QPen(style.second, 1.5, Qt::DashLine), legendTexts[1]);
    painter.drawText(QRectF(area.left(), area.bottom() + 1.5 * line, area.width(), line),
                     Qt::AlignCenter, QStringLiteral("\u03b4"));
    painter.restore();
}

} // namespace lx::plots
