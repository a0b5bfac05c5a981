// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: LGPL-3.0-or-later
#include "key_codes.h"

#include <QKeyEvent>

namespace lx::key_codes {

int fromEvent(const QKeyEvent& event) {
    const int key = event.key();
    const bool keypad = event.modifiers().testFlag(Qt::KeypadModifier);
    if (key >= Qt::Key_0 && key <= Qt::Key_9) {
        return keypad ? 96 + (key - Qt::Key_0) : key;
    }
    if (key >= Qt::Key_A && key <= Qt::Key_Z) {
        return key; // Qt uses the same upper-case codes
    }
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24) {
        return F1 + (key - Qt::Key_F1);
    }
    switch (key) {
    case Qt::Key_Backspace:
        return Back;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return Tab;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return Return;
    case Qt::Key_Shift:
        return 16;
    case Qt::Key_Control:
        return 17;
    case Qt::Key_Alt:
        return 18;
    case Qt::Key_Pause:
        return 19;
    case Qt::Key_Escape:
        return Escape;
    case Qt::Key_Space:
        return Space;
    case Qt::Key_PageUp:
        return 33;
    case Qt::Key_PageDown:
        return 34;
    case Qt::Key_End:
        return 35;
    case Qt::Key_Home:
        return 36;
    case Qt::Key_Left:
        return 37;
    case Qt::Key_Up:
        return 38;
    case Qt::Key_Right:
        return 39;
    case Qt::Key_Down:
        return 40;
    case Qt::Key_Insert:
        return 45;
    case Qt::Key_Delete:
        return Delete;
    case Qt::Key_Asterisk:
        return keypad ? 106 : 0;
    case Qt::Key_Plus:
        return keypad ? 107 : 187;
    case Qt::Key_Minus:
        return keypad ? 109 : 189;
    case Qt::Key_Period:
        return keypad ? 110 : 190;
    case Qt::Key_Comma:
        return keypad ? 110 : 188;
    case Qt::Key_Slash:
        return keypad ? 111 : 191;
    default:
        return 0;
    }
}

int shiftState(const QKeyEvent& event) {
    const Qt::KeyboardModifiers m = event.modifiers();
    return (m.testFlag(Qt::ShiftModifier) ? ShiftMask : 0) |
           (m.testFlag(Qt::ControlModifier) ? CtrlMask : 0) |
           (m.testFlag(Qt::AltModifier) ? AltMask : 0);
}

} // namespace lx::key_codes
