// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: LGPL-3.0-or-later
#include "window_memory.h"

#include "platform/core/number_text.h"
#include "platform/core/runtime_error.h"
#include "platform/settings_store.h"
#include "platform/twips.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <limits>

namespace lx {

namespace {

const QString StateKey = QStringLiteral("WindowState");
const QString LeftKey = QStringLiteral("Left");
const QString TopKey = QStringLiteral("Top");
const QString WidthKey = QStringLiteral("Width");
const QString HeightKey = QStringLiteral("Height");

// Beyond this a window could not be placed in whole pixels anyway.
constexpr float MaxTwips = static_cast<float>(QWIDGETSIZE_MAX) * twips::PerPixel;

// The program being served: its own store, not the one of the program that
// supplied the control.
QString application() {
    return QCoreApplication::applicationName();
}

QRectF inPixels(const QRectF& twipRect) {
    return {twipRect.x() / twips::PerPixel, twipRect.y() / twips::PerPixel,
            twipRect.width() / twips::PerPixel, twipRect.height() / twips::PerPixel};
}

// The screen that holds most of the rectangle; none when it lies on no screen at all.
const QScreen* mostlyOn(const QRectF& twipRect) {
    const QRectF px = inPixels(twipRect);
    const QScreen* best = nullptr;
    qreal bestArea = -1;
    const QList<QScreen*> screens = QGuiApplication::screens();
    for (const QScreen* screen : screens) {
        const QRectF common = px.intersected(QRectF(screen->geometry()));
        const qreal area = common.width() * common.height();
        if (px.intersects(QRectF(screen->geometry())) && area > bestArea) {
            best = screen;
            bestArea = area;
        }
    }
    return best;
}

// One edge moved just enough to bring [start, start + length) into [low, high); a length that
// cannot fit keeps its start at low, so the window's title bar and its top-left corner show.
float keptInside(float start, float length, float low, float high) {
    return std::max(low, std::min(start, high - length));
}

// A rectangle moved, not resized, so that as much of it as can lies in the screen's free area
// (the screen less its panels and docks).
QRectF insideAvailableArea(const QRectF& twipRect, const QScreen& screen) {
    const QRect free = screen.availableGeometry();
    const float left = twips::fromPixels(free.left());
    const float top = twips::fromPixels(free.top());
    const float right = left + twips::fromPixels(free.width());
    const float bottom = top + twips::fromPixels(free.height());
    const auto width = static_cast<float>(twipRect.width());
    const auto height = static_cast<float>(twipRect.height());
    return {keptInside(static_cast<float>(twipRect.left()), width, left, right),
            keptInside(static_cast<float>(twipRect.top()), height, top, bottom), width, height};
}

} // namespace

WindowMemory::WindowMemory(SettingsStore& store, const QString& section)
    : m_store(store)
    , m_section(section) {}

int WindowMemory::state() const {
    if (!m_store.contains(application(), m_section, StateKey)) {
        return 0;
    }
    int state = 0;
    suppressErrors([&] {
        state = number_text::toLong(m_store.GetSetting(application(), m_section, StateKey));
    });
    return state >= 0 && state <= 2 ? state : 0;
}

QRectF WindowMemory::place(const QSizeF& currentSize) const {
    float width = static_cast<float>(currentSize.width());
    float height = static_cast<float>(currentSize.height());
    float stored = 0.0f;
    if (readSingle(WidthKey, stored) && stored > 0.0f) {
        width = stored;
    }
    if (readSingle(HeightKey, stored) && stored > 0.0f) {
        height = stored;
    }
    const QSizeF size(width, height);
    QPointF topLeft = centred(size);
    if (readSingle(LeftKey, stored)) {
        topLeft.setX(stored);
    }
    if (readSingle(TopKey, stored)) {
        topLeft.setY(stored);
    }
    const QRectF rect(topLeft, size);
    if (mostlyOn(rect)) {
        return rect;
    }
    return QRectF(centred(currentSize), currentSize);
}

QPointF WindowMemory::keptOnScreen(const QRectF& outer) {
    // Stored on a screen that has since become smaller, more scaled, or got panels: all of
    // the window comes back inside, moved no further than needed.
    const QScreen* screen = mostlyOn(outer);
    return screen ? insideAvailableArea(outer, *screen).topLeft() : outer.topLeft();
}

void WindowMemory::saveState(int state) {
    m_store.SaveSetting(application(), m_section, StateKey, number_text::fromLong(state));
    m_store.sync();
}

void WindowMemory::savePlace(const QRectF& outer) {
    saveSingle(LeftKey, static_cast<float>(outer.left()));
    saveSingle(TopKey, static_cast<float>(outer.top()));
    saveSingle(WidthKey, static_cast<float>(outer.width()));
    saveSingle(HeightKey, static_cast<float>(outer.height()));
    m_store.sync();
}

QPointF WindowMemory::centred(const QSizeF& size) {
    const float width = static_cast<float>(size.width());
    const float height = static_cast<float>(size.height());
    return QPointF((twips::screenWidth() - width) / 2.0f, (twips::screenHeight() - height) / 2.0f);
}

bool WindowMemory::readSingle(const QString& key, float& value) const {
    if (!m_store.contains(application(), m_section, key)) {
        return false;
    }
    float parsed = 0.0f;
    const bool ok = suppressErrors(
        [&] { parsed = number_text::toSingle(m_store.GetSetting(application(), m_section, key)); });
    if (!ok || !std::isfinite(parsed) || std::fabs(parsed) > MaxTwips) {
        return false;
    }
    value = parsed;
    return true;
}

void WindowMemory::saveSingle(const QString& key, float value) {
    m_store.SaveSetting(application(), m_section, key, number_text::fromSingle(value));
}

} // namespace lx
