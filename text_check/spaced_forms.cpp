// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "spaced_forms.h"

#include "table_rows.h"

#include <QRegularExpression>

namespace lx::text_check {

std::vector<FoundResult> readLetterSpaced(const QString& plain) {
    using namespace table_rows;
    // A number whose digits and point may each stand one blank apart.
    const QString spaced = QStringLiteral(R"((?:\d ?)*(?:[.,] ?)?\d(?: ?\d)*)");
    // Up to two blanks between the parts: a mathematical letter leaves one of its own.
    static const QRegularExpression result(
        QStringLiteral(
            R"((?<![\p{L}\d])t {0,2}\( ?(?<df>\d(?: ?\d)*) ?\) {0,2}= {0,2}(?<value>-? ?)") +
        spaced + QStringLiteral(R"() {0,2}[,;] {0,2}[pP] {0,2}(?<p>[=<>] {0,2})") + spaced +
        QStringLiteral(R"()(?! ?\d))"));
    static const QRegularExpression spacedDigits(QStringLiteral(R"(\d \d|\d [.,] \d|[.,] \d)"));
    std::vector<FoundResult> found;
    const auto squeezed = [](QStringView text) { return text.toString().remove(u' '); };
    for (auto it = result.globalMatch(plain, 0, normal, unchecked); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        if (!spacedDigits.match(match.capturedView(), 0, normal, unchecked).hasMatch()) {
            continue; // printed as usual: the forms read it
        }
        const QString value = squeezed(match.capturedView(u"value"));
        const QString df = squeezed(match.capturedView(u"df"));
        const QString p = squeezed(match.capturedView(u"p"));
        if (auto read = resultOf(Statistic::T,
                                 {value, df, p, match.capturedStart(), match.capturedEnd()})) {
            read->repaired = true;
            found.push_back(std::move(*read));
        }
    }
    return found;
}

} // namespace lx::text_check
