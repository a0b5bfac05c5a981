// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "text_places.h"

#include <QRegularExpression>

#include <algorithm>

namespace lx::text_check {

// Where each line of a text starts.
std::vector<qsizetype> lineStarts(const QString& text) {
    std::vector<qsizetype> starts{0};
    for (qsizetype k = 0; k < text.size(); ++k) {
        if (text[k] == QLatin1Char('\n')) {
            starts.push_back(k + 1);
        }
    }
    return starts;
}

// Where each blank line that ends a paragraph starts.
std::vector<qsizetype> paragraphBreaks(const QString& text) {
    static const QRegularExpression blankLine(QStringLiteral(R"(\n[ \t\r]*\n|\x{2029})"));
    std::vector<qsizetype> breaks;
    for (auto it = blankLine.globalMatch(text); it.hasNext();) {
        breaks.push_back(it.next().capturedStart());
    }
    return breaks;
}

// Where each page starts, in a text of pages (each ended by a form feed); none in a text
// without form feeds.
std::vector<qsizetype> pageStarts(const QString& text) {
    std::vector<qsizetype> starts;
    if (!text.contains(QLatin1Char('\f'))) {
        return starts;
    }
    starts.push_back(0);
    for (qsizetype k = text.indexOf(QLatin1Char('\f')); k >= 0 && k + 1 < text.size();
         k = text.indexOf(QLatin1Char('\f'), k + 1)) {
        starts.push_back(k + 1);
    }
    return starts;
}

namespace {

int lineAt(const std::vector<qsizetype>& starts, qsizetype position) {
    return static_cast<int>(std::upper_bound(starts.begin(), starts.end(), position) -
                            starts.begin());
}

} // namespace

// The page and the line on it of a position; page 0 in a text without pages.
void placeOf(const std::vector<qsizetype>& lines, const std::vector<qsizetype>& pages,
             qsizetype position, FoundResult& result) {
    result.line = lineAt(lines, position);
    if (pages.empty()) {
        return;
    }
    const auto after = std::upper_bound(pages.begin(), pages.end(), position);
    result.page = static_cast<int>(after - pages.begin());
    const qsizetype pageStart = *std::prev(after);
    if (pageStart > 0) {
        result.line -= lineAt(lines, pageStart - 1) - 1;
    }
}

} // namespace lx::text_check
