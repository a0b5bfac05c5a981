// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/window_system.h"

#include <QHash>
#include <QWidget>
#include <functional>

namespace lx::test {

// A window system the test drives: the cursor is where the test puts it,
// sleeps only add up, rectangles come from the widgets' real geometry.
// Installs itself for its lifetime.
class FakeWindowSystem : public WindowSystem {
public:
    FakeWindowSystem() { WindowSystem::setInstance(this); }
    ~FakeWindowSystem() override { WindowSystem::setInstance(nullptr); }
    FakeWindowSystem(const FakeWindowSystem&) = delete;
    FakeWindowSystem& operator=(const FakeWindowSystem&) = delete;

    QPoint cursorPos() const override { return cursor; }
    QRect windowRect(const QWidget& widget) const override {
        return QRect(widget.mapToGlobal(QPoint(0, 0)), widget.size());
    }
    void sleep(int milliseconds) override {
        sleptMilliseconds += milliseconds;
        if (onSleep) {
            onSleep();
        }
    }
    void setTopmost(QWidget& window, bool on) override { topmost[&window] = on; }

    QPoint cursor;
    int sleptMilliseconds = 0;
    std::function<void()> onSleep; // e.g. grab the screen while "asleep"
    QHash<const QWidget*, bool> topmost;
};

} // namespace lx::test
