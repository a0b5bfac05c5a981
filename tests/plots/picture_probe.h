// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "plots/plot_style.h"

#include <QColor>
#include <QImage>
#include <QList>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <optional>

// Reading a rendered picture back: where pixels of one exact colour lie (antialiasing off), and
// what an SVG file holds.
namespace lx::test {

struct Extent {
    int first = 0;
    int last = 0;
};

// A colour of its own for each element and no antialiasing, so that each element's pixels can be
// found: the first colour red, the second blue, the difference green, the band yellow, a pooled
// diamond magenta, its prediction line cyan, the funnel's regions three greys.
lx::plots::PlotStyle probeStyle(const QString& locale);

// The rows of column x that hold colour, first to last, or nothing.
std::optional<Extent> rowsInColumn(const QImage& image, int x, const QColor& colour);

// The columns of row y that hold colour, first to last, or nothing.
std::optional<Extent> columnsInRow(const QImage& image, int y, const QColor& colour);

// The row, within rows, whose run of colour through column x is widest (the middle one of
// several): a disc's centre row.
std::optional<int> widestRow(const QImage& image, int x, const Extent& rows, const QColor& colour);

// Whether the outermost pixels of the image are all of colour: nothing was cut at the edges.
bool bordersAre(const QImage& image, const QColor& colour);

struct SvgText {
    QString text;
    QPointF at; // in the file's own coordinates, its transforms applied
};
struct SvgRect {
    QRectF rect;  // its transforms applied
    QString fill; // its own fill or the one of the group it is in, as written ("#1f77b4")
};
struct SvgPath {
    QList<QPointF> points; // its corners (M and L commands), its transforms applied
    QString fill;
};
struct SvgContent {
    QList<SvgText> texts;
    QList<SvgPath> paths;
    QList<QPointF> circleCentres;
    QList<SvgRect> rects;
    QRectF viewBox;
    bool wellFormed = false;
};

SvgContent readSvg(const QString& path);

} // namespace lx::test
