// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: LGPL-3.0-or-later
#pragma once

#include "platform/control.h"
#include "platform/ole_color.h"

#include <QString>

namespace lx {

// The panel's caption: text in one colour that sizes itself to the text. It
// keeps its position in exact twips (half twips included) and paints no
// background, so the panel's surface colour shows around the letters.
class CaptionLabel : public Control {
    Q_OBJECT

public:
    explicit CaptionLabel(QWidget* parent = nullptr);

    QString text() const { return m_text; }
    void setText(const QString& text);
    // Measures the text now if that waits for the label to be shown: before its size is read.
    void sizeIfPending();

    OleColor ForeColor() const { return m_foreColor; }
    void setForeColor(OleColor colour);

protected:
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void sizeToText();
    void measure();

    QString m_text;
    bool m_sizePending = false;
    OleColor m_foreColor = ole_color::ButtonText;
};

} // namespace lx
