// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: LGPL-3.0-or-later
#include "lx_button.h"

#include "lx_button_accessible.h"
#include "platform/error_guard.h"
#include "platform/picture_surface.h"
#include "platform/twips.h"

#include <QTimer>

namespace lx {

LxButton::LxButton(QWidget* parent)
    : Control(parent)
    , picButton(new PictureSurface(this))
    , picBuffer(new PictureSurface(this))
    , timCapture(new QTimer(this))
    , m_TwipsPerPixelX(twips::perPixelOfScreenX())
    , m_TwipsPerPixelY(twips::perPixelOfScreenY()) {
    LxButtonAccessible::install();
    picButton->setObjectName(QStringLiteral("picButton"));
    picButton->Move(90, 90, 1200, 480);
    picButton->setAutoRedraw(true);
    picButton->setForeColor(ole_color::WindowText);
    picButton->setMouseTracking(true);
    picButton->setFocusPolicy(Qt::StrongFocus);

    picBuffer->setObjectName(QStringLiteral("picBuffer"));
    picBuffer->setAutoRedraw(true);
    picBuffer->setForeColor(ole_color::WindowText);
    picBuffer->hide();

    timCapture->setObjectName(QStringLiteral("timCapture"));
    timCapture->setInterval(100);

    connect(picButton, &PictureSurface::MouseDown, this, &LxButton::faceMouseDown);
    connect(picButton, &PictureSurface::MouseMove, this,
            [this](int, int, float X, float Y) { faceMouseMove(X, Y); });
    connect(picButton, &PictureSurface::MouseUp, this, &LxButton::faceMouseUp);
    connect(picButton, &PictureSurface::LostFocus, this, &LxButton::faceLostFocus);
    connect(picButton, &PictureSurface::AboutToPaint, this, &LxButton::drawUnseenLook);
    // Direct, so a receiver's change to the code reaches the face.
    connect(picButton, &PictureSurface::KeyPress, this, &LxButton::KeyPress, Qt::DirectConnection);
    connect(timCapture, &QTimer::timeout, this, [this] { guarded([this] { captureTick(); }); });
}

OleColor LxButton::BackColor() const {
    return picButton->BackColor();
}

void LxButton::setBackColor(OleColor New_BackColor) {
    picButton->setBackColor(New_BackColor);
    picBuffer->setBackColor(New_BackColor);
    Refresh();
    markChanged(QStringLiteral("BackColor"));
}

QFont LxButton::Font() const {
    return picButton->font();
}

void LxButton::setFont(const QFont& New_Font) {
    picButton->setFont(New_Font);
    picBuffer->setFont(New_Font);
    Refresh();
    markChanged(QStringLiteral("Font"));
}

OleColor LxButton::ForeColor() const {
    return picButton->ForeColor();
}

void LxButton::setForeColor(OleColor New_ForeColor) {
    picButton->setForeColor(New_ForeColor);
    picBuffer->setForeColor(New_ForeColor);
    Refresh();
    markChanged(QStringLiteral("ForeColor"));
}

QPixmap LxButton::MouseIcon() const {
    return picButton->MouseIcon();
}

void LxButton::setMouseIcon(const QPixmap& New_MouseIcon) {
    picButton->setMouseIcon(New_MouseIcon);
    markChanged(QStringLiteral("MouseIcon"));
}

short LxButton::MousePointer() const {
    return static_cast<short>(picButton->MousePointer());
}

void LxButton::setMousePointer(int New_MousePointer) {
    runSetter([&] {
        picButton->setMousePointer(integer16(New_MousePointer));
        markChanged(QStringLiteral("MousePointer"));
    });
}

void LxButton::setPicture(const QPixmap& New_Picture) {
    imgPicture.setPicture(New_Picture);
    Refresh();
    markChanged(QStringLiteral("Picture"));
}

void LxButton::setCaption(const QString& New_Caption) {
    m_Caption = New_Caption;
    Refresh();
    markChanged(QStringLiteral("Caption"));
}

void LxButton::setDELTA(int New_DELTA) {
    runSetter([&] {
        m_Delta = integer16(New_DELTA);
        Refresh();
        markChanged(QStringLiteral("Delta"));
    });
}

void LxButton::setLightBorderColor(OleColor New_LightBorderColor) {
    m_LightBorderColor = New_LightBorderColor;
    markChanged(QStringLiteral("LightBorderColor"));
}

void LxButton::setDarkBorderColor(OleColor New_DarkBorderColor) {
    m_DarkBorderColor = New_DarkBorderColor;
    markChanged(QStringLiteral("DarkBorderColor"));
}

void LxButton::setAlignment(int New_Alignment) {
    runSetter([&] {
        requireDesignTime();
        m_Alignment = integer16(New_Alignment);
        Refresh();
        markChanged(QStringLiteral("Alignment"));
    });
}

void LxButton::setSelectedPicture(const QPixmap& New_SelectedPicture) {
    imgSelected.setPicture(New_SelectedPicture);
    markChanged(QStringLiteral("SelectedPicture"));
}

void LxButton::setPressedPicture(const QPixmap& New_PressedPicture) {
    imgPressed.setPicture(New_PressedPicture);
    markChanged(QStringLiteral("PressedPicture"));
}

void LxButton::setFontSelected(const QFont& New_FontSelected) {
    m_FontSelected = New_FontSelected;
    markChanged(QStringLiteral("FontSelected"));
}

void LxButton::setFontPressed(const QFont& New_FontPressed) {
    m_FontPressed = New_FontPressed;
    markChanged(QStringLiteral("FontPressed"));
}

void LxButton::setForeColorSelected(OleColor New_ForeColorSelected) {
    m_ForeColorSelected = New_ForeColorSelected;
    markChanged(QStringLiteral("ForeColorSelected"));
}

void LxButton::setForeColorPressed(OleColor New_ForeColorPressed) {
    m_ForeColorPressed = New_ForeColorPressed;
    markChanged(QStringLiteral("ForeColorPressed"));
}

void LxButton::setSwitch(bool New_Switch) {
    requireDesignTime();
    m_Switch = New_Switch;
    markChanged(QStringLiteral("Switch"));
}

void LxButton::setValue(bool New_Value) {
    m_Value = New_Value;
    markChanged(QStringLiteral("Value"));
}

void LxButton::setShift(int New_Shift) {
    runSetter([&] {
        requireDesignTime();
        m_Shift = integer16(New_Shift);
        markChanged(QStringLiteral("Shift"));
    });
}

QString LxButton::ToolTipText() const {
    return picButton->toolTip();
}

void LxButton::setToolTipText(const QString& New_ToolTipText) {
    picButton->setToolTip(New_ToolTipText);
    markChanged(QStringLiteral("ToolTipText"));
}

void LxButton::setRows(int New_Rows) {
    runSetter([&] {
        m_Rows = integer16(New_Rows);
        markChanged(QStringLiteral("Rows"));
    });
}

void LxButton::setCols(int New_Cols) {
    runSetter([&] {
        m_Cols = integer16(New_Cols);
        markChanged(QStringLiteral("Cols"));
    });
}

} // namespace lx
