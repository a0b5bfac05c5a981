// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: LGPL-3.0-or-later
#include "lx_button.h"

#include "platform/picture_surface.h"
#include "platform/window_system.h"

#include <QTimer>

namespace lx {

namespace {
constexpr int AutoClickPressedMilliseconds = 125;
}

// Hover is tracked without grabbing the mouse: the timer polls until it finds
// the cursor outside the face.
void LxButton::BeginHover() {
    m_Hover = true;
    if (!timCapture->isActive()) {
        timCapture->start();
    }
    emit MouseEnter();
}

void LxButton::faceMouseDown() {
    m_Value = !m_Value;
    DrawPressed();
    BeginHover();
}

void LxButton::faceMouseMove(float X, float Y) {
    if (!m_Hover) {
        m_Hover = true;
        BeginHover();
        DrawSelected();
    }
    // While a mouse button is held the face sees moves outside itself too.
    const float left = picButton->ScaleLeft();
    const float top = picButton->ScaleTop();
    const float right = left + picButton->ScaleWidth();
    const float bottom = top + picButton->ScaleHeight();
    if (X < left || Y < top || X > right || Y > bottom) {
        DrawUnSelected();
        m_Hover = false;
    }
}

// The release comes wherever the mouse is, so a drag off the face clicks too.
void LxButton::faceMouseUp() {
    BeginHover();
    m_Hover = false;
    emit Click();
}

void LxButton::faceLostFocus() {
    if (!m_Hover) {
        DrawUnSelected();
    }
}

void LxButton::captureTick() {
    WindowSystem& system = WindowSystem::instance();
    const QRect face = system.windowRect(*picButton);
    const QPoint cursor = system.cursorPos();
    // The right and bottom edges lie just outside the face and still count
    // as inside.
    const int right = face.left() + face.width();
    const int bottom = face.top() + face.height();
    if (face.left() <= cursor.x() && cursor.x() <= right && face.top() <= cursor.y() &&
        cursor.y() <= bottom) {
        return;
    }
    DrawUnSelected();
    m_Hover = false;
    timCapture->stop();
    emit MouseExit();
}

QVariant LxButton::AutoClick() {
    DrawPressed();
    // The thread sleeps next, so the pressed look must reach the screen now.
    picButton->paintNow();
    WindowSystem::instance().sleep(AutoClickPressedMilliseconds);
    DrawUnSelected();
    emit Click();
    return QVariant();
}

} // namespace lx
