// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "direction.h"

#include <QRegularExpression>

#include <optional>
#include <vector>

namespace lx::text_check {

namespace {

// A group as a sentence names it: "group A", "the control group", "Gruppe B", "die
// Kontrollgruppe"; its one word of its own is what compares.
QString name() {
    return QStringLiteral(
        R"((?:(?:the|die|der|das|den)\s+)?(?:(?:group|Gruppe|condition|Bedingung)\s+)?)"
        R"((?<%1>[\p{L}\d]+)(?:\s+(?:group|condition))?)");
}
QString upward() {
    return QStringLiteral(R"(higher|greater|more|better|faster|larger|höher\w*|größer\w*|mehr|)"
                          R"(besser\w*|schneller\w*)");
}
QString downward() {
    return QStringLiteral(
        R"(lower|less|fewer|worse|slower|smaller|niedriger\w*|geringer\w*|weniger|)"
        R"(schlechter\w*|langsamer\w*|kleiner\w*)");
}
QString predictionVerb() {
    return QStringLiteral(R"((?:predicted|expected|hypothesi[sz]ed|anticipated|erwartet\w*|)"
                          R"(vorhergesagt|angenommen|vermutet\w*)\s*,?\s*(?:that\s+|dass\s+)?)");
}

// "A ... higher than B": at most two words between the group and its comparative, and one
// between the comparative and "than" ("higher scores than").
QRegularExpression comparison(const QString& lead) {
    return QRegularExpression(
        lead + name().arg(QStringLiteral("a")) + QStringLiteral(R"(\s+(?:[\p{L}]+\s+){0,2}?)") +
            QStringLiteral(R"((?<cmp>%1|%2)\s+(?:[\p{L}]+\s+)?(?:than|als)\s+)")
                .arg(upward(), downward()) +
            name().arg(QStringLiteral("b")),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::UseUnicodePropertiesOption);
}

// Which group comes out ahead, in lower case.
struct Ordering {
    QString ahead;
    QString behind;
    bool operator==(const Ordering&) const = default;
};

Ordering orderingOf(const QRegularExpressionMatch& match) {
    static const QRegularExpression up(QStringLiteral("^(?:%1)$").arg(upward()),
                                       QRegularExpression::CaseInsensitiveOption);
    const QString a = match.captured(u"a").toLower();
    const QString b = match.captured(u"b").toLower();
    return up.match(match.capturedView(u"cmp")).hasMatch() ? Ordering{a, b} : Ordering{b, a};
}

} // namespace

StatedDirection statedDirection(QStringView window) {
    static const QRegularExpression against(
        QStringLiteral(
            R"(contrary to (?:the |our )?(?:prediction|hypothesis|expectation)s?|)"
            R"(opposite (?:to |of )?(?:the )?(?:predicted|expected|hypothesi[sz]ed) direction|)"
            R"(unexpected direction|entgegen (?:der |unserer |den )?(?:Vorhersage|Hypothese|)"
            R"(Erwartung)\w*|unerwartete\w* Richtung)"),
        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression asPredicted(
        QStringLiteral(R"(\b(?:as predicted|as expected|as hypothesi[sz]ed|wie erwartet|)"
                       R"(wie vorhergesagt)\b)"),
        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression prediction = comparison(predictionVerb());
    static const QRegularExpression finding = comparison(QStringLiteral(R"((?<![\p{L}]))"));

    if (against.match(window).hasMatch()) {
        return StatedDirection::AgainstPrediction;
    }
    const QRegularExpressionMatch predicted = prediction.match(window);
    if (predicted.hasMatch()) {
        const Ordering expected = orderingOf(predicted);
        // Findings are the comparisons outside the prediction's own words.
        for (auto it = finding.globalMatch(window); it.hasNext();) {
            const QRegularExpressionMatch found = it.next();
            if (found.capturedEnd() > predicted.capturedStart(u"a") &&
                found.capturedStart() < predicted.capturedEnd()) {
                continue;
            }
            const Ordering observed = orderingOf(found);
            if (observed == expected) {
                return StatedDirection::AsPredicted;
            }
            if (observed == Ordering{expected.behind, expected.ahead}) {
                return StatedDirection::AgainstPrediction;
            }
        }
    }
    return asPredicted.match(window).hasMatch() ? StatedDirection::AsPredicted
                                                : StatedDirection::Unstated;
}

} // namespace lx::text_check
