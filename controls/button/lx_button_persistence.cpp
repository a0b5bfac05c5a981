// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: LGPL-3.0-or-later
#include "lx_button.h"

#include "platform/bag_value.h"
#include "platform/picture_surface.h"

#include <QScopedValueRollback>

namespace lx {

namespace {

const QString DefaultCaption = QStringLiteral("LxButton");
constexpr short DefaultDelta = 45;
constexpr OleColor DefaultLightBorder = 0x00FFFFFF;
constexpr OleColor DefaultDarkBorder = 0x00808080;
constexpr OleColor Black = 0;
constexpr short DefaultShift = 15;
constexpr short DefaultRows = 16;
constexpr short DefaultCols = 24;

// Bags hold colours as unsigned and all integers as int.
QVariant colour(OleColor value) {
    return QVariant::fromValue(static_cast<uint>(value));
}

QVariant integer(short value) {
    return QVariant::fromValue(static_cast<int>(value));
}

QVariant picture(const QPixmap& value) {
    return value.isNull() ? QVariant() : QVariant::fromValue(value);
}

} // namespace

void LxButton::InitProperties() {
    // The face keeps its design values; only the private state is set.
    m_Caption = DefaultCaption;
    m_Delta = DefaultDelta;
    m_LightBorderColor = DefaultLightBorder;
    m_DarkBorderColor = DefaultDarkBorder;
    m_Alignment = 0;
    m_FontSelected = AmbientFont();
    m_FontPressed = AmbientFont();
    m_ForeColorSelected = Black;
    m_ForeColorPressed = Black;
    m_Switch = false;
    m_Value = false;
    m_Shift = DefaultShift;
    m_Rows = DefaultRows;
    m_Cols = DefaultCols;
}

void LxButton::ReadProperties(const PropertyBag& bag) {
    using namespace bag_value;
    // The Font and Picture setters redraw; before the button is shown nobody would see it.
    const QScopedValueRollback reading(m_readingProperties, true);
    picButton->setAutoRedraw(toBool(bag.ReadProperty(QStringLiteral("AutoRedraw"), false)));
    picButton->setBackColor(
        toColor(bag.ReadProperty(QStringLiteral("BackColor"), colour(ole_color::ButtonFace))));
    picBuffer->setBackColor(picButton->BackColor());
    setFont(toFont(bag.ReadProperty(QStringLiteral("Font"), AmbientFont())));
    picButton->setForeColor(
        toColor(bag.ReadProperty(QStringLiteral("ForeColor"), colour(ole_color::ButtonText))));
    picBuffer->setForeColor(picButton->ForeColor());
    setMouseIcon(toPicture(bag.ReadProperty(QStringLiteral("MouseIcon"))));
    picButton->setMousePointer(toInteger(bag.ReadProperty(QStringLiteral("MousePointer"), 0)));
    setPicture(toPicture(bag.ReadProperty(QStringLiteral("Picture"))));
    m_Caption = toText(bag.ReadProperty(QStringLiteral("Caption"), DefaultCaption));
    m_Delta = toInteger(bag.ReadProperty(QStringLiteral("Delta"), integer(DefaultDelta)));
    m_LightBorderColor =
        toColor(bag.ReadProperty(QStringLiteral("LightBorderColor"), colour(DefaultLightBorder)));
    m_DarkBorderColor =
        toColor(bag.ReadProperty(QStringLiteral("DarkBorderColor"), colour(DefaultDarkBorder)));
    m_Alignment = toInteger(bag.ReadProperty(QStringLiteral("Alignment"), 0));
    imgSelected.setPicture(toPicture(bag.ReadProperty(QStringLiteral("SelectedPicture"))));
    imgPressed.setPicture(toPicture(bag.ReadProperty(QStringLiteral("PressedPicture"))));
    m_FontSelected = toFont(bag.ReadProperty(QStringLiteral("FontSelected"), AmbientFont()));
    m_FontPressed = toFont(bag.ReadProperty(QStringLiteral("FontPressed"), AmbientFont()));
    m_ForeColorSelected =
        toColor(bag.ReadProperty(QStringLiteral("ForeColorSelected"), colour(Black)));
    m_ForeColorPressed =
        toColor(bag.ReadProperty(QStringLiteral("ForeColorPressed"), colour(Black)));
    m_Switch = toBool(bag.ReadProperty(QStringLiteral("Switch"), false));
    m_Value = toBool(bag.ReadProperty(QStringLiteral("Value"), false));
    m_Shift = toInteger(bag.ReadProperty(QStringLiteral("Shift"), integer(DefaultShift)));
    picButton->setToolTip(toText(bag.ReadProperty(QStringLiteral("ToolTipText"), QString())));
    m_Rows = toInteger(bag.ReadProperty(QStringLiteral("Rows"), integer(DefaultRows)));
    m_Cols = toInteger(bag.ReadProperty(QStringLiteral("Cols"), integer(DefaultCols)));
}

void LxButton::WriteProperties(PropertyBag& bag) const {
    bag.WriteProperty(QStringLiteral("AutoRedraw"), picButton->AutoRedraw(), false);
    bag.WriteProperty(QStringLiteral("BackColor"), colour(picButton->BackColor()),
                      colour(ole_color::ButtonFace));
    bag.WriteProperty(QStringLiteral("Font"), picButton->font(), AmbientFont());
    bag.WriteProperty(QStringLiteral("ForeColor"), colour(picButton->ForeColor()),
                      colour(ole_color::ButtonText));
    bag.WriteProperty(QStringLiteral("MouseIcon"), picture(picButton->MouseIcon()));
    bag.WriteProperty(QStringLiteral("MousePointer"), integer(MousePointer()), 0);
    bag.WriteProperty(QStringLiteral("Picture"), picture(imgPicture.Picture()));
    bag.WriteProperty(QStringLiteral("Caption"), m_Caption, DefaultCaption);
    bag.WriteProperty(QStringLiteral("Delta"), integer(m_Delta), integer(DefaultDelta));
    bag.WriteProperty(QStringLiteral("LightBorderColor"), colour(m_LightBorderColor),
                      colour(DefaultLightBorder));
    bag.WriteProperty(QStringLiteral("DarkBorderColor"), colour(m_DarkBorderColor),
                      colour(DefaultDarkBorder));
    bag.WriteProperty(QStringLiteral("Alignment"), integer(m_Alignment), 0);
    bag.WriteProperty(QStringLiteral("SelectedPicture"), picture(imgSelected.Picture()));
    bag.WriteProperty(QStringLiteral("PressedPicture"), picture(imgPressed.Picture()));
    bag.WriteProperty(QStringLiteral("FontSelected"), m_FontSelected, AmbientFont());
    bag.WriteProperty(QStringLiteral("FontPressed"), m_FontPressed, AmbientFont());
    bag.WriteProperty(QStringLiteral("ForeColorSelected"), colour(m_ForeColorSelected),
                      colour(Black));
    bag.WriteProperty(QStringLiteral("ForeColorPressed"), colour(m_ForeColorPressed),
                      colour(Black));
    bag.WriteProperty(QStringLiteral("Switch"), m_Switch, false);
    bag.WriteProperty(QStringLiteral("Value"), m_Value, false);
    bag.WriteProperty(QStringLiteral("Shift"), integer(m_Shift), integer(DefaultShift));
    bag.WriteProperty(QStringLiteral("ToolTipText"), picButton->toolTip(), QString());
    bag.WriteProperty(QStringLiteral("Rows"), integer(m_Rows), integer(DefaultRows));
    bag.WriteProperty(QStringLiteral("Cols"), integer(m_Cols), integer(DefaultCols));
}

} // namespace lx
