// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Where a forest plot's lines, columns and pages go.
#include "forest_plot.h"

#include "forest_text.h"
#include "painting.h"
#include "picture_file.h"

#include <QFontMetricsF>

#include <algorithm>
#include <cmath>
#include <numeric>

namespace lx::plots {

namespace {

bool drawable(const ForestRow& row) {
    return std::isfinite(row.effect) && std::isfinite(row.ci.lower) &&
           std::isfinite(row.ci.upper) && std::isfinite(row.variance) && row.variance > 0;
}

bool drawable(const ForestSummary& summary) {
    const bool prediction = !summary.prediction || (std::isfinite(summary.prediction->lower) &&
                                                    std::isfinite(summary.prediction->upper));
    return std::isfinite(summary.estimate) && std::isfinite(summary.ci.lower) &&
           std::isfinite(summary.ci.upper) && std::isfinite(summary.tau2) && summary.tau2 >= 0 &&
           prediction;
}

// In line heights. Labels beyond longestLabel are cut with an ellipsis: a long title must not
// push the plot off the page.
constexpr double longestLabel = 18;
constexpr double topAxisLines = 1.8; // the axis above the rows: labels, ticks and a gap
constexpr double headLines = 1.8;    // a margin, the header row and its rule
constexpr double footLines = 3.0;    // a gap, the axis, its labels and the effect's name
constexpr double rowLines = 1.3;
constexpr double summaryGapLines = 0.4; // below a summary's sentence

// The height of a summary's sentence wrapped in the picture's width.
double sentenceHeight(const ForestSummary& summary, double width, const QFontMetricsF& metrics) {
    if (summary.modelLine.isEmpty()) {
        return 0;
    }
    const double line = metrics.height();
    return metrics
        .boundingRect(QRectF(0, 0, std::max(line, width - line), 1e9), Qt::TextWordWrap,
                      printableText(summary.modelLine))
        .height();
}

double lineHeight(const ForestPicture& picture, const ForestLine& line, double width,
                  const QFontMetricsF& metrics) {
    const double unit = metrics.height();
    if (!line.summary) {
        return rowLines * unit;
    }
    return (rowLines + summaryGapLines) * unit +
           sentenceHeight(picture.summaries[line.index], width, metrics);
}

std::size_t studiesIn(const std::vector<ForestLine>& lines, const ForestPage& page) {
    return static_cast<std::size_t>(
        std::count_if(lines.begin() + static_cast<std::ptrdiff_t>(page.first),
                      lines.begin() + static_cast<std::ptrdiff_t>(page.end),
                      [](const ForestLine& line) { return !line.summary; }));
}

double frameHeight(std::size_t studies, double unit) {
    const double topAxis = studies > forestRowsForTopAxis ? topAxisLines : 0;
    return (headLines + topAxis + footLines) * unit;
}

} // namespace

std::vector<ForestLine> forestLines(const ForestPicture& picture) {
    const std::size_t rows = picture.rows.size();
    const auto end = [&](std::size_t k) { return std::min(picture.summaries[k].endRow, rows); };
    std::vector<std::size_t> order;
    for (std::size_t k = 0; k < picture.summaries.size(); ++k) {
        if (drawable(picture.summaries[k])) {
            order.push_back(k);
        }
    }
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return end(a) < end(b); });
    std::vector<ForestLine> lines;
    std::size_t next = 0;
    const auto summariesEndingAt = [&](std::size_t row) {
        for (; next < order.size() && end(order[next]) <= row; ++next) {
            lines.push_back({true, order[next]});
        }
    };
    summariesEndingAt(0);
    for (std::size_t row = 0; row < rows; ++row) {
        if (drawable(picture.rows[row])) {
            lines.push_back({false, row});
        }
        summariesEndingAt(row + 1);
    }
    return lines;
}

std::vector<std::optional<double>> forestWeights(const ForestPicture& picture) {
    const std::size_t rows = picture.rows.size();
    std::vector<std::optional<double>> weights(rows);
    std::vector<const ForestSummary*> group(rows, nullptr);
    for (const ForestSummary& summary : picture.summaries) {
        if (!drawable(summary)) {
            continue;
        }
        const std::size_t end = std::min(summary.endRow, rows);
        for (std::size_t row = summary.firstRow; row < end; ++row) {
            const ForestSummary* held = group[row];
            if (!held || std::min(held->endRow, rows) - held->firstRow > end - summary.firstRow) {
                group[row] = &summary;
            }
        }
    }
    for (std::size_t row = 0; row < rows; ++row) {
        const ForestSummary* summary = group[row];
        if (!summary || !drawable(picture.rows[row])) {
            continue;
        }
        double total = 0;
        for (std::size_t other = summary->firstRow; other < std::min(summary->endRow, rows);
             ++other) {
            if (drawable(picture.rows[other])) {
                total += 1 / (picture.rows[other].variance + summary->tau2);
            }
        }
        weights[row] = 100 / (picture.rows[row].variance + summary->tau2) / total;
    }
    return weights;
}

double forestHeight(const ForestPicture& picture, double width, const PlotStyle& style,
                    QPaintDevice* device, std::optional<ForestPage> page) {
    const QFontMetricsF metrics(logicalFont(style.font), device);
    const std::vector<ForestLine> lines = forestLines(picture);
    const ForestPage shown = page.value_or(ForestPage{0, lines.size()});
    double height = frameHeight(studiesIn(lines, shown), metrics.height());
    for (std::size_t k = shown.first; k < shown.end; ++k) {
        height += lineHeight(picture, lines[k], width, metrics);
    }
    // An empty picture keeps the room of one row.
    return shown.first == shown.end ? height + rowLines * metrics.height() : height;
}

std::vector<ForestPage> forestPages(const ForestPicture& picture, double width, double maxHeight,
                                    const PlotStyle& style, QPaintDevice* device) {
    const QFontMetricsF metrics(logicalFont(style.font), device);
    const std::vector<ForestLine> lines = forestLines(picture);
    std::vector<ForestPage> pages;
    ForestPage page;
    double used = 0; // by the page's lines
    std::size_t studies = 0;
    for (std::size_t k = 0; k < lines.size(); ++k) {
        const double height = lineHeight(picture, lines[k], width, metrics);
        const std::size_t study = lines[k].summary ? 0 : 1;
        if (page.end > page.first &&
            used + height + frameHeight(studies + study, metrics.height()) > maxHeight) {
            pages.push_back(page);
            page = {k, k};
            used = 0;
            studies = 0;
        }
        used += height;
        studies += study;
        page.end = k + 1;
    }
    pages.push_back(page);
    return pages;
}

ForestLayout layoutForest(const ForestPicture& picture, const QRectF& bounds,
                          const PlotStyle& style, QPaintDevice* device,
                          std::optional<ForestPage> page) {
    const QFontMetricsF metrics(logicalFont(style.font), device);
    QFont bold = logicalFont(style.font);
    bold.setBold(true);
    const QFontMetricsF boldMetrics(bold, device);
    const double line = metrics.height();
    ForestLayout layout;
    double low = 0; // no effect is always in range
    double high = 0;
    double textWidth = boldMetrics.horizontalAdvance(
        forest_text::estimateTitle(picture.effectName, picture.level));
    for (const ForestRow& row : picture.rows) {
        if (!drawable(row)) {
            ++layout.skipped;
            continue;
        }
        low = std::min(low, row.ci.lower);
        high = std::max(high, row.ci.upper);
        layout.largestWeight = std::max(layout.largestWeight, 1 / row.variance);
        layout.labelWidth =
            std::max(layout.labelWidth, metrics.horizontalAdvance(printableText(row.label)));
        textWidth = std::max(textWidth, metrics.horizontalAdvance(forest_text::estimate(
                                            row.effect, row.ci, style.locale)));
    }
    for (const ForestSummary& summary : picture.summaries) {
        if (!drawable(summary)) {
            ++layout.skipped;
            continue;
        }
        const Interval reach = summary.prediction.value_or(summary.ci);
        low = std::min({low, summary.ci.lower, reach.lower});
        high = std::max({high, summary.ci.upper, reach.upper});
        layout.labelWidth = std::max(layout.labelWidth,
                                     boldMetrics.horizontalAdvance(printableText(summary.label)));
        textWidth = std::max(textWidth, boldMetrics.horizontalAdvance(forest_text::estimate(
                                            summary.estimate, summary.ci, style.locale)));
    }
    layout.labelWidth =
        std::max(layout.labelWidth, boldMetrics.horizontalAdvance(forest_text::studyTitle()));
    layout.labelWidth = std::min(layout.labelWidth, longestLabel * line);

    const std::vector<std::optional<double>> weights = forestWeights(picture);
    layout.weights = std::any_of(weights.begin(), weights.end(),
                                 [](const auto& weight) { return weight.has_value(); });
    const double weightWidth =
        std::max(boldMetrics.horizontalAdvance(forest_text::weightTitle()),
                 metrics.horizontalAdvance(forest_text::weight(100, style.locale)));
    layout.weightRight = bounds.right() - 0.5 * line;
    layout.textRight =
        layout.weights ? layout.weightRight - weightWidth - line : layout.weightRight;

    const std::vector<ForestLine> lines = forestLines(picture);
    const ForestPage shown = page.value_or(ForestPage{0, lines.size()});
    layout.rowHeight = rowLines * line;
    layout.headerY = bounds.top() + (headLines - 0.2) / 2 * line;
    double y = bounds.top() + headLines * line;
    if (studiesIn(lines, shown) > forestRowsForTopAxis) {
        layout.topAxisY = y + (topAxisLines - 0.6) * line;
        y += topAxisLines * line;
    }
    layout.firstRowY = y + layout.rowHeight / 2;
    const double width = bounds.width();
    for (std::size_t k = shown.first; k < shown.end; ++k) {
        if (!lines[k].summary) {
            layout.shown.push_back(&picture.rows[lines[k].index]);
            layout.rowY.push_back(y + layout.rowHeight / 2);
            layout.weightOf.push_back(weights[lines[k].index]);
            y += layout.rowHeight;
            continue;
        }
        const ForestSummary& summary = picture.summaries[lines[k].index];
        const double sentence = sentenceHeight(summary, width, metrics);
        layout.summaries.push_back(
            {&summary, y + layout.rowHeight / 2, y + layout.rowHeight, sentence});
        y += layout.rowHeight + sentence + summaryGapLines * line;
    }
    if (!layout.rowY.empty()) {
        layout.firstRowY = layout.rowY.front();
    }
    layout.axisY = (shown.first == shown.end ? y + layout.rowHeight : y) + 0.3 * line;
    layout.largestSide = 0.8 * layout.rowHeight;

    const double pad = (high - low) * 0.05;
    const double left = bounds.left() + 0.5 * line + layout.labelWidth + line;
    const double right = layout.textRight - textWidth - 1.5 * line;
    const int ticks = std::max(2, static_cast<int>((right - left) / (4 * line)));
    layout.effect = Axis(low - pad, high + pad, left, std::max(left + 1, right), ticks);
    return layout;
}

} // namespace lx::plots
