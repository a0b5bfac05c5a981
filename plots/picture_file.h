// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRectF>
#include <QSizeF>
#include <QString>

#include <cstddef>
#include <functional>
#include <vector>

class QPainter;

namespace lx::plots {

// Paints a picture into bounds on whatever device it is given.
using PaintRoutine = std::function<void(QPainter&, const QRectF&)>;

// Writes a picture of the given size in device-independent pixels to a file whose suffix
// chooses the format: .png (at dpi, 96 for the screen's size), .svg or .pdf. False with a reason
// in error when the suffix is none of them or the file cannot be written.
// Text as every format of picture holds it: a control character, which XML (and so SVG) cannot
// hold and no font draws, becomes U+FFFD, as do a lone surrogate and the noncharacters U+FFFE
// and U+FFFF; a tab becomes a blank.
QString printableText(const QString& text);

bool writePictureFile(const QString& path, const QSizeF& size, const PaintRoutine& paint,
                      QString& error, int dpi = 96);

// Paints one page, from 0, of a picture of several pages into bounds.
using PagePaintRoutine = std::function<void(QPainter&, const QRectF&, std::size_t page)>;

// Writes a PDF of one page for each size (in device-independent pixels, as above), whatever the
// path's suffix; false with a reason in error when there is no page or it cannot be written.
bool writePdfPages(const QString& path, const std::vector<QSizeF>& pages,
                   const PagePaintRoutine& paint, QString& error, int dpi = 96);

} // namespace lx::plots
