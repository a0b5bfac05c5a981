// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: LGPL-3.0-or-later
#pragma once

#include <QColor>
#include <QPalette>
#include <cstdint>

namespace lx {

// A colour as controls store it: 0x00BBGGRR is a direct colour, 0x80000000 + n
// names system colour n, resolved against a palette only when drawing.
using OleColor = std::uint32_t;

namespace ole_color {

inline constexpr OleColor SystemFlag = 0x80000000u;
inline constexpr OleColor WindowText = SystemFlag + 8;
inline constexpr OleColor ButtonFace = SystemFlag + 15;
inline constexpr OleColor ButtonShadow = SystemFlag + 16;
inline constexpr OleColor ButtonText = SystemFlag + 18;
inline constexpr OleColor Highlight3D = SystemFlag + 20;

constexpr bool isSystem(OleColor colour) {
    return (colour & SystemFlag) != 0;
}

// The colour to draw with: direct colours as they are, system colours from
// the palette's matching role.
QColor resolve(OleColor colour, const QPalette& palette);

// A direct colour for rgb (alpha ignored).
OleColor fromRgb(const QColor& rgb);

} // namespace ole_color
} // namespace lx
