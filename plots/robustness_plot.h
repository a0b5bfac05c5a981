// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "axis.h"
#include "bayes_text.h"
#include "plot_style.h"
#include "stats/bayes_robustness.h"

#include <QRectF>

#include <optional>

class QPainter;
class QPaintDevice;

namespace lx {
struct TwoSampleReport;
}

namespace lx::plots {

// What the robustness picture shows: BF10 against the prior scale on a log scale, with the
// named scales, the chosen one and the largest factor marked.
struct RobustnessPicture {
    BayesRobustness robustness;
    double chosenScale = 0;
    double logBfChosen = 0;
};

// The picture of a report computed with the robustness figures and the Bayes factors, or
// nothing where a value it marks is missing.
std::optional<RobustnessPicture> robustnessPicture(const TwoSampleReport& report);

struct RobustnessLayout {
    QRectF plotArea;
    Axis scale;  // horizontal: r from 0
    Axis factor; // vertical: log10 BF10; its own ticks are not used
    std::vector<LogTick> ticks;
};

RobustnessLayout layoutRobustness(const RobustnessPicture& picture, const QRectF& bounds,
                                  const PlotStyle& style, QPaintDevice* device);

void paintRobustness(QPainter& painter, const QRectF& bounds, const RobustnessPicture& picture,
                     const PlotStyle& style);

} // namespace lx::plots
