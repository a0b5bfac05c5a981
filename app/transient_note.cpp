// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "transient_note.h"

#include <algorithm>

namespace lx {

namespace {

constexpr int shownMilliseconds = 6000;
constexpr int windowMargin = 4;

} // namespace

TransientNote::TransientNote(QWidget* window)
    : QLabel(window) {
    setWordWrap(true);
    setMargin(2);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::ToolTipBase);
    setForegroundRole(QPalette::ToolTipText);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
    m_timer.setSingleShot(true);
    m_timer.setInterval(shownMilliseconds);
    connect(&m_timer, &QTimer::timeout, this, &QWidget::hide);
}

void TransientNote::showUnder(const QWidget& widget, const QString& text) {
    QWidget* window = parentWidget();
    setText(text);
    const int width = window->width() - 2 * windowMargin;
    resize(width, heightForWidth(width));
    const int below = widget.mapTo(window, QPoint(0, widget.height() + 2)).y();
    move(windowMargin, std::max(0, std::min(below, window->height() - height())));
    raise();
    show();
    m_timer.start();
}

} // namespace lx
