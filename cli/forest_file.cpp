// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "forest_file.h"

#include "picture_measure.h"
#include "shown_text.h"

#include "plots/picture_file.h"

#include <QFileInfo>
#include <QPainter>

namespace lx::cli {

namespace {

std::optional<plots::ForestSummary> summaryOf(const ForestPool& pool) {
    const meta::Pooled& pooled = pool.pooled;
    if (pooled.k < 1 || pooled.problem == meta::PoolProblem::NoStudies) {
        return std::nullopt;
    }
    plots::ForestSummary summary;
    summary.label = pool.label;
    summary.estimate = pooled.estimate;
    summary.ci = {pooled.ciLower, pooled.ciUpper};
    summary.tau2 = pooled.tau2;
    summary.modelLine = pool.modelLine;
    summary.firstRow = pool.firstEntry;
    summary.endRow = pool.endEntry;
    const bool wider = pooled.piLower < pooled.ciLower || pooled.piUpper > pooled.ciUpper;
    if (pooled.problem == meta::PoolProblem::None && wider) {
        summary.prediction = Interval{pooled.piLower, pooled.piUpper};
    }
    return summary;
}

} // namespace

plots::ForestPicture forestPicture(const ForestRows& rows) {
    plots::ForestPicture picture;
    picture.effectName = rows.effectName;
    picture.level = rows.level;
    picture.rows.reserve(rows.entries.size());
    for (const ForestEntry& entry : rows.entries) {
        const QString label =
            entry.label.empty() ? QString::number(entry.row) : cellText(entry.label).simplified();
        picture.rows.push_back({label, entry.g, {entry.lower, entry.upper}, entry.variance});
    }
    for (const ForestPool& pool : rows.pools) {
        if (auto summary = summaryOf(pool)) {
            picture.summaries.push_back(std::move(*summary));
        }
    }
    return picture;
}

bool writeForestFile(const QString& path, const ForestRows& rows, QString& error) {
    const plots::ForestPicture picture = forestPicture(rows);
    plots::PlotStyle style;
    style.locale = rows.locale;
    QImage measure = measuringDevice();
    if (QFileInfo(path).suffix().toLower() == u"pdf") {
        const std::vector<plots::ForestPage> pages = plots::forestPages(
            picture, forestWidth, plots::largestPdfPagePoints * 96 / 72, style, &measure);
        std::vector<QSizeF> sizes;
        sizes.reserve(pages.size());
        for (const plots::ForestPage& page : pages) {
            sizes.emplace_back(forestWidth,
                               plots::forestHeight(picture, forestWidth, style, &measure, page));
        }
        return plots::writePdfPages(
            path, sizes,
            [&](QPainter& painter, const QRectF& bounds, std::size_t page) {
                plots::paintForest(painter, bounds, picture, style, pages[page]);
            },
            error);
    }
    const QSizeF size(forestWidth, plots::forestHeight(picture, forestWidth, style, &measure));
    return plots::writePictureFile(
        path, size,
        [&](QPainter& painter, const QRectF& bounds) {
            plots::paintForest(painter, bounds, picture, style);
        },
        error);
}

} // namespace lx::cli
