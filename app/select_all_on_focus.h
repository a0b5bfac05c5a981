// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QLineEdit;

namespace lx {

// A box selects all its text when it gets the focus, so that the next key typed replaces it:
// the calculator's input boxes and the planning view's. Installed as an event filter on each
// box, or on an editable combo box's line edit.
class SelectAllOnFocus : public QObject {
public:
    using QObject::QObject;

    void watch(QLineEdit& box);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace lx
