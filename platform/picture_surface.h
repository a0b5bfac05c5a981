// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: LGPL-3.0-or-later
#pragma once

#include "ole_color.h"

#include <QPixmap>
#include <QWidget>

namespace lx {

// A picture box: a widget whose drawing goes to a persistent image (so it can
// be composed off screen and copied in one step), addressed in a scale of its
// own that is twips of its client area unless set otherwise. It passes its
// mouse, key and focus events on as signals; X and Y are in scale units.
class PictureSurface : public QWidget {
    Q_OBJECT

public:
    explicit PictureSurface(QWidget* parent = nullptr);

    // Position and size in the parent, twips.
    void Move(float left, float top, float width, float height);
    float Width() const;
    float Height() const;

    // The scale always starts at 0, 0; its extent follows the size in twips
    // until it is set.
    float ScaleLeft() const { return 0.0f; }
    float ScaleTop() const { return 0.0f; }
    float ScaleWidth() const;
    float ScaleHeight() const;
    void setScaleWidth(float width);
    void setScaleHeight(float height);

    OleColor BackColor() const { return m_backColor; }
    void setBackColor(OleColor colour);
    OleColor ForeColor() const { return m_foreColor; }
    void setForeColor(OleColor colour);
    void setFontUnderline(bool underline);

    // When off, every drawing shows at once; when on, the image shows at the
    // next Refresh (or whenever the window system asks for a repaint).
    bool AutoRedraw() const { return m_autoRedraw; }
    void setAutoRedraw(bool on) { m_autoRedraw = on; }

    // Mouse pointer codes: 0 default, 1 arrow, 2 cross, 3 I-beam, 5 and 15
    // size all, 6 to 9 the sizing arrows, 10 up arrow, 11 hourglass, 12 no
    // drop, 13 arrow and hourglass, 14 arrow and question mark, 99 the
    // MouseIcon. Other codes show the default pointer.
    int MousePointer() const { return m_mousePointer; }
    void setMousePointer(int code);
    QPixmap MouseIcon() const { return m_mouseIcon; }
    void setMouseIcon(const QPixmap& icon);

    // Where the next Print starts, scale units.
    float CurrentX() const { return m_currentX; }
    float CurrentY() const { return m_currentY; }
    void setCurrentX(float x) { m_currentX = x; }
    void setCurrentY(float y) { m_currentY = y; }

    // Clears the image to the background colour and homes the position.
    void Cls();
    // A one-pixel line between two points in scale units.
    void Line(float x1, float y1, float x2, float y2, OleColor colour);
    float TextWidth(const QString& text) const;
    float TextHeight(const QString& text) const;
    // Prints text with its top at the current position and advances CurrentX
    // past it; no line break.
    void Print(const QString& text);
    // Draws a picture at its natural size with its top left corner at (x, y).
    void PaintPicture(const QPixmap& picture, float x, float y);
    // A copy of the whole persistent image.
    QPixmap Image() const;
    // Shows the image on screen (asynchronously); while the surface paints, that paint shows it.
    void Refresh();
    // Shows the image on screen before returning.
    void paintNow();

signals:
    void MouseDown(int Button, int Shift, float X, float Y);
    void MouseMove(int Button, int Shift, float X, float Y);
    void MouseUp(int Button, int Shift, float X, float Y);
    // A typed character; a receiver may change the code (0 swallows it).
    void KeyPress(int& KeyAscii);
    void LostFocus();
    // The surface is about to paint its image: what is drawn now shows in this paint.
    void AboutToPaint();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    // Keeps the image the size of the widget, its old content kept.
    void fitImage();
    void drawn();
    QColor colour(OleColor ole) const;
    float toPixelX(float x) const;
    float toPixelY(float y) const;
    float scalePerPixelX() const;
    float scalePerPixelY() const;
    float toScaleX(qreal pixels) const;
    float toScaleY(qreal pixels) const;
    void updateCursor();

    QPixmap m_image;
    OleColor m_backColor = ole_color::ButtonFace;
    OleColor m_foreColor = ole_color::ButtonText;
    bool m_autoRedraw = false;
    bool m_painting = false;
    int m_mousePointer = 0;
    QPixmap m_mouseIcon;
    float m_currentX = 0.0f;
    float m_currentY = 0.0f;
    float m_scaleWidth = -1.0f; // negative: follow the size
    float m_scaleHeight = -1.0f;
};

} // namespace lx
