// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "pane_caption.h"

#include "controls/button/lx_button.h"
#include "controls/panel/lx_panel.h"
#include "platform/ole_color.h"
#include "platform/prepared_picture.h"
#include "platform/twips.h"

#include <QFontMetrics>

#include <algorithm>

namespace lx::pane_caption {

namespace {

constexpr float CopyWidth = 900;
constexpr float CopyHeight = 300;
constexpr int CopyPictureAndMargins = 36; // pixels
constexpr short CaptionMiddleLeft = 3;
constexpr OleColor GreyText = ole_color::SystemFlag + 17;

} // namespace

LxPanel* newPanel(const QString& objectName, const QString& caption, const QFont& font,
                  QWidget* parent) {
    auto* panel = new LxPanel(parent);
    panel->setObjectName(objectName);
    panel->setFont(font);
    panel->setCaption(caption);
    panel->setAlignment(CaptionMiddleLeft);
    return panel;
}

LxButton* newCaptionButton(const QString& objectName, const QString& caption,
                           const QString& toolTip, const QString& picture, const QFont& font,
                           QWidget* parent) {
    auto* button = new LxButton(parent);
    button->setObjectName(objectName);
    button->setFont(font);
    button->setFontSelected(font);
    button->setFontPressed(font);
    button->setForeColor(ole_color::WindowText);
    button->setMouseIcon(prepared_picture::builtIn(QStringLiteral(":/images/pointer.png")));
    button->setMousePointer(99);
    button->setPicture(prepared_picture::builtIn(picture));
    button->setCaption(caption);
    button->setToolTipText(toolTip);
    // Wide enough for the caption in every language: the picture, the text and their margins.
    const float width = std::max(
        CopyWidth, twips::fromPixels(QFontMetrics(font).horizontalAdvance(button->Caption()) +
                                     CopyPictureAndMargins));
    button->Move(CopyRightEdge - width, (Height - CopyHeight) / 2, width, CopyHeight);
    return button;
}

LxButton* newCopyButton(const QString& objectName, const QString& caption, const QString& toolTip,
                        const QFont& font, QWidget* parent) {
    return newCaptionButton(objectName, caption, toolTip, QStringLiteral(":/images/copy.png"), font,
                            parent);
}

void setButtonEnabled(LxButton& button, bool enabled) {
    button.setEnabled(enabled);
    button.setForeColor(enabled ? ole_color::WindowText : GreyText);
    button.Refresh();
}

} // namespace lx::pane_caption
