// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "axis.h"
#include "plot_style.h"

#include <QFont>
#include <QRectF>

class QPainter;

namespace lx::plots {

struct Estimate;

// The font sized in pixels, so that text keeps its size against the rest of the picture on a
// device of any resolution: a point size would grow with the device's dots per inch on top of
// the painter's scaling.
QFont logicalFont(const QFont& font);

// Starts a picture in bounds: the painter's state saved (restore it at the end), the style's
// antialiasing and font, and the background filled.
void beginPicture(QPainter& painter, const QRectF& bounds, const PlotStyle& style);

// A vertical axis line over the axis' range at x, with its ticks and their labels. A negative
// tick length puts ticks and labels to the left.
void drawVerticalAxis(QPainter& painter, const Axis& axis, double x, double tickLength,
                      const PlotStyle& style);

// A horizontal axis line over the axis' range at y, ticks and labels below it; above it for a
// negative tick length.
void drawHorizontalAxis(QPainter& painter, const Axis& axis, double y, double tickLength,
                        const PlotStyle& style);

// An estimate at x: its interval as a vertical line, its value as a filled disc.
void drawEstimate(QPainter& painter, double x, const Axis& axis, const Estimate& estimate,
                  double radius, const QColor& colour);

} // namespace lx::plots
