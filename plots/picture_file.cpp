// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "picture_file.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include <cmath>

namespace lx::plots {

namespace {

// Paints in device-independent pixels whatever the device's resolution.
void paintScaled(QPainter& painter, const QSizeF& size, double scale, const PaintRoutine& paint) {
    painter.scale(scale, scale);
    paint(painter, QRectF(QPointF(0, 0), size));
}

} // namespace

bool writePictureFile(const QString& path, const QSizeF& size, const PaintRoutine& paint,
                      QString& error, int dpi) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == u"png") {
        const double scale = dpi / 96.0;
        QImage image(QSize(static_cast<int>(std::ceil(size.width() * scale)),
                           static_cast<int>(std::ceil(size.height() * scale))),
                     QImage::Format_ARGB32_Premultiplied);
        image.setDotsPerMeterX(static_cast<int>(std::lround(dpi / 0.0254)));
        image.setDotsPerMeterY(static_cast<int>(std::lround(dpi / 0.0254)));
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            paintScaled(painter, size, scale, paint);
        }
        if (!image.save(path, "PNG")) {
            error =
                QCoreApplication::translate("lx::plots::PictureFile", "%1 could not be written.")
                    .arg(path);
            return false;
        }
        return true;
    }
    if (suffix == u"svg") {
        QSvgGenerator generator;
        generator.setFileName(path);
        generator.setSize(size.toSize());
        generator.setViewBox(QRectF(QPointF(0, 0), size));
        generator.setResolution(96);
        QPainter painter;
        if (!painter.begin(&generator)) {
            error =
                QCoreApplication::translate("lx::plots::PictureFile", "%1 could not be written.")
                    .arg(path);
            return false;
        }
        paint(painter, QRectF(QPointF(0, 0), size));
        return painter.end();
    }
    if (suffix == u"pdf") {
        QPdfWriter writer(path);
        writer.setResolution(dpi < 300 ? 300 : dpi);
        writer.setPageSize(QPageSize(size * 72.0 / 96.0, QPageSize::Point));
        writer.setPageMargins(QMarginsF());
        QPainter painter;
        if (!painter.begin(&writer)) {
            error =
                QCoreApplication::translate("lx::plots::PictureFile", "%1 could not be written.")
                    .arg(path);
            return false;
        }
        paintScaled(painter, size, writer.resolution() / 96.0, paint);
        return painter.end();
    }
    error = QCoreApplication::translate("lx::plots::PictureFile",
                                        "%1: a picture is written as .png, .svg or .pdf.")
                .arg(path);
    return false;
}

} // namespace lx::plots
