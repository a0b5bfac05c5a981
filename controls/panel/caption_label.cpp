// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: LGPL-3.0-or-later
#include "caption_label.h"

#include "platform/twips.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPainter>

namespace lx {

CaptionLabel::CaptionLabel(QWidget* parent)
    : Control(parent) {
    sizeToText();
}

void CaptionLabel::setText(const QString& text) {
    m_text = text;
    sizeToText();
    update();
}

void CaptionLabel::sizeIfPending() {
    if (m_sizePending) {
        measure();
    }
}

void CaptionLabel::setForeColor(OleColor colour) {
    m_foreColor = colour;
    update();
}

void CaptionLabel::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange) {
        sizeToText();
    }
    Control::changeEvent(event);
}

void CaptionLabel::showEvent(QShowEvent* event) {
    sizeIfPending();
    Control::showEvent(event);
}

void CaptionLabel::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setPen(ole_color::resolve(m_foreColor, palette()));
    painter.drawText(rect(), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, m_text);
}

// Measuring shapes the text, which costs the first time more than all the rest of a panel: a
// label nobody sees yet is measured when it is shown or its panel places it, so a caption that
// is replaced before then (a panel's default one, read over from its form) is never shaped.
void CaptionLabel::sizeToText() {
    if (!isVisible() && !m_text.isEmpty()) {
        m_sizePending = true;
        return;
    }
    measure();
}

void CaptionLabel::measure() {
    m_sizePending = false;
    const QFontMetrics metrics(font());
    // setWidth/setHeight keep the exact twip position; resize() would not.
    setWidth(twips::fromPixels(metrics.horizontalAdvance(m_text)));
    setHeight(twips::fromPixels(metrics.height()));
}

} // namespace lx
