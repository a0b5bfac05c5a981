// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: LGPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>
#include <QPixmap>
#include <QString>

#include <optional>

namespace lx::prepared_picture {

// A built-in picture decoded at build time: its pixels as the screen holds them, so that
// reading it at start-up is a copy instead of an inflate and a palette expansion.
//
// The prepared copy of the resource ":/images/table.png" is ":/prepared/images/table.png.pixels".
QString resourcePath(const QString& pictureResource);

// The pixels in the form a pixmap keeps them: premultiplied alpha where the picture has
// any, otherwise opaque 32-bit.
QImage screenForm(const QImage& picture);

QByteArray encode(const QImage& picture);
// Nothing for data that is not a whole prepared picture.
std::optional<QImage> decode(const QByteArray& data);

// The prepared copy of a built-in picture, if the program carries one.
std::optional<QImage> load(const QString& pictureResource);

// A built-in picture: its prepared copy where there is one, else the picture file decoded.
// The same picture stands on several buttons, and one shared copy serves them all. Null when
// there is no such picture.
QPixmap builtIn(const QString& pictureResource);

} // namespace lx::prepared_picture
