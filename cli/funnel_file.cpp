// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "funnel_file.h"

#include "plots/picture_file.h"

#include <QPainter>

#include <cmath>

namespace lx::cli {

plots::FunnelPicture funnelPicture(const ForestRows& rows) {
    plots::FunnelPicture picture;
    picture.effectName = rows.effectName;
    picture.studies.reserve(rows.entries.size());
    for (const ForestEntry& entry : rows.entries) {
        picture.studies.push_back({entry.g, std::sqrt(entry.variance)});
    }
    const ForestPool* overall = rows.overallPool();
    if (overall && overall->pooled.k > 0) {
        picture.estimate = overall->pooled.estimate;
    }
    return picture;
}

bool writeFunnelFile(const QString& path, const ForestRows& rows, QString& error) {
    const plots::FunnelPicture picture = funnelPicture(rows);
    plots::PlotStyle style;
    style.locale = rows.locale;
    return plots::writePictureFile(
        path, funnelSize,
        [&](QPainter& painter, const QRectF& bounds) {
            plots::paintFunnel(painter, bounds, picture, style);
        },
        error);
}

} // namespace lx::cli
