// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "plot_pictures.h"

#include <QPixmap>
#include <QWidget>

#include <optional>

namespace lx {

// Where the Plot pane draws its picture. The picture is painted once into a pixmap at the
// widget's size and pixel ratio and shown from there until it, the size or the look changes.
// Out of date, it is shown in grey; without a picture, a line says why.
class PlotCanvas : public QWidget {
    Q_OBJECT
public:
    explicit PlotCanvas(QWidget* parent);

    void setPicture(std::optional<plot_pictures::Picture> picture, const QString& whyNone);
    bool hasPicture() const { return m_picture.has_value(); }
    void setStale(bool stale);

    // The picture as an image of this size in device-independent pixels, on white paper.
    QImage image(const QSize& size, qreal pixelRatio) const;
    bool save(const QString& path, int dpi, QString& error) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void redraw();
    void describe();

    std::optional<plot_pictures::Picture> m_picture;
    QString m_whyNone;
    bool m_stale = false;
    QPixmap m_buffer;
};

} // namespace lx
