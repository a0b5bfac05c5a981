// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "forest_file.h"

#include "shown_text.h"

#include "plots/forest_plot.h"
#include "plots/picture_file.h"

#include <QImage>
#include <QPainter>

namespace lx::cli {

namespace {

plots::ForestPicture forestPicture(const ForestRows& rows) {
    plots::ForestPicture picture;
    picture.rows.reserve(rows.entries.size());
    for (const ForestEntry& entry : rows.entries) {
        const QString label =
            entry.label.empty() ? QString::number(entry.row) : cellText(entry.label).simplified();
        picture.rows.push_back({label, entry.g, {entry.lower, entry.upper}, entry.variance});
    }
    return picture;
}

} // namespace

bool writeForestFile(const QString& path, const ForestRows& rows, QString& error) {
    const plots::ForestPicture picture = forestPicture(rows);
    plots::PlotStyle style;
    style.locale = rows.locale;
    // Text is measured at the screen's 96 dpi, in which every device is painted.
    QImage measure(1, 1, QImage::Format_RGB32);
    measure.setDotsPerMeterX(3780);
    measure.setDotsPerMeterY(3780);
    const QSizeF size(forestWidth, plots::forestHeight(picture, style, &measure));
    return plots::writePictureFile(
        path, size,
        [&](QPainter& painter, const QRectF& bounds) {
            plots::paintForest(painter, bounds, picture, style);
        },
        error);
}

} // namespace lx::cli
