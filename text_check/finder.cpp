// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "finder.h"

#include "interval_context.h"

#include "df_text.h"
#include "direction.h"
#include "pattern_parts.h"
#include "result_context.h"
#include "text_places.h"

#include <QRegularExpression>

#include <algorithm>

namespace lx::text_check {

using pattern_parts::df;
using pattern_parts::noLetterBefore;
using pattern_parts::number;

namespace {

// ", p = .03", "; p<.05", ", ns", ", p = ns", ", p = 2.3 x 10^-5": where the p stands, which
// reported::readP then reads, as it reads the batch tool's p_reported.
QString pPart() {
    return QStringLiteral(
        R"(\s*[,;]\s*(?<p>p\s*(?:<=|>=|≤|≥|=|<|>)\s*(?:[-+]?(?:\d+(?:[.,]\d+)?|[.,]\d+))"
        R"((?:\s*[eE]\s*[-+]?\d+|\s*[x×·*]\s*10\s*\^?\s*[-+]?\d+)?(?!\d|[.,]\d)|)"
        R"(n\.?\s?s\b\.?)|n\.?\s?s\b\.?))");
}

struct Form {
    Statistic statistic;
    QRegularExpression pattern;
};

const std::vector<Form>& forms() {
    static const std::vector<Form> all = {
        {Statistic::T, QRegularExpression(noLetterBefore() + QStringLiteral(R"(t\s*\(\s*(?<df>)") +
                                          df() + QStringLiteral(R"()\s*\)\s*=\s*(?<value>)") +
                                          number() + QStringLiteral(")") + pPart())},
        {Statistic::T,
         QRegularExpression(noLetterBefore() + QStringLiteral(R"(t\s*=\s*(?<value>)") + number() +
                            QStringLiteral(R"()\s*[,;]\s*df\s*=\s*(?<df>)") + df() +
                            QStringLiteral(")") + pPart())},
        {Statistic::F,
         QRegularExpression(noLetterBefore() + QStringLiteral(R"(F\s*\(\s*1\s*[,;]\s*(?<df>)") +
                            df() + QStringLiteral(R"()\s*\)\s*=\s*(?<value>)") + number() +
                            QStringLiteral(")") + pPart())},
    };
    return all;
}

// The p of a match; false when it is no number at all or below 0.
bool readP(const QRegularExpressionMatch& match, FoundResult& result) {
    const auto p = reported::readP(match.capturedView(u"p"));
    if (!p) {
        return false;
    }
    result.p = *p;
    result.pAboveOne = p->value > 1;
    return true;
}

} // namespace

QString normalised(const QString& text) {
    QString out = text;
    for (QChar& c : out) {
        switch (c.unicode()) {
        case u'\n':
        case u'\r':
        case u'\t':
        case 0x00A0: // no-break space
        case 0x00AD: // soft hyphen
        case 0x200B: // zero-width space
        case 0x202F: // narrow no-break space
        case 0x205F:
        case 0x3000:
        case 0x2029: // paragraph separator
        case u'\f':  // a page's end
            c = QLatin1Char(' ');
            break;
        case 0x2010: // hyphen
        case 0x2011: // non-breaking hyphen
        case 0x2012: // figure dash
        case 0x2013: // en dash, which typesetting often uses for a minus
        case 0x2212: // minus sign
        case 0xFE63:
        case 0xFF0D:
            c = QLatin1Char('-');
            break;
        case 0x2018:
        case 0x2019:
            c = QLatin1Char('\'');
            break;
        default:
            if (c.unicode() >= 0x2000 && c.unicode() <= 0x200A) { // the typographic spaces
                c = QLatin1Char(' ');
            }
        }
    }
    return out;
}

std::vector<FoundResult> findResults(const QString& text) {
    const QString plain = normalised(text);
    std::vector<FoundResult> found;
    for (const Form& form : forms()) {
        for (auto it = form.pattern.globalMatch(plain); it.hasNext();) {
            const QRegularExpressionMatch match = it.next();
            FoundResult result;
            result.statistic = form.statistic;
            const auto value = reported::typedNumber(match.capturedView(u"value"));
            const auto dfValue = dfNumber(match.capturedView(u"df"));
            if (!value || !dfValue || !readP(match, result) ||
                (form.statistic == Statistic::F && value->value < 0)) {
                continue;
            }
            result.value = *value;
            result.df = *dfValue;
            result.dfText = match.captured(u"df");
            result.start = match.capturedStart();
            result.end = match.capturedEnd();
            result.pText = match.captured(u"p").simplified();
            found.push_back(std::move(result));
        }
    }
    std::sort(found.begin(), found.end(),
              [](const FoundResult& a, const FoundResult& b) { return a.start < b.start; });
    // Two forms never read the same text; should they, the first keeps it.
    found.erase(std::unique(found.begin(), found.end(),
                            [](const FoundResult& kept, const FoundResult& next) {
                                return next.start < kept.end;
                            }),
                found.end());
    const std::vector<qsizetype> starts = lineStarts(text);
    const std::vector<qsizetype> breaks = paragraphBreaks(text);
    const std::vector<qsizetype> pages = pageStarts(text);
    constexpr qsizetype reachBefore = 250;
    constexpr qsizetype reachAfter = 150;
    for (std::size_t k = 0; k < found.size(); ++k) {
        FoundResult& result = found[k];
        const qsizetype previousEnd = k > 0 ? found[k - 1].end : qsizetype(-1);
        qsizetype from = std::max({previousEnd, result.start - reachBefore, qsizetype(0)});
        qsizetype to = std::min(k + 1 < found.size() ? found[k + 1].start : plain.size(),
                                result.end + reachAfter);
        // A blank line ends a paragraph, and what is said in one is not about another's result.
        const auto nextBreak = std::lower_bound(breaks.begin(), breaks.end(), result.end);
        if (nextBreak != breaks.end()) {
            to = std::min(to, *nextBreak);
        }
        const auto breakBefore = std::lower_bound(breaks.begin(), breaks.end(), result.start);
        if (breakBefore != breaks.begin()) {
            from = std::max(from, *std::prev(breakBefore));
        }
        placeOf(starts, pages, result.start, result);
        result.raw = plain.mid(result.start, result.end - result.start).simplified();
        findEffect(plain, from, to, k > 0 && from == previousEnd, result);
        // Words after a result are its own only up to the end of its sentence: what follows
        // leads in to the next result ("..., p = .030. One-tailed, with n1 = 12: t(30) = ...").
        static const QRegularExpression sentenceEnd(QStringLiteral(R"([.!?](?:\s|$))"));
        const auto end = sentenceEnd.match(plain, result.end);
        const qsizetype until = end.hasMatch() ? std::min(to, end.capturedEnd()) : to;
        const QStringView before = QStringView(plain).mid(from, result.start - from);
        const QStringView after = QStringView(plain).mid(result.end, until - result.end);
        const QStringView ownWords = QStringView(plain).mid(from, until - from);
        // Sizes stated before a result are its own; those after it only in its sentence.
        findGroupSizes(before, result);
        if (!(result.n1 && result.n2) && !result.total) {
            result.n1.reset();
            result.n2.reset();
            findGroupSizes(after, result);
        }
        findDescriptives(before, after, result);
        result.oneSided = saysOneSided(ownWords);
        if (result.oneSided) { // only a one-tailed p depends on the direction
            result.direction = statedDirection(ownWords);
        }
    }
    attachIntervals(plain, found);
    return found;
}

} // namespace lx::text_check
