// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "table_forms.h"

#include "table_columns.h"
#include "table_rows.h"

#include <QRegularExpression>

#include <algorithm>
#include <limits>
#include <optional>

namespace lx::text_check {

namespace {

using namespace table_rows;

// Rows found by `row` in the text after each match of `header`, while each lies within the
// reach of the one before.
void readByPattern(const QString& plain, const QRegularExpression& header,
                   const QRegularExpression& row, std::vector<FoundResult>& found) {
    qsizetype readUpTo = 0;
    for (auto heads = header.globalMatch(plain, 0, normal, unchecked); heads.hasNext();) {
        const qsizetype headerEnd = heads.next().capturedEnd();
        qsizetype reachEnd = headerEnd + rowReach;
        for (auto rows = row.globalMatch(plain, std::max(headerEnd, readUpTo), normal, unchecked);
             rows.hasNext();) {
            const QRegularExpressionMatch match = rows.next();
            if (match.capturedStart() > reachEnd) {
                break;
            }
            const Row cells{match.capturedView(u"value"), match.capturedView(u"df"),
                            match.capturedView(u"p"), match.capturedStart(), match.capturedEnd()};
            if (auto result = resultOf(Statistic::T, cells)) {
                found.push_back(std::move(*result));
                readUpTo = reachEnd = match.capturedEnd();
                reachEnd += rowReach;
            }
        }
    }
}

// "T df p" ending a line, then rows ending with the three numbers.
void readLineEnds(const QString& plain, const std::vector<qsizetype>& starts,
                  std::vector<FoundResult>& found) {
    static const QRegularExpression header(
        QStringLiteral(R"((?<![\p{L}\d])[tT]\s+df\p{L}?\d?\s+[pP](?:\s*-?\s*values?)?\s*$)"));
    static const QRegularExpression row(QStringLiteral(R"((?<![\p{L}\d.,])(?<value>)") +
                                        signedNumber + QStringLiteral(R"()\s+(?<df>\d+)\s+(?<p>)") +
                                        pCell + QStringLiteral(R"()\s*$)"));
    std::size_t lastRead = 0;
    bool inTable = false;
    for (std::size_t k = 0; k < starts.size(); ++k) {
        const QStringView line = lineAt(plain, starts, k);
        if (line.contains(u"df") && header.match(line, 0, normal, unchecked).hasMatch()) {
            inTable = true;
            lastRead = k;
            continue;
        }
        if (!inTable || k > lastRead + lineReach) {
            inTable = false;
            continue;
        }
        const QRegularExpressionMatch match = row.match(line, 0, normal, unchecked);
        if (!match.hasMatch()) {
            continue;
        }
        const qsizetype at = starts[k];
        const Row cells{match.capturedView(u"value"), match.capturedView(u"df"),
                        match.capturedView(u"p"), at + match.capturedStart(),
                        at + match.capturedEnd()};
        if (auto result = resultOf(Statistic::T, cells)) {
            found.push_back(std::move(*result));
            lastRead = k;
        }
    }
}

// One cell a line: "t", "df" and "P" on lines of their own, then rows of three such lines.
void readCellLines(const QString& plain, const std::vector<qsizetype>& starts,
                   std::vector<FoundResult>& found) {
    static const QRegularExpression number(QStringLiteral("^") + signedNumber +
                                           QStringLiteral("$"));
    static const QRegularExpression p(QStringLiteral("^") + pCell + QStringLiteral("$"));
    std::vector<std::size_t> lines; // the lines that are not blank
    for (std::size_t k = 0; k < starts.size(); ++k) {
        if (!lineAt(plain, starts, k).trimmed().isEmpty()) {
            lines.push_back(k);
        }
    }
    const auto text = [&](std::size_t n) { return lineAt(plain, starts, lines[n]).trimmed(); };
    const auto is = [](const QRegularExpression& pattern, QStringView cell) {
        return pattern.match(cell, 0, normal, unchecked).hasMatch();
    };
    constexpr std::size_t none = std::numeric_limits<std::size_t>::max();
    std::size_t lastRead = none; // of a header or a row, in lines
    for (std::size_t n = 0; n + 2 < lines.size(); ++n) {
        if ((text(n) == u"t" || text(n) == u"T") && text(n + 1) == u"df" &&
            (text(n + 2) == u"P" || text(n + 2) == u"p")) {
            lastRead = n + 2;
            n += 2;
            continue;
        }
        if (lastRead == none || n > lastRead + lineReach) {
            lastRead = none;
            continue;
        }
        if (!is(number, text(n)) || !is(number, text(n + 1)) || !is(p, text(n + 2))) {
            continue;
        }
        const QStringView last = text(n + 2);
        const Row row{text(n), text(n + 1), last, starts[lines[n]],
                      static_cast<qsizetype>(last.data() - plain.data()) + last.size()};
        if (auto result = resultOf(Statistic::T, row)) {
            found.push_back(std::move(*result));
            lastRead = n + 2;
            n += 2;
        }
    }
}

// One cell a line under a header whose last figure is "p": a test's cell ("t76 = 8.007") and
// the bare numbers after it (its n, its effect size), of which the last is its p.
void readStatisticCells(const QString& plain, const std::vector<qsizetype>& starts,
                        std::vector<FoundResult>& found) {
    static const QRegularExpression pHeader(QStringLiteral(R"(^[pP](?:\s*-?\s*values?)?$)"));
    static const QRegularExpression test(
        QStringLiteral(R"(^(?:t\s*(?:\(\s*(?<tdf>\d+(?:[.,]\d+)?)\s*\)|(?<tsub>\d+))|)"
                       R"(F\s*(?:\(\s*1\s*,\s*(?<fdf>\d+)\s*\)|1\s*,\s*(?<fsub>\d+)))\s*=\s*)"
                       R"((?<value>-?\s?\d+(?:[.,]\d+)?)$)"));
    // Any test's cell, which keeps the table going: "F2,107 = 34.206".
    static const QRegularExpression anyTest(
        QStringLiteral(R"(^(?:t|F|χ²|χ2)\s*[\d(][\d,.\s()]{0,12}=\s*-?\s?\d+(?:[.,]\d+)?$)"));
    static const QRegularExpression number(QStringLiteral(R"(^-?\d+(?:[.,]\d+)?$)"));
    static const QRegularExpression p(QStringLiteral("^") + pCell + QStringLiteral("$"));
    const auto is = [](const QRegularExpression& pattern, QStringView cell) {
        return pattern.match(cell, 0, normal, unchecked).hasMatch();
    };
    constexpr std::size_t none = std::numeric_limits<std::size_t>::max();
    std::size_t lastSeen = none; // the line of the header or of a test's cell
    for (std::size_t k = 0; k < starts.size(); ++k) {
        const QStringView line = lineAt(plain, starts, k).trimmed();
        if (line.size() <= 8 && is(pHeader, line)) {
            lastSeen = k;
            continue;
        }
        if (lastSeen == none || k > lastSeen + 2 * lineReach) {
            lastSeen = none;
            continue;
        }
        if (!is(anyTest, line)) {
            continue;
        }
        lastSeen = k;
        const QRegularExpressionMatch cell = test.match(line, 0, normal, unchecked);
        if (!cell.hasMatch()) {
            continue;
        }
        // The bare numbers in the lines after it, up to the next word.
        std::size_t last = none;
        for (std::size_t next = k + 1, numbers = 0; next < starts.size() && numbers < 3; ++next) {
            const QStringView after = lineAt(plain, starts, next).trimmed();
            if (after.isEmpty()) {
                continue;
            }
            if (!is(number, after) && !is(p, after)) {
                break;
            }
            last = next;
            ++numbers;
        }
        if (last == none || !is(p, lineAt(plain, starts, last).trimmed())) {
            continue;
        }
        const QStringView pText = lineAt(plain, starts, last).trimmed();
        QStringView df;
        for (const char16_t* name : {u"tdf", u"tsub", u"fdf", u"fsub"}) {
            if (cell.hasCaptured(name)) {
                df = cell.capturedView(name);
            }
        }
        const Statistic statistic =
            cell.hasCaptured(u"fdf") || cell.hasCaptured(u"fsub") ? Statistic::F : Statistic::T;
        const qsizetype start = line.data() - plain.data();
        const Row row{cell.capturedView(u"value"), df, pText, start,
                      static_cast<qsizetype>(pText.data() - plain.data()) + pText.size()};
        if (auto result = resultOf(statistic, row)) {
            found.push_back(std::move(*result));
        }
    }
}

// R's analysis of variance table (summary.aov, anova): under "Df Sum Sq Mean Sq F value Pr(>F)"
// a term of 1 df is F(1, df) with the df of the Residuals line below it.
void readAovTables(const QString& plain, const std::vector<qsizetype>& starts,
                   std::vector<FoundResult>& found) {
    static const QRegularExpression header(
        QStringLiteral(R"(\bDf\s+Sum\s*Sq\s+Mean\s*Sq\s+F\s*value\s+Pr\s*\(\s*>\s*F\s*\))"));
    static const QRegularExpression term(
        QStringLiteral(R"(^(?:##)?\s*\S.*?\s1\s+\S+\s+\S+\s+(?<value>\d+(?:\.\d+)?)\s+)"
                       R"((?<p>[<]?\s*\d+(?:\.\d+)?(?:e-?\d+)?)(?:\s+[*.]+)?\s*$)"));
    static const QRegularExpression residuals(
        QStringLiteral(R"(^(?:##)?\s*Residuals\s+(?<df>\d+)\s)"));
    const auto match = [](const QRegularExpression& pattern, QStringView line) {
        return pattern.match(line, 0, normal, unchecked);
    };
    for (std::size_t k = 0; k < starts.size(); ++k) {
        const QStringView line = lineAt(plain, starts, k);
        if (!line.contains(u"Sum") || !match(header, line).hasMatch()) {
            continue;
        }
        // The table's lines up to its Residuals line, whose df every term's F has.
        std::size_t end = k + 1;
        QRegularExpressionMatch rest;
        for (; end < starts.size() && end <= k + lineReach; ++end) {
            rest = match(residuals, lineAt(plain, starts, end));
            if (rest.hasMatch()) {
                break;
            }
        }
        if (!rest.hasMatch()) {
            continue;
        }
        for (std::size_t row = k + 1; row < end; ++row) {
            const QStringView line = lineAt(plain, starts, row);
            const QRegularExpressionMatch cells = match(term, line);
            if (!cells.hasMatch()) {
                continue;
            }
            const qsizetype at = starts[row];
            if (auto result = resultOf(
                    Statistic::F, {cells.capturedView(u"value"), rest.capturedView(u"df"),
                                   cells.capturedView(u"p"), at + cells.capturedStart(u"value"),
                                   at + cells.capturedEnd(u"p")})) {
                found.push_back(std::move(*result));
            }
        }
        k = end;
    }
}

} // namespace

std::vector<FoundResult> readHeaderedTables(const QString& plain,
                                            const std::vector<qsizetype>& lineStarts) {
    static const QRegularExpression tTestHeader(
        QStringLiteral(R"((?<![\p{L}\d])t(?:\s*-?\s*test)?\s*\(\s*df\s*\)\s*)"
                       R"([pP](?:\s*-?\s*values?)?(?![\p{L}\d]))"));
    static const QRegularExpression tTestRow(
        QStringLiteral(R"((?<![\p{L}\d.,])(?<value>-?\d+[.,]\d+)\s*\(\s*(?<df>\d+)\s*\)\s*(?<p>)") +
        pCell + QStringLiteral(R"()(?![\d.,]?\d))"));
    // The same header over rows that print the df first and the t in parentheses: "23 (-2.308)
    // .030".
    static const QRegularExpression dfFirstRow(
        QStringLiteral(R"((?<![\p{L}\d.,])(?<df>\d+)\s*\(\s*(?<value>-?\d*[.,]\d+)\s*\)\s*(?<p>)") +
        pCell + QStringLiteral(R"()(?![\d.,]?\d))"));
    static const QRegularExpression statisticHeader(
        QStringLiteral(R"(\(\s*statistics?\s*,\s*df\s*,\s*[pP](?:\s*-?\s*values?)?\s*\))"));
    static const QRegularExpression statisticRow(
        QStringLiteral(R"((?<![\p{L}\d])t\s*=\s*(?<value>)") + signedNumber +
        QStringLiteral(R"()\s*,\s*(?<df>\d+(?:[.,]\d+)?)\s*,\s*(?<p>)") + pCell +
        QStringLiteral(R"()(?![\d.,]?\d))"));
    // jamovi's console: "Statistic df p" over "rating Student's t -11.23097 1501.000 < .0000001".
    static const QRegularExpression consoleHeader(
        QStringLiteral(R"((?<![\p{L}])Statistic\s+df\s+p(?![\p{L}]))"));
    static const QRegularExpression consoleRow(
        QStringLiteral(R"((?:Student|Welch)'?s\s+t\s+(?<value>)") + signedNumber +
        QStringLiteral(R"()\s+(?<df>\d+(?:[.,]\d+)?)\s+(?<p>)") + pCell +
        QStringLiteral(R"()(?![\d.,]?\d))"));
    std::vector<FoundResult> found;
    readByPattern(plain, tTestHeader, tTestRow, found);
    readByPattern(plain, tTestHeader, dfFirstRow, found);
    readByPattern(plain, consoleHeader, consoleRow, found);
    readByPattern(plain, statisticHeader, statisticRow, found);
    readLineEnds(plain, lineStarts, found);
    readPipeColumns(plain, lineStarts, found);
    readCellLines(plain, lineStarts, found);
    readStatisticCells(plain, lineStarts, found);
    readAovTables(plain, lineStarts, found);
    return found;
}

} // namespace lx::text_check
