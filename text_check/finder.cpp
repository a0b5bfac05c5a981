// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "finder.h"

#include "direction.h"
#include "number_text.h"

#include <QRegularExpression>

#include <algorithm>

namespace lx::text_check {

namespace {

using Relation = reported::ReportedP::Relation;

// The parts every form shares.
// Functions, not globals: the window that links this starts without building them.
QString number() {
    return QStringLiteral(R"([-+]?(?:\d+(?:[.,]\d+)?|[.,]\d+))");
}
QString df() {
    return QStringLiteral(R"(\d+(?:[.,]\d+)?)");
}
QString noLetterBefore() {
    return QStringLiteral(R"((?<![\p{L}\d]))");
}
// ", p = .03", "; p<.05", ", ns", ", p = ns", ", p = 2.3 x 10^-5".
QString pPart() {
    return QStringLiteral(
        R"(\s*[,;]\s*(?:p\s*(?<rel><=|>=|≤|≥|=|<|>)\s*(?:(?<p>[-+]?(?:\d+(?:[.,]\d+)?|[.,]\d+)))"
        R"((?:\s*[eE]\s*(?<exp1>[-+]?\d+)|\s*[x×·*]\s*10\s*\^?\s*(?<exp2>[-+]?\d+))?(?!\d|[.,]\d)|)"
        R"((?<pns>n\.?\s?s\b\.?))|(?<ns>n\.?\s?s\b\.?)))");
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

Relation relationOf(QStringView sign) {
    if (sign == u"<" || sign == u"<=" || sign == u"\u2264") {
        return Relation::Less;
    }
    if (sign == u">" || sign == u">=" || sign == u"\u2265") {
        return Relation::Greater;
    }
    return Relation::Equal;
}

// The p of a match; nullopt when it is no number at all or below 0.
bool readP(const QRegularExpressionMatch& match, FoundResult& result) {
    if (match.hasCaptured(u"ns") || match.hasCaptured(u"pns")) {
        // A p "not significant" is one above alpha: the judge puts alpha in.
        result.p = {Relation::Greater, -1, 0};
        return true;
    }
    const QString exponent =
        match.hasCaptured(u"exp1") ? match.captured(u"exp1") : match.captured(u"exp2");
    bool exponentRead = true;
    const int power = exponent.isEmpty() ? 0 : exponent.toInt(&exponentRead);
    if (!exponentRead) {
        return false;
    }
    const auto typed = exponent.isEmpty() ? typedNumber(match.capturedView(u"p"))
                                          : scaledNumber(match.capturedView(u"p"), power);
    if (!typed || typed->value < 0) {
        return false;
    }
    result.p = {relationOf(match.capturedView(u"rel")), typed->value, typed->decimals};
    result.pAboveOne = typed->value > 1;
    return true;
}

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

int lineAt(const std::vector<qsizetype>& starts, qsizetype position) {
    return static_cast<int>(std::upper_bound(starts.begin(), starts.end(), position) -
                            starts.begin());
}

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

// Its own sentence's effect size comes after a result. One before it counts only where none
// follows and no earlier result lies within reach, whose it would be.
void findEffect(QStringView text, qsizetype from, qsizetype to, bool earlierResult,
                FoundResult& result) {
    static const QRegularExpression effect(noLetterBefore() +
                                           QStringLiteral(R"((?<kind>[dg])\s*=\s*(?<value>)") +
                                           number() + QStringLiteral(")"));
    std::vector<std::pair<qsizetype, qsizetype>> stretches{{result.end, to}};
    if (!earlierResult) {
        stretches.emplace_back(from, result.start);
    }
    for (const auto& [begin, end] : stretches) {
        const auto match = effect.match(text.mid(begin, end - begin));
        if (match.hasMatch()) {
            if (const auto value = typedNumber(match.capturedView(u"value"))) {
                result.effect = ReportedEffect{match.capturedView(u"kind") == u"g"
                                                   ? ReportedEffect::Kind::HedgesG
                                                   : ReportedEffect::Kind::CohensD,
                                               *value};
                return;
            }
        }
    }
}

void findGroupSizes(QStringView window, FoundResult& result) {
    static const QRegularExpression groups(
        noLetterBefore() +
        QStringLiteral(R"(n\s*_?\s*(?<group>[12₁₂])\s*=\s*(?<n>\d+)(?![\d.,]\d))"));
    static const QRegularExpression total(noLetterBefore() +
                                          QStringLiteral(R"(N\s*=\s*(?<n>\d+)(?![\d.,]\d))"));
    for (auto it = groups.globalMatch(window); it.hasNext();) {
        const auto match = it.next();
        bool ok = false;
        const int n = match.capturedView(u"n").toInt(&ok);
        if (!ok || n < 1) {
            continue;
        }
        const QStringView group = match.capturedView(u"group");
        auto& target = group == u"1" || group == u"\u2081" ? result.n1 : result.n2;
        if (!target) {
            target = n;
        }
    }
    const auto match = total.match(window);
    bool ok = false;
    const int n = match.hasMatch() ? match.capturedView(u"n").toInt(&ok) : 0;
    if (ok && n >= 2) {
        result.total = n;
    }
}

// "M = 5.20, SD = 1.10" or "M = 5,20; SD = 1,10", then perhaps "n = 15", for each group.
std::vector<GroupDescriptives> descriptivesIn(QStringView window) {
    static const QRegularExpression pair(
        noLetterBefore() + QStringLiteral(R"(M\s*=\s*(?<mean>)") + number() +
        QStringLiteral(R"()\s*[,;]\s*SD\s*=\s*(?<sd>\d+(?:[.,]\d+)?|[.,]\d+))") +
        QStringLiteral(R"((?:\s*[,;]\s*n\s*=\s*(?<n>\d+)(?![\d.,]\d))?)"));
    std::vector<GroupDescriptives> groups;
    for (auto it = pair.globalMatch(window); it.hasNext();) {
        const auto match = it.next();
        const auto mean = typedNumber(match.capturedView(u"mean"));
        const auto sd = typedNumber(match.capturedView(u"sd"));
        if (!mean || !sd) {
            continue;
        }
        GroupDescriptives group{*mean, *sd, std::nullopt};
        bool ok = false;
        const int n = match.hasCaptured(u"n") ? match.capturedView(u"n").toInt(&ok) : 0;
        if (ok && n >= 1) {
            group.n = n;
        }
        groups.push_back(group);
    }
    return groups;
}

// The two groups a result compares are described before it ("A (M = 5.2, SD = 1.1) scored
// higher than B (M = 4.3, SD = 1.2), t(28) = ..."), the last two there; else after it, the
// first two. One group alone says nothing about which set it is.
void findDescriptives(QStringView before, QStringView after, FoundResult& result) {
    std::vector<GroupDescriptives> groups = descriptivesIn(before);
    if (groups.size() >= 2) {
        groups.erase(groups.begin(), groups.end() - 2);
    } else {
        groups = descriptivesIn(after);
        groups.resize(std::min<std::size_t>(groups.size(), 2));
    }
    if (groups.size() < 2) {
        return;
    }
    result.group1 = groups[0];
    result.group2 = groups[1];
    // Sizes given with the means are the groups' sizes, where none are stated otherwise.
    if (!result.n1 && !result.n2 && !result.total && groups[0].n && groups[1].n) {
        result.n1 = groups[0].n;
        result.n2 = groups[1].n;
    }
}

bool saysOneSided(QStringView window) {
    static const QRegularExpression words(
        QStringLiteral(R"(\b(?:one|1)\s*-?\s*(?:tailed|sided)\b|(?<![\p{L}-])directional\b|)"
                       R"(\beinseitig|(?<![\p{L}])gerichtet)"),
        QRegularExpression::CaseInsensitiveOption);
    return words.match(window).hasMatch();
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
            const auto value = typedNumber(match.capturedView(u"value"));
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
            const qsizetype pStart = match.hasCaptured(u"rel")  ? match.capturedStart(u"rel")
                                     : match.hasCaptured(u"ns") ? match.capturedStart(u"ns")
                                                                : match.capturedStart(u"pns");
            result.pText = plain.mid(pStart, result.end - pStart).simplified();
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
    return found;
}

} // namespace lx::text_check
