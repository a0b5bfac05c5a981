// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: LGPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QRect>
#include <QRectF>

// Twips are 1/1440 inch: the unit every stored position and size uses. A
// device-independent pixel (96 dpi) is 15 twips.
namespace lx::twips {

inline constexpr float PerInch = 1440.0f;
inline constexpr float PerPixel = 15.0f;

// Nearest whole pixel, halves to even, as a Qt geometry needs.
int toPixels(float twips);
float fromPixels(int pixels);

QRect toPixels(const QRectF& twipRect);

// Twips per pixel of the primary screen, from its logical dpi, rounded to
// the nearest whole number (15 at 96 dpi).
int perPixelOfScreenX();
int perPixelOfScreenY();

// The primary screen's size in twips.
float screenWidth();
float screenHeight();

} // namespace lx::twips
