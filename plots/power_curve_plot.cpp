// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "power_curve_plot.h"

#include "painting.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace lx::plots {

namespace {

// Enough points for a smooth line at any size the picture is drawn.
constexpr std::int32_t curvePoints = 200;

std::optional<double> powerAt(std::int32_t n, double d, const power::TestDesign& test) {
    const auto power = power::studentPower(n, n, d, test);
    if (!power) {
        return std::nullopt;
    }
    return *power;
}

} // namespace

std::optional<std::vector<PowerAtN>> powerCurve(double d, double alpha, std::int32_t largestN) {
    return powerCurve(d, power::TestDesign{alpha, power::Tails::Two}, largestN);
}

std::optional<std::vector<PowerAtN>> powerCurve(double d, const power::TestDesign& test,
                                                std::int32_t largestN) {
    std::vector<PowerAtN> curve;
    const std::int64_t span = std::int64_t(largestN) - 2;
    const std::int64_t steps = std::min<std::int64_t>(span, curvePoints - 1);
    for (std::int64_t k = 0; k <= steps && span >= 0; ++k) {
        // Multiplied out, not summed, so that the last point is largestN itself.
        const auto n = static_cast<std::int32_t>(2 + (steps == 0 ? 0 : k * span / steps));
        if (!curve.empty() && curve.back().n == n) {
            continue;
        }
        const auto power = powerAt(n, d, test);
        if (!power) {
            return std::nullopt;
        }
        curve.push_back({n, *power});
    }
    if (curve.empty()) {
        return std::nullopt;
    }
    return curve;
}

std::optional<PowerCurvePicture> powerCurvePicture(double d, double alpha, double targetPower,
                                                   std::int32_t chosenN) {
    return powerCurvePicture(d, power::TestDesign{alpha, power::Tails::Two}, targetPower, chosenN);
}

std::optional<PowerCurvePicture> powerCurvePicture(double d, const power::TestDesign& test,
                                                   double targetPower, std::int32_t chosenN) {
    const double alpha = test.alpha;
    if (!std::isfinite(d) || d == 0 || !(alpha > 0 && alpha < 1) ||
        !(targetPower > 0 && targetPower < 1) || chosenN < 2) {
        return std::nullopt;
    }
    const auto chosenPower = powerAt(chosenN, d, test);
    const auto largest = static_cast<std::int32_t>(
        std::min<std::int64_t>(std::max<std::int64_t>(10, 2 * std::int64_t(chosenN)), INT32_MAX));
    auto curve = powerCurve(d, test, largest);
    if (!chosenPower || !curve) {
        return std::nullopt;
    }
    // The chosen n is a point of the curve, so that its mark lies on the line.
    const auto at =
        std::lower_bound(curve->begin(), curve->end(), chosenN,
                         [](const PowerAtN& point, std::int32_t n) { return point.n < n; });
    if (at == curve->end() || at->n != chosenN) {
        curve->insert(at, {chosenN, *chosenPower});
    }
    return PowerCurvePicture{
        d, alpha, targetPower, {chosenN, *chosenPower}, std::move(*curve), test.tails};
}

PowerCurveLayout layoutPowerCurve(const PowerCurvePicture& picture, const QRectF& bounds,
                                  const PlotStyle& style, QPaintDevice* device) {
    const QFontMetricsF metrics(logicalFont(style.font), device);
    const double line = metrics.height();
    PowerCurveLayout layout;
    const double top = bounds.top() + 3.4 * line; // two lines of figures above
    const double bottom = bounds.bottom() - 2.6 * line;
    const int verticalTicks = std::max(2, static_cast<int>((bottom - top) / (2.5 * line)));
    layout.power = Axis(0, 1, bottom, top, verticalTicks);
    double widest = 0;
    for (const double tick : layout.power.ticks()) {
        widest =
            std::max(widest, metrics.horizontalAdvance(layout.power.label(tick, style.locale)));
    }
    const double largestN = picture.curve.empty() ? 10 : picture.curve.back().n;
    // Room for half of the last tick's label beyond the axis' end.
    const double lastLabel =
        metrics.horizontalAdvance(style.locale.toString(static_cast<qlonglong>(largestN)));
    const double left = bounds.left() + widest + 1.0 * line;
    const double right = bounds.right() - std::max(1.5 * line, lastLabel / 2 + 0.5 * line);
    layout.plotArea = QRectF(QPointF(left, top), QPointF(std::max(left + 1, right), bottom));
    const int horizontalTicks = std::max(2, static_cast<int>((right - left) / (4 * line)));
    layout.n = Axis(0, largestN, left, std::max(left + 1, right), horizontalTicks, 1);
    return layout;
}

void paintPowerCurve(QPainter& painter, const QRectF& bounds, const PowerCurvePicture& picture,
                     const PlotStyle& style) {
    const PowerCurveLayout layout = layoutPowerCurve(picture, bounds, style, painter.device());
    const QFont font = logicalFont(style.font);
    const QFontMetricsF metrics(font, painter.device());
    const double line = metrics.height();
    const QRectF& area = layout.plotArea;
    const Axis& x = layout.n;
    const Axis& y = layout.power;
    const QLocale& locale = style.locale;
    beginPicture(painter, bounds, style);

    drawHorizontalAxis(painter, x, area.bottom(), 0.4 * line, style);
    drawVerticalAxis(painter, y, area.left(), -0.4 * line, style);
    painter.setPen(QPen(style.guide, 1, Qt::DashLine));
    painter.drawLine(QPointF(area.left(), y.pixel(picture.targetPower)),
                     QPointF(area.right(), y.pixel(picture.targetPower)));
    const QPointF chosen(x.pixel(picture.chosen.n), y.pixel(picture.chosen.power));
    painter.drawLine(QPointF(chosen.x(), area.bottom()), chosen);

    QPainterPath curve;
    for (const PowerAtN& point : picture.curve) {
        const QPointF at(x.pixel(point.n), y.pixel(point.power));
        if (curve.elementCount() == 0) {
            curve.moveTo(at);
        } else {
            curve.lineTo(at);
        }
    }
    painter.setPen(QPen(style.first, 2));
    painter.drawPath(curve);

    const double radius = std::max(2.5, 0.3 * line);
    painter.setPen(Qt::NoPen);
    painter.setBrush(style.second);
    painter.drawEllipse(chosen, radius, radius);
    painter.setBrush(Qt::NoBrush);

    painter.setPen(style.ink);
    const QString design =
        (picture.tails == power::Tails::Two
             ? QCoreApplication::translate("lx::plots::PowerCurve",
                                           "Power of the two-sided t-test at d = %1, \u03b1 = %2")
             : QCoreApplication::translate("lx::plots::PowerCurve",
                                           "Power of the one-sided t-test at d = %1, \u03b1 = %2"))
            .arg(locale.toString(picture.d, 'g', 3), locale.toString(picture.alpha, 'g', 3));
    const QString mark = QCoreApplication::translate("lx::plots::PowerCurve",
                                                     "n = %1 per group: power %2 (target %3)")
                             .arg(locale.toString(static_cast<qlonglong>(picture.chosen.n)),
                                  locale.toString(picture.chosen.power, 'f', 3),
                                  locale.toString(picture.targetPower, 'f', 2));
    for (const auto& [row, text] : {std::pair{0, design}, std::pair{1, mark}}) {
        painter.drawText(QRectF(bounds.left() + 0.5 * line, bounds.top() + (0.3 + row) * line,
                                bounds.width() - line, line),
                         Qt::AlignLeft | Qt::AlignVCenter,
                         metrics.elidedText(text, Qt::ElideRight, bounds.width() - line));
    }
    painter.drawText(QRectF(area.left(), area.bottom() + 1.5 * line, area.width(), line),
                     Qt::AlignCenter,
                     QCoreApplication::translate("lx::plots::PowerCurve", "n per group"));
    painter.restore();
}

} // namespace lx::plots
