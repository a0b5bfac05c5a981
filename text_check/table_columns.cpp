// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "table_columns.h"

#include "table_rows.h"

#include <QRegularExpression>

#include <utility>

namespace lx::text_check {

namespace {

using namespace table_rows;

// A cell of a "|" line, and where it starts.
using Cell = std::pair<QStringView, qsizetype>;

// The cells of a "|" table's line; the empty cells after the last one are dropped.
std::vector<Cell> cellsOf(QStringView line, qsizetype at) {
    std::vector<Cell> cells;
    qsizetype from = 0;
    for (qsizetype k = 0; k <= line.size(); ++k) {
        if (k == line.size() || line[k] == u'|') {
            qsizetype first = from;
            while (first < k && line[first].isSpace()) {
                ++first;
            }
            cells.emplace_back(line.mid(first, k - first).trimmed(), at + first);
            from = k + 1;
        }
    }
    while (!cells.empty() && cells.back().first.isEmpty()) {
        cells.pop_back();
    }
    return cells;
}

bool is(const QRegularExpression& pattern, QStringView text) {
    return pattern.match(text, 0, normal, unchecked).hasMatch();
}

// Where a test's cells stand in the rows under a header, counted from the right (1 the last).
struct Column {
    Statistic statistic = Statistic::T;
    std::size_t value = 0;
    std::size_t df = 0;         // 0: the df is the header's, or in dfFromLeft
    std::size_t dfFromLeft = 0; // 1 the first: a df column apart from the t, counted from the left
    std::size_t p = 0;
    QString headerDf;
};

// The tests a header's cells name, each by its p column.
std::vector<Column> columnsOf(const std::vector<Cell>& cells) {
    static const QRegularExpression pHeader(
        QStringLiteral(R"(^[pP](?:\s*-?\s*values?)?(?:\s*\([^)]*\))?$)"));
    static const QRegularExpression fHeader(
        QStringLiteral(R"(^F(?:\s*-?\s*(?:ratio|value))?\s*\(\s*1\s*,\s*(?<df>\d+)\s*\)$)"));
    static const QRegularExpression tHeader(QStringLiteral(
        R"(^t(?:\s*-?\s*(?:ratio|value|test|statistic))?\s*(?:\(\s*(?<df>\d+)\s*\)|(?<sub>\d+))(?:\s+\p{L})?$)"));
    static const QRegularExpression tAlone(QStringLiteral(R"(^t(?:\s*-?\s*(?:values?|tests?))?$)"));
    static const QRegularExpression dfAlone(QStringLiteral(R"(^d\.?f\.?$)"));
    std::vector<Column> columns;
    const std::size_t count = cells.size();
    for (std::size_t c = 1; c < count; ++c) {
        if (!is(pHeader, cells[c].first)) {
            continue;
        }
        const QStringView left = cells[c - 1].first;
        const QStringView further = c >= 2 ? cells[c - 2].first : QStringView();
        Column column;
        column.p = count - c;
        column.value = count - c + 1;
        if (const auto f = fHeader.match(left, 0, normal, unchecked); f.hasMatch()) {
            column.statistic = Statistic::F;
            column.headerDf = f.captured(u"df");
        } else if (const auto t = tHeader.match(left, 0, normal, unchecked); t.hasMatch()) {
            column.headerDf = t.hasCaptured(u"df") ? t.captured(u"df") : t.captured(u"sub");
        } else if (is(tAlone, left) && is(dfAlone, further)) {
            column.df = count - c + 2;
        } else if (is(dfAlone, left) && is(tAlone, further)) {
            column.value = count - c + 2;
            column.df = count - c + 1;
        } else if (is(tAlone, left)) {
            // "df | ANOVA | t test | P value": the df stands apart, counted from the left, as a
            // header spanning columns below it leaves the cells on its right uncounted.
            for (std::size_t d = 0; d + 1 < c; ++d) {
                if (is(dfAlone, cells[d].first)) {
                    column.dfFromLeft = d + 1;
                }
            }
            if (column.dfFromLeft == 0) {
                continue;
            }
        } else {
            continue;
        }
        columns.push_back(column);
    }
    return columns;
}

} // namespace

void readPipeColumns(const QString& plain, const std::vector<qsizetype>& lineStarts,
                     std::vector<FoundResult>& found) {
    static const QRegularExpression number(QStringLiteral(R"(^-?\s?\d+(?:[.,]\d+)?\**$)"));
    // A df with its footnote's letter ("46h", "46.19f").
    static const QRegularExpression dfCell(QStringLiteral(R"(^(?<df>\d+(?:[.,]\d+)?)\p{Ll}?$)"));
    // A p with its effect size after it (".02 (0.65)").
    static const QRegularExpression p(QStringLiteral("^(?<p>") + pCell +
                                      QStringLiteral(R"()(?:\s*\([^)]*\))?$)"));
    std::vector<Column> columns;
    std::size_t lastRead = 0;
    for (std::size_t k = 0; k < lineStarts.size(); ++k) {
        const QStringView line = lineAt(plain, lineStarts, k);
        if (!line.contains(u'|')) {
            continue;
        }
        const std::vector<Cell> cells = cellsOf(line, lineStarts[k]);
        if (std::vector<Column> header = columnsOf(cells); !header.empty()) {
            columns = std::move(header);
            lastRead = k;
            continue;
        }
        if (columns.empty() || k > lastRead + lineReach) {
            columns.clear();
            continue;
        }
        const auto at = [&](std::size_t fromRight) { return cells[cells.size() - fromRight]; };
        for (const Column& column : columns) {
            const std::size_t widest = std::max({column.value, column.df, column.p});
            if (widest > cells.size() || column.dfFromLeft + widest > cells.size()) {
                continue;
            }
            const Cell value = at(column.value);
            const Cell pCell = at(column.p);
            QStringView df = QStringView(column.headerDf);
            if (column.df > 0 || column.dfFromLeft > 0) {
                const QStringView cell =
                    column.df > 0 ? at(column.df).first : cells[column.dfFromLeft - 1].first;
                const auto read = dfCell.match(cell, 0, normal, unchecked);
                if (!read.hasMatch()) {
                    continue;
                }
                df = read.capturedView(u"df");
            }
            const auto pRead = p.match(pCell.first, 0, normal, unchecked);
            if (!is(number, value.first) || !pRead.hasMatch()) {
                continue;
            }
            QStringView valueText = value.first;
            while (valueText.endsWith(u'*')) {
                valueText.chop(1);
            }
            const qsizetype start = std::min(value.second, pCell.second);
            const qsizetype end =
                std::max(value.second + value.first.size(), pCell.second + pCell.first.size());
            if (auto result = resultOf(column.statistic,
                                       {valueText, df, pRead.capturedView(u"p"), start, end})) {
                found.push_back(std::move(*result));
                lastRead = k;
            }
        }
    }
}

} // namespace lx::text_check
