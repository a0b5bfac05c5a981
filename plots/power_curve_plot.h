// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "axis.h"
#include "plot_style.h"
#include "stats/power.h"

#include <QRectF>

#include <cstdint>
#include <optional>
#include <vector>

class QPainter;
class QPaintDevice;

namespace lx::plots {

// The power of the two-sample t-test with n in each group.
struct PowerAtN {
    std::int32_t n = 0;
    double power = 0;
};

// What the power curve shows: power against n per group at the planned d and alpha, the
// target power, and the chosen n with its power.
struct PowerCurvePicture {
    double d = 0;
    double alpha = 0.05;
    double targetPower = 0.8;
    PowerAtN chosen;
    std::vector<PowerAtN> curve; // n from 2 up, every n while there are few
    power::Tails tails = power::Tails::Two;
};

// The power at each n per group from 2 to largestN, two-sided, equal groups: every n up to
// about 200 points, evenly spread beyond. Nothing where a power cannot be worked out.
std::optional<std::vector<PowerAtN>> powerCurve(double d, double alpha, std::int32_t largestN);
// The same for a test of either tails; a one-sided test looks in the direction of d.
std::optional<std::vector<PowerAtN>> powerCurve(double d, const power::TestDesign& test,
                                                std::int32_t largestN);

// The picture for a plan of chosenN per group (the plan's n1, say, from studentSampleSize),
// drawn out to twice that n; nothing for a d of 0, an alpha or target outside (0, 1), a chosen
// n below 2 or a power that cannot be worked out.
std::optional<PowerCurvePicture> powerCurvePicture(double d, double alpha, double targetPower,
                                                   std::int32_t chosenN);
std::optional<PowerCurvePicture> powerCurvePicture(double d, const power::TestDesign& test,
                                                   double targetPower, std::int32_t chosenN);

struct PowerCurveLayout {
    QRectF plotArea;
    Axis n;     // horizontal: n per group
    Axis power; // vertical: 0 to 1
};

PowerCurveLayout layoutPowerCurve(const PowerCurvePicture& picture, const QRectF& bounds,
                                  const PlotStyle& style, QPaintDevice* device);

// The curve in the first colour, the chosen n as a disc of the second colour on it with a
// line down to the axis, and the target power as a dashed line across.
void paintPowerCurve(QPainter& painter, const QRectF& bounds, const PowerCurvePicture& picture,
                     const PlotStyle& style);

} // namespace lx::plots
