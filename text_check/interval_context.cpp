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

// The end of the sentence a position is in: a full stop, question or exclamation mark before
// a blank and a capital (or the text's end), or a paragraph's end. A decimal point is none.
qsizetype sentenceEnd(const QString& text, qsizetype from) {
    static const QRegularExpression end(
        QStringLiteral(R"([.!?](?=\s+[A-Z\x{00C0}-\x{00DE}]|\s*$)|\x{2029}|\n\s*\n)"));
    const QRegularExpressionMatch match = end.match(text, from);
    return match.hasMatch() ? match.capturedStart() : text.size();
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
        qsizetype limit = sentenceEnd(text, result.end);
        if (k + 1 < results.size()) {
            limit = std::min(limit, results[k + 1].start);
        }
        if (limit <= result.end) {
            continue;
        }
        const QString after = text.mid(result.end, limit - result.end);
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
