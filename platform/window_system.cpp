// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: LGPL-3.0-or-later
#include "window_system.h"

#include <QCursor>
#include <QThread>
#include <QWidget>
#include <QWindow>

namespace lx {

namespace {
WindowSystem* g_replacement = nullptr;
} // namespace

WindowSystem& WindowSystem::instance() {
    static QtWindowSystem real;
    return g_replacement ? *g_replacement : real;
}

void WindowSystem::setInstance(WindowSystem* replacement) {
    g_replacement = replacement;
}

QPoint QtWindowSystem::cursorPos() const {
    return QCursor::pos();
}

QRect QtWindowSystem::windowRect(const QWidget& widget) const {
    if (widget.isWindow()) {
        return widget.frameGeometry();
    }
    return QRect(widget.mapToGlobal(QPoint(0, 0)), widget.size());
}

void QtWindowSystem::sleep(int milliseconds) {
    QThread::msleep(static_cast<unsigned long>(milliseconds));
}

void QtWindowSystem::setTopmost(QWidget& window, bool topmost) {
    QWidget& top = *window.window();
    setWindowFlagsInPlace(top, top.windowFlags().setFlag(Qt::WindowStaysOnTopHint, topmost));
    // Shown after the flag is set, so a window mapped here is mapped topmost.
    if (!top.isVisible()) {
        top.setAttribute(Qt::WA_ShowWithoutActivating, true);
        top.show();
        top.setAttribute(Qt::WA_ShowWithoutActivating, false);
    }
}

void setWindowFlagsInPlace(QWidget& window, Qt::WindowFlags flags) {
    if (QWindow* handle = window.windowHandle()) {
        handle->setFlags(flags);
    }
    window.overrideWindowFlags(flags);
}

} // namespace lx
