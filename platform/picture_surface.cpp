// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: LGPL-3.0-or-later
#include "picture_surface.h"

#include "error_guard.h"
#include "key_codes.h"
#include "twips.h"

#include <QFocusEvent>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScopedValueRollback>
#include <cmath>

namespace lx {

namespace {

// Halves go the same way everywhere, so a look moved by a whole number of
// pixels keeps its shape.
int nearest(float value) {
    return static_cast<int>(std::floor(value + 0.5f));
}

int buttonMask(Qt::MouseButtons buttons) {
    return (buttons.testFlag(Qt::LeftButton) ? 1 : 0) |
           (buttons.testFlag(Qt::RightButton) ? 2 : 0) |
           (buttons.testFlag(Qt::MiddleButton) ? 4 : 0);
}

int shiftMask(Qt::KeyboardModifiers modifiers) {
    return (modifiers.testFlag(Qt::ShiftModifier) ? key_codes::ShiftMask : 0) |
           (modifiers.testFlag(Qt::ControlModifier) ? key_codes::CtrlMask : 0) |
           (modifiers.testFlag(Qt::AltModifier) ? key_codes::AltMask : 0);
}

Qt::CursorShape cursorShape(int code) {
    switch (code) {
    case 1:
        return Qt::ArrowCursor;
    case 2:
        return Qt::CrossCursor;
    case 3:
        return Qt::IBeamCursor;
    case 5:
    case 15:
        return Qt::SizeAllCursor;
    case 6:
        return Qt::SizeBDiagCursor;
    case 7:
        return Qt::SizeVerCursor;
    case 8:
        return Qt::SizeFDiagCursor;
    case 9:
        return Qt::SizeHorCursor;
    case 10:
        return Qt::UpArrowCursor;
    case 11:
        return Qt::WaitCursor;
    case 12:
        return Qt::ForbiddenCursor;
    case 13:
        return Qt::BusyCursor;
    case 14:
        return Qt::WhatsThisCursor;
    default:
        return Qt::ArrowCursor;
    }
}

} // namespace

PictureSurface::PictureSurface(QWidget* parent)
    : QWidget(parent) {
    // The image covers every pixel, so nothing below needs painting first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureSurface::Move(float left, float top, float width, float height) {
    setGeometry(twips::toPixels(QRectF(left, top, width, height)));
}

float PictureSurface::Width() const {
    return twips::fromPixels(width());
}

float PictureSurface::Height() const {
    return twips::fromPixels(height());
}

float PictureSurface::ScaleWidth() const {
    return m_scaleWidth < 0.0f ? Width() : m_scaleWidth;
}

float PictureSurface::ScaleHeight() const {
    return m_scaleHeight < 0.0f ? Height() : m_scaleHeight;
}

void PictureSurface::setScaleWidth(float width) {
    m_scaleWidth = width;
}

void PictureSurface::setScaleHeight(float height) {
    m_scaleHeight = height;
}

void PictureSurface::setBackColor(OleColor colour) {
    m_backColor = colour;
}

void PictureSurface::setForeColor(OleColor colour) {
    m_foreColor = colour;
}

void PictureSurface::setFontUnderline(bool underline) {
    QFont f = font();
    f.setUnderline(underline);
    setFont(f);
}

void PictureSurface::setMousePointer(int code) {
    m_mousePointer = code;
    updateCursor();
}

void PictureSurface::setMouseIcon(const QPixmap& icon) {
    m_mouseIcon = icon;
    updateCursor();
}

void PictureSurface::updateCursor() {
    if (m_mousePointer == 99 && !m_mouseIcon.isNull()) {
        setCursor(QCursor(m_mouseIcon));
    } else if (m_mousePointer == 0 || m_mousePointer == 99) {
        unsetCursor();
    } else {
        setCursor(cursorShape(m_mousePointer));
    }
}

void PictureSurface::Cls() {
    fitImage();
    m_image.fill(colour(m_backColor));
    m_currentX = ScaleLeft();
    m_currentY = ScaleTop();
    drawn();
}

void PictureSurface::Line(float x1, float y1, float x2, float y2, OleColor lineColour) {
    fitImage();
    if (m_image.isNull()) {
        return;
    }
    QPainter painter(&m_image);
    painter.setPen(QPen(colour(lineColour), 1));
    painter.drawLine(QPoint(nearest(toPixelX(x1)), nearest(toPixelY(y1))),
                     QPoint(nearest(toPixelX(x2)), nearest(toPixelY(y2))));
    drawn();
}

float PictureSurface::TextWidth(const QString& text) const {
    return static_cast<float>(QFontMetricsF(font()).horizontalAdvance(text)) * scalePerPixelX();
}

float PictureSurface::TextHeight(const QString& /*text*/) const {
    return static_cast<float>(QFontMetricsF(font()).height()) * scalePerPixelY();
}

void PictureSurface::Print(const QString& text) {
    fitImage();
    if (!m_image.isNull()) {
        QPainter painter(&m_image);
        painter.setPen(colour(m_foreColor));
        painter.setFont(font());
        const QFontMetricsF metrics(font());
        painter.drawText(QPointF(nearest(toPixelX(m_currentX)),
                                 nearest(toPixelY(m_currentY)) + metrics.ascent()),
                         text);
        drawn();
    }
    m_currentX += TextWidth(text);
}

void PictureSurface::PaintPicture(const QPixmap& picture, float x, float y) {
    fitImage();
    if (m_image.isNull() || picture.isNull()) {
        return;
    }
    QPainter painter(&m_image);
    painter.drawPixmap(QPoint(nearest(toPixelX(x)), nearest(toPixelY(y))), picture);
    drawn();
}

QPixmap PictureSurface::Image() const {
    return m_image;
}

void PictureSurface::Refresh() {
    if (!m_painting) {
        update();
    }
}

void PictureSurface::paintNow() {
    repaint();
}

void PictureSurface::paintEvent(QPaintEvent* /*event*/) {
    guarded(
        [this] {
            {
                // Drawing done for this paint needs no paint of its own.
                const QScopedValueRollback painting(m_painting, true);
                emit AboutToPaint();
            }
            fitImage();
            QPainter painter(this);
            painter.drawPixmap(0, 0, m_image);
        },
        error_guard::Report::Later);
}

void PictureSurface::mousePressEvent(QMouseEvent* event) {
    guarded([&] {
        emit MouseDown(buttonMask(event->button()), shiftMask(event->modifiers()),
                       toScaleX(event->position().x()), toScaleY(event->position().y()));
    });
}

void PictureSurface::mouseMoveEvent(QMouseEvent* event) {
    guarded([&] {
        emit MouseMove(buttonMask(event->buttons()), shiftMask(event->modifiers()),
                       toScaleX(event->position().x()), toScaleY(event->position().y()));
    });
}

void PictureSurface::mouseReleaseEvent(QMouseEvent* event) {
    guarded([&] {
        emit MouseUp(buttonMask(event->button()), shiftMask(event->modifiers()),
                     toScaleX(event->position().x()), toScaleY(event->position().y()));
    });
}

void PictureSurface::keyPressEvent(QKeyEvent* event) {
    // Keys that type nothing go on to the parent; typed characters stay here.
    if (event->text().isEmpty()) {
        event->ignore();
        return;
    }
    int keyAscii = event->text().at(0).unicode();
    guarded([&] { emit KeyPress(keyAscii); });
    event->accept();
}

void PictureSurface::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    guarded([this] { emit LostFocus(); });
}

void PictureSurface::fitImage() {
    if (m_image.size() == size()) {
        return;
    }
    if (size().isEmpty()) {
        m_image = QPixmap();
        return;
    }
    QPixmap resized(size());
    resized.fill(colour(m_backColor));
    if (!m_image.isNull()) {
        QPainter painter(&resized);
        painter.drawPixmap(0, 0, m_image);
    }
    m_image = resized;
}

void PictureSurface::drawn() {
    if (!m_autoRedraw && !m_painting) {
        update();
    }
}

QColor PictureSurface::colour(OleColor ole) const {
    return ole_color::resolve(ole, palette());
}

float PictureSurface::toPixelX(float x) const {
    const float extent = ScaleWidth();
    return extent == 0.0f ? 0.0f : (x - ScaleLeft()) * static_cast<float>(width()) / extent;
}

float PictureSurface::toPixelY(float y) const {
    const float extent = ScaleHeight();
    return extent == 0.0f ? 0.0f : (y - ScaleTop()) * static_cast<float>(height()) / extent;
}

float PictureSurface::scalePerPixelX() const {
    return width() > 0 ? ScaleWidth() / static_cast<float>(width()) : twips::PerPixel;
}

float PictureSurface::scalePerPixelY() const {
    return height() > 0 ? ScaleHeight() / static_cast<float>(height()) : twips::PerPixel;
}

float PictureSurface::toScaleX(qreal pixels) const {
    return ScaleLeft() + static_cast<float>(pixels) * scalePerPixelX();
}

float PictureSurface::toScaleY(qreal pixels) const {
    return ScaleTop() + static_cast<float>(pixels) * scalePerPixelY();
}

} // namespace lx
