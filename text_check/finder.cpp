// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "finder.h"

#include "direction.h"
#include "interval_context.h"
#include "result_context.h"
#include "result_forms.h"
#include "text_places.h"

#include <QRegularExpression>

#include <algorithm>

namespace lx::text_check {

QString normalised(const QString& text) {
    QString out = text;
    for (qsizetype k = 0; k < out.size(); ++k) {
        QChar& c = out[k];
        // A surrogate without its pair (an HTML entity of one, a damaged file) is no character:
        // the patterns then match without checking the whole text again for each result.
        if (c.isHighSurrogate() && k + 1 < out.size() && out[k + 1].isLowSurrogate()) {
            // Mathematical letters and digits ("𝑡(15) = .497, 𝑃 = .63", as some publishers set
            // them) as the plain ones, the second half of the pair a blank.
            const char32_t code = QChar::surrogateToUcs4(c, out[k + 1]);
            if (code >= 0x1D400 && code < 0x1D6A4) {
                const auto letter = static_cast<int>((code - 0x1D400) % 52);
                c = QLatin1Char(static_cast<char>(letter < 26 ? 'A' + letter : 'a' + letter - 26));
                out[k + 1] = QLatin1Char(' ');
            } else if (code >= 0x1D7CE && code <= 0x1D7FF) {
                c = QLatin1Char(static_cast<char>('0' + (code - 0x1D7CE) % 10));
                out[k + 1] = QLatin1Char(' ');
            }
            ++k;
            continue;
        }
        if (c.isSurrogate()) {
            c = QChar(QChar::ReplacementCharacter);
            continue;
        }
        // A line break tag left in text copied from a page's source is a blank of its length.
        if (c == u'<' &&
            (out.mid(k, 6) == u"<br />" || out.mid(k, 5) == u"<br/>" || out.mid(k, 4) == u"<br>")) {
            for (; out[k] != u'>'; ++k) {
                out[k] = QLatin1Char(' ');
            }
            out[k] = QLatin1Char(' ');
            continue;
        }
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
        case 0x2014: // em dash, and the other dashes a PDF's font may print for one
        case 0x2015:
        case 0x02D7:
        case 0xFE58:
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
    const std::vector<qsizetype> starts = lineStarts(text);
    std::vector<FoundResult> found = readResultForms(plain, starts);
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
        // Words after a result are its own only up to the end of its sentence: what follows
        // leads in to the next result ("..., p = .030. One-tailed, with n1 = 12: t(30) = ...").
        static const QRegularExpression sentenceEnd(QStringLiteral(R"([.!?](?:\s|$))"));
        // Only up to the next result: a text without a sentence's end would else be searched
        // to its end once for each result.
        const auto end = sentenceEnd.match(QStringView(plain).mid(result.end, to - result.end), 0,
                                           QRegularExpression::NormalMatch,
                                           QRegularExpression::DontCheckSubjectStringMatchOption);
        const qsizetype until = end.hasMatch() ? result.end + end.capturedEnd() : to;
        // An effect size is a result's only within its sentence.
        qsizetype sentenceStart = from;
        for (auto it = sentenceEnd.globalMatch(QStringView(plain).mid(from, result.start - from));
             it.hasNext();) {
            sentenceStart = from + it.next().capturedEnd();
        }
        findEffect(plain, sentenceStart, until, k > 0 && sentenceStart == previousEnd, result);
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
