// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: LGPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QRect>
#include <Qt>

class QWidget;

namespace lx {

// The few window-system calls controls make directly. Behind an interface so
// tests can place the cursor, move windows and skip real sleeps.
class WindowSystem {
public:
    virtual ~WindowSystem() = default;

    // The mouse cursor in global screen pixels.
    virtual QPoint cursorPos() const = 0;
    // A widget's rectangle in global screen pixels (its frame for a window).
    virtual QRect windowRect(const QWidget& widget) const = 0;
    // Blocks the calling (GUI) thread.
    virtual void sleep(int milliseconds) = 0;
    // Keeps a top-level window above all others, or returns it to the normal
    // order, without moving, resizing or activating it; shows it if hidden.
    virtual void setTopmost(QWidget& window, bool topmost) = 0;

    // The implementation in use: the real one unless a test installed another.
    static WindowSystem& instance();
    // Installs a replacement (not owned); nullptr restores the real one.
    static void setInstance(WindowSystem* replacement);
};

// Changes a top-level window's flags where it stands: the native window is
// updated in place instead of being hidden and re-created, as
// QWidget::setWindowFlags would do.
void setWindowFlagsInPlace(QWidget& window, Qt::WindowFlags flags);

// The real window system, through Qt.
class QtWindowSystem : public WindowSystem {
public:
    QPoint cursorPos() const override;
    QRect windowRect(const QWidget& widget) const override;
    void sleep(int milliseconds) override;
    void setTopmost(QWidget& window, bool topmost) override;
};

} // namespace lx
