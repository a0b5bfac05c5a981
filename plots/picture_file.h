// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRectF>
#include <QSizeF>
#include <QString>

#include <functional>

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

} // namespace lx::plots
