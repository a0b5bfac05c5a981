// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: LGPL-3.0-or-later
#include "lx_button.h"

#include "button_layout.h"
#include "platform/error_guard.h"
#include "platform/picture_surface.h"

#include <QTimer>

namespace lx {

void LxButton::DrawUnSelected() {
    draw(Look::UnSelected);
}

void LxButton::DrawSelected() {
    draw(Look::Selected);
}

void LxButton::DrawPressed() {
    draw(Look::Pressed);
}

void LxButton::Refresh() {
    if (m_readingProperties && putOffUnseen(Look::Refresh)) {
        return;
    }
    draw(Look::Refresh);
    // The face covers the whole control, so no paint of ours follows: in a
    // designer the caption would keep its "&" until the form is opened again.
    if (!UserMode() && !m_flatLookPending) {
        m_flatLookPending = true;
        QTimer::singleShot(0, this, [this] {
            m_flatLookPending = false;
            guarded([this] { DrawUnSelected(); });
        });
    }
}

void LxButton::paintEvent(QPaintEvent* /*event*/) {
    guarded([this] { DrawUnSelected(); }, error_guard::Report::Later);
}

void LxButton::resizeEvent(QResizeEvent* event) {
    Control::resizeEvent(event);
    guarded([this] {
        if (!putOffUnseen(Look::UnSelected)) {
            DrawUnSelected();
        }
    });
}

// In the running program a look that nobody can see yet would only be drawn over before
// anyone does: it waits for the face's first paint, when the button is shown or grabbed, and
// only the last one is drawn then: just before anyone sees it, and after the window is mapped,
// as the window system's own controls draw theirs. Only the face's place is kept as if it had
// drawn, for a look drawn before the button is shown takes its size from the face. A designer
// draws at once, as it always has.
bool LxButton::putOffUnseen(Look look) {
    if (!UserMode() || isVisible()) {
        return false;
    }
    m_unseenLook = look;
    picButton->Move(0, 0, Width(), Height());
    return true;
}

void LxButton::drawUnseenLook() {
    if (m_unseenLook) {
        draw(*m_unseenLook);
    }
}

// Composes the look on the hidden buffer and copies it to the face in one
// step, so the face never shows a half-drawn look.
void LxButton::draw(Look look) {
    m_unseenLook.reset();
    const bool coversControl = look == Look::UnSelected || look == Look::Refresh;
    // The buffer takes the scale the face has when the buffer is copied to it:
    // after a resize the face still has its old size until step 7 moves it.
    if (coversControl) {
        picBuffer->Move(0, 0, Width(), Height());
        picBuffer->setScaleWidth(ScaleWidth());
        picBuffer->setScaleHeight(ScaleHeight());
    } else {
        picBuffer->Move(0, 0, picButton->Width(), picButton->Height());
        picBuffer->setScaleWidth(picButton->ScaleWidth());
        picBuffer->setScaleHeight(picButton->ScaleHeight());
    }
    picBuffer->Cls();

    if (look == Look::Selected) {
        drawBorder(m_LightBorderColor, m_DarkBorderColor);
    } else if (look == Look::Pressed) {
        drawBorder(m_DarkBorderColor, m_LightBorderColor);
    }

    ButtonLayoutInput in;
    in.scaleLeft = picBuffer->ScaleLeft();
    in.scaleTop = picBuffer->ScaleTop();
    in.scaleWidth = picBuffer->ScaleWidth();
    in.scaleHeight = picBuffer->ScaleHeight();
    // Measured in the font the buffer still has from the previous draw.
    in.textWidth = picBuffer->TextWidth(m_Caption);
    in.textHeight = picBuffer->TextHeight(m_Caption);
    in.delta = m_Delta;
    in.shift = look == Look::Pressed ? Shift() : 0;
    in.alignment = m_Alignment;
    const ImageHolder& picture = lookPicture(look);
    if (!picture.isEmpty()) {
        in.pictureSize = ButtonPosition{picture.Width(), picture.Height()};
    }
    const ButtonLayout layout = layOutButton(in);
    if (layout.picture) {
        picBuffer->PaintPicture(picture.Picture(), layout.picture->x, layout.picture->y);
    }
    picBuffer->setCurrentX(layout.caption.x);
    picBuffer->setCurrentY(layout.caption.y);

    switch (look) {
    case Look::UnSelected:
        picBuffer->setForeColor(picButton->ForeColor());
        picBuffer->setFont(picButton->font());
        PrintCaption(m_Caption);
        break;
    case Look::Selected:
        picBuffer->setForeColor(m_ForeColorSelected);
        picBuffer->setFont(m_FontSelected);
        PrintCaption(m_Caption);
        break;
    case Look::Pressed:
        picBuffer->setForeColor(m_ForeColorPressed);
        picBuffer->setFont(m_FontPressed);
        PrintCaption(m_Caption);
        break;
    case Look::Refresh:
        picBuffer->Print(m_Caption);
        break;
    }

    if (coversControl) {
        picButton->Move(0, 0, Width(), Height());
    }
    picButton->PaintPicture(picBuffer->Image(), 0, 0);
    picButton->Refresh();
}

// Raised with light top and left and dark right and bottom, sunken the other
// way round; the right and bottom lines lie one pixel inside the edge.
void LxButton::drawBorder(OleColor topLeft, OleColor bottomRight) {
    const float sl = picBuffer->ScaleLeft();
    const float st = picBuffer->ScaleTop();
    const float sw = picBuffer->ScaleWidth();
    const float sh = picBuffer->ScaleHeight();
    const auto tx = static_cast<float>(m_TwipsPerPixelX);
    const auto ty = static_cast<float>(m_TwipsPerPixelY);
    picBuffer->Line(sl, st, sl + sw, st, topLeft);
    picBuffer->Line(sl, st, sl, st + sh, topLeft);
    picBuffer->Line(sl + sw - tx, st, sl + sw - tx, st + sh - ty, bottomRight);
    picBuffer->Line(sl, st + sh - ty, sl + sw - tx, st + sh - ty, bottomRight);
}

// A switch shows its state in every look; otherwise the selected and pressed
// looks have their own pictures when they are set.
const ImageHolder& LxButton::lookPicture(Look look) const {
    if (look == Look::Refresh) {
        return imgPicture;
    }
    if (m_Switch) {
        return m_Value ? imgSelected : imgPicture;
    }
    if (look == Look::Selected && !imgSelected.isEmpty()) {
        return imgSelected;
    }
    if (look == Look::Pressed && !imgPressed.isEmpty()) {
        return imgPressed;
    }
    return imgPicture;
}

// Every "&" underlines the character after it and is not printed itself.
void LxButton::PrintCaption(const QString& caption) {
    bool underlinePending = false;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&') {
            picBuffer->setFontUnderline(true);
            underlinePending = true;
            continue;
        }
        // A surrogate pair is one character.
        const qsizetype length = caption[i].isHighSurrogate() && i + 1 < caption.size() ? 2 : 1;
        picBuffer->Print(caption.mid(i, length));
        i += length - 1;
        if (underlinePending) {
            picBuffer->setFontUnderline(false);
            underlinePending = false;
        }
    }
}

} // namespace lx
