// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: LGPL-3.0-or-later
#include "system_menu.h"

#include "window_system.h"

#include <QCloseEvent>
#include <QWidget>

namespace lx {

namespace {
const char* const MenuObjectName = "lxSystemMenu";
} // namespace

SystemMenu::SystemMenu(QWidget& window)
    : QObject(&window)
    , m_window(window)
    , m_entries(entriesFor(window)) {
    setObjectName(QLatin1String(MenuObjectName));
    window.installEventFilter(this);
}

SystemMenu& SystemMenu::of(QWidget& window) {
    QWidget& top = *window.window();
    if (auto* menu =
            top.findChild<SystemMenu*>(QLatin1String(MenuObjectName), Qt::FindDirectChildrenOnly)) {
        return *menu;
    }
    return *new SystemMenu(top);
}

QList<SystemMenu::Entry> SystemMenu::entriesFor(const QWidget& window) {
    const Qt::WindowFlags flags = window.windowFlags();
    const bool sizable = window.minimumSize() != window.maximumSize();
    const bool minimizeBox = flags.testFlag(Qt::WindowMinimizeButtonHint);
    const bool maximizeBox = flags.testFlag(Qt::WindowMaximizeButtonHint);

    QList<Entry> entries;
    if (sizable || minimizeBox || maximizeBox) {
        entries.append(Entry::Restore);
    }
    entries.append(Entry::Move);
    if (sizable) {
        entries.append(Entry::Size);
    }
    if (minimizeBox) {
        entries.append(Entry::Minimize);
    }
    if (maximizeBox) {
        entries.append(Entry::Maximize);
    }
    entries.append(Entry::Separator);
    entries.append(Entry::Close);
    return entries;
}

void SystemMenu::removeAt(int position) {
    if (position < 0 || position >= count()) {
        return;
    }
    const Entry removed = m_entries.takeAt(position);
    if (removed == Entry::Close) {
        disableCloseButton();
    }
}

void SystemMenu::disableCloseButton() {
    // Without the customise hint Qt would put the default buttons back.
    Qt::WindowFlags flags = m_window.windowFlags();
    flags.setFlag(Qt::CustomizeWindowHint, true);
    flags.setFlag(Qt::WindowCloseButtonHint, false);
    setWindowFlagsInPlace(m_window, flags);
}

bool SystemMenu::eventFilter(QObject* watched, QEvent* event) {
    // Only the window system's requests arrive as spontaneous close events.
    if (watched == &m_window && event->type() == QEvent::Close && event->spontaneous() &&
        !hasClose()) {
        event->ignore();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace lx
