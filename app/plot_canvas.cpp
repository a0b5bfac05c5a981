// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot_canvas.h"

#include "platform/error_guard.h"
#include "stale_look.h"

#include <QEvent>
#include <QPainter>

#include <cmath>

namespace lx {

namespace {

// An out-of-date picture keeps its shape but loses its colours and half its contrast.
QImage greyed(const QImage& picture, const QColor& background) {
    QImage grey = picture.convertToFormat(QImage::Format_Grayscale8)
                      .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    grey.setDevicePixelRatio(picture.devicePixelRatio());
    QImage result(picture.size(), QImage::Format_ARGB32_Premultiplied);
    result.setDevicePixelRatio(picture.devicePixelRatio());
    result.fill(background);
    QPainter painter(&result);
    painter.setOpacity(0.5);
    painter.drawImage(QPointF(0, 0), grey);
    return result;
}

} // namespace

PlotCanvas::PlotCanvas(QWidget* parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("picPlot"));
    setAccessibleName(tr("Picture"));
    setFocusPolicy(Qt::StrongFocus); // a screen reader reaches the description by Tab
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PlotCanvas::setPicture(std::optional<plot_pictures::Picture> picture, const QString& whyNone) {
    m_picture = std::move(picture);
    m_whyNone = whyNone;
    describe();
    redraw();
}

void PlotCanvas::setStale(bool stale) {
    if (stale != m_stale) {
        m_stale = stale;
        describe();
        redraw();
    }
}

void PlotCanvas::describe() {
    QString text = m_picture ? m_picture->description : m_whyNone;
    if (m_stale && m_picture) {
        text = stale_look::description() + QStringLiteral(": ") + text;
    }
    setAccessibleDescription(text);
    setToolTip(m_picture ? QString() : m_whyNone);
}

QImage PlotCanvas::image(const QSize& size, qreal pixelRatio) const {
    QImage picture(size * pixelRatio, QImage::Format_ARGB32_Premultiplied);
    picture.setDevicePixelRatio(pixelRatio);
    picture.fill(Qt::white);
    if (m_picture) {
        QPainter painter(&picture);
        m_picture->paint(painter, QRectF(QPointF(0, 0), QSizeF(size)));
    }
    return picture;
}

bool PlotCanvas::save(const QString& path, int dpi, QString& error) const {
    if (!m_picture) {
        error = m_whyNone;
        return false;
    }
    return plots::writePictureFile(path, QSizeF(size()), m_picture->paint, error, dpi);
}

void PlotCanvas::redraw() {
    m_buffer = QPixmap();
    update();
}

void PlotCanvas::paintEvent(QPaintEvent* /*event*/) {
    guarded(
        [this] {
            const qreal ratio = devicePixelRatioF();
            if (m_buffer.isNull() || m_buffer.size() != size() * ratio) {
                QImage picture = image(size(), ratio);
                if (m_stale) {
                    picture = greyed(picture, Qt::white);
                }
                m_buffer = QPixmap::fromImage(picture);
            }
            QPainter painter(this);
            painter.drawPixmap(0, 0, m_buffer);
            if (!m_picture) {
                painter.setPen(QColor(96, 96, 96)); // on the white paper, in any theme
                painter.drawText(rect().adjusted(8, 8, -8, -8), Qt::AlignCenter | Qt::TextWordWrap,
                                 m_whyNone);
            }
        },
        error_guard::Report::Later);
}

void PlotCanvas::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    redraw();
}

void PlotCanvas::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::FontChange) {
        redraw();
    }
}

} // namespace lx
