// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "picture_file.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>

#include <cmath>

namespace lx::plots {

namespace {

// The raster engine's coordinates, and many image viewers, end near 2^15 pixels a side.
constexpr double largestImageSide = 32767;

// Paints in device-independent pixels whatever the device's resolution.
void paintScaled(QPainter& painter, const QSizeF& size, double scale, const PaintRoutine& paint) {
    painter.scale(scale, scale);
    paint(painter, QRectF(QPointF(0, 0), size));
}

bool writePng(QSaveFile& file, const QSizeF& size, const PaintRoutine& paint, int dpi,
              QString& error) {
    const double scale = dpi / 96.0;
    const double width = std::ceil(size.width() * scale);
    const double height = std::ceil(size.height() * scale);
    if (width > largestImageSide || height > largestImageSide) {
        error = QCoreApplication::translate(
                    "lx::plots::PictureFile",
                    "%1: the picture is too large for a PNG (%2 by %3 pixels); write it as .svg "
                    "or .pdf")
                    .arg(file.fileName())
                    .arg(width)
                    .arg(height);
        return false;
    }
    QImage image(QSize(static_cast<int>(width), static_cast<int>(height)),
                 QImage::Format_ARGB32_Premultiplied);
    if (image.isNull()) {
        error = QCoreApplication::translate("lx::plots::PictureFile",
                                            "%1: no memory for a picture of %2 by %3 pixels")
                    .arg(file.fileName())
                    .arg(width)
                    .arg(height);
        return false;
    }
    image.setDotsPerMeterX(static_cast<int>(std::lround(dpi / 0.0254)));
    image.setDotsPerMeterY(static_cast<int>(std::lround(dpi / 0.0254)));
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        paintScaled(painter, size, scale, paint);
    }
    return image.save(&file, "PNG");
}

bool writeSvg(QSaveFile& file, const QSizeF& size, const PaintRoutine& paint) {
    QSvgGenerator generator;
    generator.setOutputDevice(&file);
    generator.setSize(size.toSize());
    generator.setViewBox(QRectF(QPointF(0, 0), size));
    generator.setResolution(96);
    QPainter painter;
    if (!painter.begin(&generator)) {
        return false;
    }
    paint(painter, QRectF(QPointF(0, 0), size));
    return painter.end();
}

bool writePdf(QSaveFile& file, const std::vector<QSizeF>& pages, const PagePaintRoutine& paint,
              int dpi) {
    QPdfWriter writer(&file);
    writer.setResolution(dpi < 300 ? 300 : dpi);
    writer.setPageMargins(QMarginsF());
    writer.setPageSize(QPageSize(pages.front() * 72.0 / 96.0, QPageSize::Point));
    QPainter painter;
    if (!painter.begin(&writer)) {
        return false;
    }
    for (std::size_t page = 0; page < pages.size(); ++page) {
        if (page > 0) {
            // The size takes effect on the page that newPage starts.
            writer.setPageSize(QPageSize(pages[page] * 72.0 / 96.0, QPageSize::Point));
            if (!writer.newPage()) {
                return false;
            }
        }
        painter.save();
        const double scale = writer.resolution() / 96.0;
        painter.scale(scale, scale);
        paint(painter, QRectF(QPointF(0, 0), pages[page]), page);
        painter.restore();
    }
    return painter.end();
}

// Writes through a temporary file that takes the name only when complete: a failed write
// leaves any earlier picture of that name as it was.
bool saveThrough(const QString& path, const std::function<bool(QSaveFile&, QString&)>& write,
                 QString& error) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        error = QCoreApplication::translate("lx::plots::PictureFile", "%1 cannot be written: %2")
                    .arg(path, file.errorString());
        return false;
    }
    error.clear();
    if (!write(file, error) || !file.commit()) {
        if (error.isEmpty()) {
            error =
                QCoreApplication::translate("lx::plots::PictureFile", "%1 cannot be written: %2")
                    .arg(path, file.errorString());
        }
        file.cancelWriting();
        return false;
    }
    return true;
}

} // namespace

QString printableText(const QString& text) {
    QString shown = text;
    for (qsizetype k = 0; k < shown.size(); ++k) {
        const char16_t c = shown.at(k).unicode();
        const bool pair = QChar::isHighSurrogate(c) && k + 1 < shown.size() &&
                          QChar::isLowSurrogate(shown.at(k + 1).unicode());
        if (pair) {
            ++k;
        } else if (c == u'\t') {
            shown[k] = u' ';
        } else if (c < 0x20 || (c >= 0x7f && c < 0xa0) || QChar::isSurrogate(c) || c == 0xfffe ||
                   c == 0xffff) {
            shown[k] = QChar::ReplacementCharacter;
        }
    }
    return shown;
}

bool writePictureFile(const QString& path, const QSizeF& size, const PaintRoutine& paint,
                      QString& error, int dpi) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix != u"png" && suffix != u"svg" && suffix != u"pdf") {
        error = QCoreApplication::translate("lx::plots::PictureFile",
                                            "%1: a picture is written as .png, .svg or .pdf.")
                    .arg(path);
        return false;
    }
    return saveThrough(
        path,
        [&](QSaveFile& file, QString& reason) {
            if (suffix == u"png") {
                return writePng(file, size, paint, dpi, reason);
            }
            if (suffix == u"svg") {
                return writeSvg(file, size, paint);
            }
            return writePdf(
                file, {size},
                [&](QPainter& painter, const QRectF& bounds, std::size_t) {
                    paint(painter, bounds);
                },
                dpi);
        },
        error);
}

bool writePdfPages(const QString& path, const std::vector<QSizeF>& pages,
                   const PagePaintRoutine& paint, QString& error, int dpi) {
    if (pages.empty()) {
        error = QCoreApplication::translate("lx::plots::PictureFile", "%1: a PDF needs a page.")
                    .arg(path);
        return false;
    }
    return saveThrough(
        path, [&](QSaveFile& file, QString&) { return writePdf(file, pages, paint, dpi); }, error);
}

} // namespace lx::plots
