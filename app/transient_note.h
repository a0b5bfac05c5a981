// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>
#include <QTimer>

namespace lx {

// A short note in a window, in the tooltip colours, that needs no click: it shows for a few
// seconds just under a widget, across the window's width, and lets the mouse through. Assistive
// tools read it as a label.
class TransientNote : public QLabel {
    Q_OBJECT
public:
    explicit TransientNote(QWidget* window);

    // Shows text under the widget (a child of the window) for a while.
    void showUnder(const QWidget& widget, const QString& text);

private:
    QTimer m_timer;
};

} // namespace lx
