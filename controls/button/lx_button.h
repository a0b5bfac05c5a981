// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: LGPL-3.0-or-later
#pragma once

#include "platform/control.h"
#include "platform/core/lx_export.h"
#include "platform/image_holder.h"
#include "platform/ole_color.h"

#include <QFont>
#include <QPixmap>
#include <QString>
#include <QVariant>
#include <optional>

class QTimer;

namespace lx {

class PictureSurface;

// A graphic push button: a face with picture and caption drawn flat
// (unselected), raised (mouse over it) or sunken (pressed), each look with its
// own picture, caption font and colour; optionally a two-state switch.
// Colours are OLE colours; positions and sizes twips.
class LX_EXPORT LxButton : public Control {
    Q_OBJECT
    Q_CLASSINFO("PropertyPages", "Button")
    Q_CLASSINFO("BrowsingPage.Button", "Caption DELTA Alignment MousePointer Switch Value")
    // The 16-bit properties are int to Qt (Designer saves no short); their
    // setters throw Overflow outside -32768..32767.
    Q_PROPERTY(uint BackColor READ BackColor WRITE setBackColor)
    Q_PROPERTY(QFont Font READ Font WRITE setFont)
    Q_PROPERTY(uint ForeColor READ ForeColor WRITE setForeColor)
    Q_PROPERTY(QPixmap MouseIcon READ MouseIcon WRITE setMouseIcon)
    Q_PROPERTY(int MousePointer READ MousePointer WRITE setMousePointer)
    Q_PROPERTY(QPixmap Picture READ Picture WRITE setPicture)
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(int DELTA READ DELTA WRITE setDELTA)
    Q_PROPERTY(uint LightBorderColor READ LightBorderColor WRITE setLightBorderColor)
    Q_PROPERTY(uint DarkBorderColor READ DarkBorderColor WRITE setDarkBorderColor)
    Q_PROPERTY(int Alignment READ Alignment WRITE setAlignment)
    Q_PROPERTY(QPixmap SelectedPicture READ SelectedPicture WRITE setSelectedPicture)
    Q_PROPERTY(QPixmap PressedPicture READ PressedPicture WRITE setPressedPicture)
    Q_PROPERTY(QFont FontSelected READ FontSelected WRITE setFontSelected)
    Q_PROPERTY(QFont FontPressed READ FontPressed WRITE setFontPressed)
    Q_PROPERTY(uint ForeColorSelected READ ForeColorSelected WRITE setForeColorSelected)
    Q_PROPERTY(uint ForeColorPressed READ ForeColorPressed WRITE setForeColorPressed)
    Q_PROPERTY(bool Switch READ Switch WRITE setSwitch)
    Q_PROPERTY(bool Value READ Value WRITE setValue)
    Q_PROPERTY(int Shift READ Shift WRITE setShift)
    Q_PROPERTY(QString ToolTipText READ ToolTipText WRITE setToolTipText)
    Q_PROPERTY(int Rows READ Rows WRITE setRows)
    Q_PROPERTY(int Cols READ Cols WRITE setCols)

public:
    explicit LxButton(QWidget* parent = nullptr);

    void InitProperties() override;
    void ReadProperties(const PropertyBag& bag) override;
    void WriteProperties(PropertyBag& bag) const override;

    OleColor BackColor() const;
    void setBackColor(OleColor New_BackColor);
    QFont Font() const;
    void setFont(const QFont& New_Font);
    OleColor ForeColor() const;
    void setForeColor(OleColor New_ForeColor);
    QPixmap MouseIcon() const;
    void setMouseIcon(const QPixmap& New_MouseIcon);
    short MousePointer() const;
    void setMousePointer(int New_MousePointer);
    QPixmap Picture() const { return imgPicture.Picture(); }
    void setPicture(const QPixmap& New_Picture);
    QString Caption() const { return m_Caption; }
    void setCaption(const QString& New_Caption);
    short DELTA() const { return m_Delta; }
    void setDELTA(int New_DELTA);
    OleColor LightBorderColor() const { return m_LightBorderColor; }
    void setLightBorderColor(OleColor New_LightBorderColor);
    OleColor DarkBorderColor() const { return m_DarkBorderColor; }
    void setDarkBorderColor(OleColor New_DarkBorderColor);
    // Alignment, Switch and Shift are fixed while the host runs: setting them
    // then throws the design-time-only error and keeps the value.
    short Alignment() const { return m_Alignment; }
    void setAlignment(int New_Alignment);
    QPixmap SelectedPicture() const { return imgSelected.Picture(); }
    void setSelectedPicture(const QPixmap& New_SelectedPicture);
    QPixmap PressedPicture() const { return imgPressed.Picture(); }
    void setPressedPicture(const QPixmap& New_PressedPicture);
    QFont FontSelected() const { return m_FontSelected; }
    void setFontSelected(const QFont& New_FontSelected);
    QFont FontPressed() const { return m_FontPressed; }
    void setFontPressed(const QFont& New_FontPressed);
    OleColor ForeColorSelected() const { return m_ForeColorSelected; }
    void setForeColorSelected(OleColor New_ForeColorSelected);
    OleColor ForeColorPressed() const { return m_ForeColorPressed; }
    void setForeColorPressed(OleColor New_ForeColorPressed);
    bool Switch() const { return m_Switch; }
    void setSwitch(bool New_Switch);
    // Every mouse press inverts it; setting it shows at the next draw.
    bool Value() const { return m_Value; }
    void setValue(bool New_Value);
    short Shift() const { return m_Shift; }
    void setShift(int New_Shift);
    QString ToolTipText() const;
    void setToolTipText(const QString& New_ToolTipText);
    // Kept for the designer; they do not affect the look.
    short Rows() const { return m_Rows; }
    void setRows(int New_Rows);
    short Cols() const { return m_Cols; }
    void setCols(int New_Cols);

    // Each draws the whole face; a form may force a look.
    Q_INVOKABLE void DrawUnSelected();
    Q_INVOKABLE void DrawSelected();
    Q_INVOKABLE void DrawPressed();
    // Redraws after a property change: no border, the caption as it is typed.
    Q_INVOKABLE void Refresh();
    // A visible click without the mouse: the pressed look stays on screen for
    // 125 ms (the GUI thread blocks), then the flat look and Click.
    Q_INVOKABLE QVariant AutoClick();

signals:
    void MouseEnter();
    void MouseExit();
    void Click();
    // Declared for containers that expect them; the face never raises them.
    void KeyDown(int& KeyCode, int& Shift);
    void KeyPress(int& KeyAscii);
    void KeyUp(int& KeyCode, int& Shift);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    enum class Look { UnSelected, Selected, Pressed, Refresh };

    void draw(Look look);
    bool putOffUnseen(Look look);
    void drawUnseenLook();
    void drawBorder(OleColor topLeft, OleColor bottomRight);
    const ImageHolder& lookPicture(Look look) const;
    void PrintCaption(const QString& caption);

    void BeginHover();
    void faceMouseDown();
    void faceMouseMove(float X, float Y);
    void faceMouseUp();
    void faceLostFocus();
    void captureTick();

    PictureSurface* picButton;
    PictureSurface* picBuffer;
    ImageHolder imgPicture;
    ImageHolder imgSelected;
    ImageHolder imgPressed;
    QTimer* timCapture;

    QString m_Caption = QStringLiteral("LxButton");
    short m_Delta = 45;
    short m_Alignment = 0;
    OleColor m_LightBorderColor = 0x00FFFFFF;
    OleColor m_DarkBorderColor = 0x00808080;
    bool m_Hover = false;
    // A designer's flat redraw after Refresh is queued.
    bool m_flatLookPending = false;
    // The redraws that reading properties asks for may wait until the button is seen.
    bool m_readingProperties = false;
    // The last look asked for while nobody could see the button, not drawn yet.
    std::optional<Look> m_unseenLook;
    int m_TwipsPerPixelX;
    int m_TwipsPerPixelY;
    short m_Shift = 15;
    bool m_Switch = false;
    bool m_Value = false;
    OleColor m_ForeColorSelected = 0;
    OleColor m_ForeColorPressed = 0;
    QFont m_FontSelected;
    QFont m_FontPressed;
    short m_Rows = 16;
    short m_Cols = 24;
};

} // namespace lx
