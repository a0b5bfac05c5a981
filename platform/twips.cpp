// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: LGPL-3.0-or-later
#include "twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace lx::twips {

namespace {

int roundedPerPixel(qreal dpi) {
    return dpi > 0 ? static_cast<int>(std::nearbyint(PerInch / dpi)) : static_cast<int>(PerPixel);
}

QScreen* primaryScreen() {
    return QGuiApplication::primaryScreen();
}

} // namespace

int toPixels(float twips) {
    return static_cast<int>(std::nearbyint(twips / PerPixel));
}

float fromPixels(int pixels) {
    return static_cast<float>(pixels) * PerPixel;
}

QRect toPixels(const QRectF& r) {
    const float left = static_cast<float>(r.left());
    const float top = static_cast<float>(r.top());
    return QRect(toPixels(left), toPixels(top), toPixels(static_cast<float>(r.width())),
                 toPixels(static_cast<float>(r.height())));
}

int perPixelOfScreenX() {
    const QScreen* screen = primaryScreen();
    return roundedPerPixel(screen ? screen->logicalDotsPerInchX() : 96.0);
}

int perPixelOfScreenY() {
    const QScreen* screen = primaryScreen();
    return roundedPerPixel(screen ? screen->logicalDotsPerInchY() : 96.0);
}

float screenWidth() {
    const QScreen* screen = primaryScreen();
    return fromPixels(screen ? screen->geometry().width() : 0);
}

float screenHeight() {
    const QScreen* screen = primaryScreen();
    return fromPixels(screen ? screen->geometry().height() : 0);
}

} // namespace lx::twips
