// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "pane_caption.h"

#include "controls/button/lx_button.h"
#include "controls/panel/lx_panel.h"
#include "platform/ole_color.h"
#include "platform/prepared_picture.h"
#include "platform/twips.h"

#include <QEvent>
#include <QFontMetrics>

#include <algorithm>

namespace lx::pane_caption {

namespace {

constexpr float CopyWidth = 900;
constexpr float CopyHeight = 300;
constexpr int CopyPictureAndMargins = 36; // pixels
constexpr short CaptionMiddleLeft = 3;
constexpr OleColor GreyText = ole_color::SystemFlag + 17;
constexpr float ButtonGap = 45;

// Lays the strip out whenever its pane changes size.
class StripLayout : public QObject {
public:
    explicit StripLayout(LxPanel& strip)
        : QObject(&strip)
        , m_strip(strip) {
        strip.parentWidget()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Resize && watched == m_strip.parentWidget()) {
            layOut(static_cast<QWidget*>(watched)->width());
        }
        return false;
    }

private:
    void layOut(int paneWidth) {
        const float width = twips::fromPixels(paneWidth);
        m_strip.Move(0, 0, width, Height);
        float right = width - (CopyClientWidth - CopyRightEdge);
        for (LxButton* button : m_strip.findChildren<LxButton*>(Qt::FindDirectChildrenOnly)) {
            button->Move(right - button->Width(), button->Top());
            right = button->Left() - ButtonGap;
        }
    }

    LxPanel& m_strip;
};

} // namespace

LxPanel* newPanel(const QString& objectName, const QString& caption, const QFont& font,
                  QWidget* parent) {
    auto* panel = new LxPanel(parent);
    panel->setObjectName(objectName);
    panel->setFont(font);
    panel->setCaption(caption);
    panel->setAlignment(CaptionMiddleLeft);
    new StripLayout(*panel);
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
