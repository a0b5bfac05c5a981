// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: LGPL-3.0-or-later
#pragma once

#include <QRectF>

namespace lx {

// Left, Top, Width, Height and Move in twips over a rectangle its owner keeps: a control's place
// in its container, a window's outer frame. The owner gives this base access to its
// twipPlacement() and setTwipPlacement(const QRectF&).
template <typename Owner> class TwipPlacement {
public:
    float Left() const { return place().left(); }
    float Top() const { return place().top(); }
    float Width() const { return place().width(); }
    float Height() const { return place().height(); }
    void setLeft(float left) {
        QRectF r = place();
        r.moveLeft(left);
        setPlace(r);
    }
    void setTop(float top) {
        QRectF r = place();
        r.moveTop(top);
        setPlace(r);
    }
    void setWidth(float width) {
        QRectF r = place();
        r.setWidth(width);
        setPlace(r);
    }
    void setHeight(float height) {
        QRectF r = place();
        r.setHeight(height);
        setPlace(r);
    }
    void Move(float left, float top) {
        QRectF r = place();
        r.moveTo(left, top);
        setPlace(r);
    }
    void Move(float left, float top, float width, float height) {
        setPlace(QRectF(left, top, width, height));
    }

protected:
    ~TwipPlacement() = default;

private:
    QRectF place() const { return static_cast<const Owner&>(*this).twipPlacement(); }
    void setPlace(const QRectF& twips) { static_cast<Owner&>(*this).setTwipPlacement(twips); }
};

} // namespace lx
