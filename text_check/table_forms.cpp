// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "table_forms.h"

#include "stats/reported_p.h"

#include <QRegularExpression>

#include <algorithm>

namespace lx::text_check {

namespace {

constexpr auto unchecked = QRegularExpression::DontCheckSubjectStringMatchOption;

// How far past a header, or past the last row read, a table's rows are looked for.
constexpr qsizetype rowReach = 600;

const QRegularExpression& header() {
    static const QRegularExpression pattern(
        QStringLiteral(R"((?<![\p{L}\d])t(?:\s*-?\s*test)?\s*\(\s*df\s*\)\s*)"
                       R"((?:p|P)(?:\s*-?\s*values?)?(?![\p{L}\d]))"));
    return pattern;
}

const QRegularExpression& row() {
    static const QRegularExpression pattern(
        QStringLiteral(R"((?<![\p{L}\d.,])(?<value>-?\d+[.,]\d+)\s*\(\s*(?<df>\d+)\s*\)\s*)"
                       R"((?<p>(?:[<>≤≥=]\s*)?(?:0?[.,]\d+|1(?:[.,]0+)?))(?![\d.,]?\d))"));
    return pattern;
}

} // namespace

std::vector<FoundResult> readHeaderedTable(const QString& plain) {
    std::vector<FoundResult> found;
    for (auto heads = header().globalMatch(plain, 0, QRegularExpression::NormalMatch, unchecked);
         heads.hasNext();) {
        const qsizetype headerEnd = heads.next().capturedEnd();
        // A second header of the same table starts where the rows read so far end.
        const qsizetype from = found.empty() ? headerEnd : std::max(headerEnd, found.back().end);
        qsizetype reachEnd = headerEnd + rowReach;
        for (auto rows = row().globalMatch(plain, from, QRegularExpression::NormalMatch, unchecked);
             rows.hasNext();) {
            const QRegularExpressionMatch match = rows.next();
            if (match.capturedStart() > reachEnd) {
                break;
            }
            const auto value = reported::typedNumber(match.capturedView(u"value"));
            const auto p = reported::readP(match.capturedView(u"p"));
            if (!value || !p) {
                continue;
            }
            FoundResult result;
            result.statistic = Statistic::T;
            result.value = *value;
            result.dfText = match.captured(u"df");
            result.df = result.dfText.toDouble();
            result.p = *p;
            result.pText = match.captured(u"p").simplified();
            result.start = match.capturedStart();
            result.end = match.capturedEnd();
            reachEnd = result.end + rowReach;
            found.push_back(std::move(result));
        }
    }
    return found;
}

} // namespace lx::text_check
