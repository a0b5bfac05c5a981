// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "interval_context.h"

#include "stats/reported_p.h"

#include <QRegularExpression>

namespace lx::text_check {

namespace {

// A number as papers print it, any minus sign (the text is normalised before this).
const QString number = QStringLiteral(R"([-\x{2212}\x{2013}]?\s*(?:\d+(?:[.,]\d+)?|[.,]\d+))");

const QRegularExpression& intervalPattern() {
    static const QRegularExpression pattern(
        QStringLiteral(
            R"((\d{2}(?:[.,]\d+)?)\s*%\s*(?:CI|C\.I\.|confidence\s+interval)s?)"
            R"(\s*[:=]?\s*(?:[\[(]\s*(%1)\s*[,;]\s*(%1)\s*[\])]|(%1)\s*(?:to|[\x{2013}\x{2014}])\s*(%1)))")
            .arg(number),
        QRegularExpression::CaseInsensitiveOption);
    return pattern;
}

// The end of the sentence that `within` starts in: a full stop, question or exclamation mark
// before a blank and a capital (or the end), or a paragraph's end; its length where none is. A
// decimal point is none. Only as far as the next result is searched: a text whose sentences
// never end as this expects would else be read to its end once for each result.
qsizetype sentenceEnd(QStringView within) {
    static const QRegularExpression end(
        QStringLiteral(R"([.!?](?=\s+[A-Z\x{00C0}-\x{00DE}]|\s*$)|\x{2029}|\n\s*\n)"));
    const QRegularExpressionMatch match =
        end.match(within, 0, QRegularExpression::NormalMatch,
                  QRegularExpression::DontCheckSubjectStringMatchOption);
    return match.hasMatch() ? match.capturedStart() : within.size();
}

std::optional<reported::Typed> bound(const QString& text) {
    QString plain = text;
    plain.remove(QLatin1Char(' '));
    plain.replace(QChar(0x2212), QLatin1Char('-')).replace(QChar(0x2013), QLatin1Char('-'));
    return reported::typedNumber(plain);
}

} // namespace

void attachIntervals(const QString& text, std::vector<FoundResult>& results) {
    static const QRegularExpression effectJustBefore(
        QStringLiteral(R"((?:\b[dg]|Cohen'?s\s+d|Hedges'?\s+g)\s*=\s*%1\s*[,;]?\s*\(?\s*$)")
            .arg(number));
    for (std::size_t k = 0; k < results.size(); ++k) {
        FoundResult& result = results[k];
        const qsizetype next = k + 1 < results.size() ? results[k + 1].start : text.size();
        if (next <= result.end) {
            continue;
        }
        const QStringView upToNext = QStringView(text).mid(result.end, next - result.end);
        const QString after = upToNext.left(sentenceEnd(upToNext)).toString();
        if (after.isEmpty()) {
            continue;
        }
        const QRegularExpressionMatch match = intervalPattern().match(after);
        if (!match.hasMatch()) {
            continue;
        }
        const bool bracketed = match.capturedLength(2) > 0;
        const auto lower = bound(match.captured(bracketed ? 2 : 4));
        const auto upper = bound(match.captured(bracketed ? 3 : 5));
        bool ok = false;
        const double level =
            match.captured(1).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
        if (!lower || !upper || !ok || !(level > 50 && level < 100)) {
            continue;
        }
        ReportedInterval interval;
        interval.level = level / 100;
        interval.lower = *lower;
        interval.upper = *upper;
        interval.ofEffect = effectJustBefore.match(after.left(match.capturedStart())).hasMatch();
        result.interval = interval;
    }
}

} // namespace lx::text_check
