// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "axis.h"
#include "plot_style.h"
#include "stats/interval.h"

#include <QRectF>
#include <QString>

#include <optional>

class QPainter;
class QPaintDevice;

namespace lx {
struct Summary;
struct TwoSampleReport;
} // namespace lx

namespace lx::plots {

// A value and its confidence interval.
struct Estimate {
    double value = 0;
    Interval ci;
};

// What the difference plot shows: both means with their intervals, and M1 - M2 with its
// interval on an axis of its own whose zero lies level with M2.
struct DifferencePicture {
    Estimate mean1;
    Estimate mean2;
    Estimate difference;
    std::optional<double> equivalenceBound; // +-Delta, shaded on the difference axis
    bool welch = false;
};

// The picture of a report, or nothing where an interval has no value (fewer than two
// observations in a group, or no spread at all).
std::optional<DifferencePicture> differencePicture(const Summary& summary,
                                                   const TwoSampleReport& report, bool welch);

// Where everything goes within bounds on a device.
struct DifferenceLayout {
    QRectF plotArea;
    Axis means;       // vertical: values of the means
    Axis differences; // the same pixels and scale, measured from M2
    double x1 = 0;
    double x2 = 0;
    double differenceAxisX = 0;
    double differenceLabelsRight = 0; // where its tick labels end: the guides leave them clear
    double xDifference = 0;
    double markerRadius = 0;
};

DifferenceLayout layoutDifference(const DifferencePicture& picture, const QRectF& bounds,
                                  const PlotStyle& style, QPaintDevice* device);

void paintDifference(QPainter& painter, const QRectF& bounds, const DifferencePicture& picture,
                     const PlotStyle& style);

} // namespace lx::plots
