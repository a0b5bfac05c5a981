// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "select_all_on_focus.h"

#include <QEvent>
#include <QLineEdit>

namespace lx {

void SelectAllOnFocus::watch(QLineEdit& box) {
    box.installEventFilter(this);
}

// The box's own focus-in runs first: it would otherwise set the caret over the selection.
bool SelectAllOnFocus::eventFilter(QObject* watched, QEvent* event) {
    auto* box = qobject_cast<QLineEdit*>(watched);
    if (event->type() != QEvent::FocusIn || !box) {
        return false;
    }
    box->event(event);
    box->setSelection(0, static_cast<int>(box->text().size()));
    return true;
}

} // namespace lx
