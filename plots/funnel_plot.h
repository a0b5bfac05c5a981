// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "axis.h"
#include "plot_style.h"

#include <QRectF>
#include <QString>

#include <array>
#include <cstddef>
#include <vector>

class QPainter;

namespace lx::plots {

// One study of a funnel plot: its effect and the effect's standard error.
struct FunnelPoint {
    double effect = 0;
    double se = 0;
};

// What a funnel plot shows: each study's effect against its standard error, 0 at the top; the
// pooled estimate as a vertical line with its pseudo 95% limits (estimate ± 1.96 SE); and the
// regions around no effect where a study's two-sided normal p falls below .10, .05 and .01
// (|effect| > z SE), shaded lighter to darker, so that a reader sees where missing studies would
// lie. Studies whose figures are not finite or whose SE is not positive are left out.
struct FunnelPicture {
    std::vector<FunnelPoint> studies;
    double estimate = 0;
    QString effectName = QStringLiteral("g");
};

// The p of each shaded region, loosest first, and the normal z that bounds it.
constexpr std::array<double, 3> funnelLevels{0.10, 0.05, 0.01};
double funnelZ(double p);

struct FunnelLayout {
    Axis effect;    // horizontal
    Axis se;        // vertical, SE 0 at the top
    QRectF plot;    // the shaded area, between the axes
    double legendY; // the middle of the legend's line
    std::size_t shown = 0;
    std::size_t skipped = 0;
};

FunnelLayout layoutFunnel(const FunnelPicture& picture, const QRectF& bounds,
                          const PlotStyle& style, QPaintDevice* device);

void paintFunnel(QPainter& painter, const QRectF& bounds, const FunnelPicture& picture,
                 const PlotStyle& style);

} // namespace lx::plots
