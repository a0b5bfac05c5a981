// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "axis.h"
#include "plot_style.h"
#include "stats/delta_posterior.h"

#include <QRectF>

#include <optional>

class QPainter;
class QPaintDevice;

namespace lx {
struct TwoSampleReport;
}

namespace lx::plots {

// What the prior and posterior picture shows: the Cauchy prior of delta, its posterior with the
// median and credible interval marked, and BF10.
struct PosteriorPicture {
    double priorScale = 0;
    double level = 0.95;
    DeltaPosterior posterior;
    double logBf10 = 0;
};

// The picture of a report computed with the posterior and the Bayes factors, or nothing where
// either has no value.
std::optional<PosteriorPicture> posteriorPicture(const TwoSampleReport& report);

struct PosteriorLayout {
    QRectF plotArea;
    Axis delta;           // horizontal
    Axis density;         // vertical, from 0
    double intervalY = 0; // where the credible interval's bar lies
    // The legend goes beside the figures above the plot, or under them where that is too narrow.
    bool legendBelowFigures = false;
};

PosteriorLayout layoutPosterior(const PosteriorPicture& picture, const QRectF& bounds,
                                const PlotStyle& style, QPaintDevice* device);

void paintPosterior(QPainter& painter, const QRectF& bounds, const PosteriorPicture& picture,
                    const PlotStyle& style);

// The Cauchy prior's density at delta.
double cauchyDensity(double delta, double scale);

} // namespace lx::plots
