// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "etched_frame.h"

#include <QPainter>
#include <QStyle>
#include <qdrawutil.h>

namespace lx {

namespace {

constexpr int CaptionLeft = 6;    // pixels from the frame's left edge
constexpr int CaptionPadding = 2; // on each side of the caption

} // namespace

void EtchedFrame::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const QFontMetrics metrics = fontMetrics();
    // The line runs through the middle of the caption.
    const QRect line = rect().adjusted(0, metrics.height() / 2, 0, 0);
    qDrawShadeRect(&painter, line, palette(), true, 1);
    if (title().isEmpty()) {
        return;
    }
    const QRect caption(CaptionLeft, 0, metrics.horizontalAdvance(title()) + 2 * CaptionPadding,
                        metrics.height());
    painter.fillRect(caption, palette().window());
    style()->drawItemText(&painter, caption, Qt::AlignCenter | Qt::TextShowMnemonic, palette(),
                          isEnabled(), title(), QPalette::WindowText);
}

} // namespace lx
