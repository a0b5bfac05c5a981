// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "result_forms.h"

#include "df_text.h"
#include "pattern_parts.h"
#include "spaced_forms.h"
#include "table_forms.h"

#include <QRegularExpression>

#include <algorithm>
#include <iterator>
#include <optional>

namespace lx::text_check {

using pattern_parts::df;
using pattern_parts::noLetterBefore;
using pattern_parts::number;

namespace {

// The text is normalised, so valid UTF-16: checking it again at every result would take as long
// as reading it.
constexpr auto anchored = QRegularExpression::AnchorAtOffsetMatchOption |
                          QRegularExpression::DontCheckSubjectStringMatchOption;
constexpr auto normal = QRegularExpression::NormalMatch;

// The words that say a result is not significant, in place of its p.
QString notSignificant() {
    return QStringLiteral(R"((?:not(?:\s+statistically)?\s+significant|non-?significant|)"
                          R"(nicht(?:\s+statistisch)?\s+signifikant)\b)");
}

// "p = .03", "P<.05", "p-value = 0.049", "p value < .001", "p = 2.3 x 10^-5", "p = 2.1 × 10⁻¹⁸",
// "p = ns", "ns"; "pb.001" and "p ! .05" as a damaged font prints "<" and "=".
QString pBody() {
    return QStringLiteral(
               R"((?<p>(?<![\p{L}\d])(?:(?:[pP]|(?<rho>ρ))(?:\s*-?\s*values?)?\s*(?:(?:<=|>=|≤|≥|=|<|>|‹|›)|(?<bad>b|!)))"
               R"(\s*(?:(?<pn>[-+]?(?:\d+(?:[.,]\d+)?|[.,]\d+))(?:\s*\.?[eE]\s*[-+]?\d+|)"
               R"(\s*[x×·*]\s*10\s*(?:\^?\s*[-+]?\d+|[⁻⁺]?[⁰¹²³⁴⁵⁶⁷⁸⁹]+))?(?!\d|[.,]\d)|)"
               R"(n\.?\s?s\b\.?)|n\.?\s?s\b\.?|)") +
           notSignificant() + QStringLiteral(R"()))");
}

// What may stand between a result's value and its p: an MSE, an SE, a partial eta squared, a
// critical t, an effect size; after a comma, a semicolon or a table's cell border.
QString between() {
    return QStringLiteral(R"((?:\s*[,;|]\s*(?:MS\s*[Ee]|SEM?|t'?\s*crit|[dDg]|Cohen'?s\s+d|)"
                          R"(Hedges'?\s+g|)"
                          R"((?:partial\s+)?[ηω]\s*_?\s*[p2²]?\s*\^?\s*[p2²]?)\s*=\s*)") +
           number() + QStringLiteral(R"((?!\d)){0,3})");
}

// A pattern's named groups by number, looked up once: a match looked up by name searches the
// pattern's table of names, and a long scan makes millions of them.
int groupOf(const QRegularExpression& pattern, QStringView name) {
    return static_cast<int>(pattern.namedCaptureGroups().indexOf(name));
}

struct HeadGroups {
    int tdf, tsub, tone, tword, capital, ft, one, fdf, fsub, fword, peq, value;
    explicit HeadGroups(const QRegularExpression& head)
        : tdf(groupOf(head, u"tdf"))
        , tsub(groupOf(head, u"tsub"))
        , tone(groupOf(head, u"tone"))
        , tword(groupOf(head, u"tword"))
        , capital(groupOf(head, u"capital"))
        , ft(groupOf(head, u"ft"))
        , one(groupOf(head, u"one"))
        , fdf(groupOf(head, u"fdf"))
        , fsub(groupOf(head, u"fsub"))
        , fword(groupOf(head, u"fword"))
        , peq(groupOf(head, u"peq"))
        , value(groupOf(head, u"value")) {}
};

// The groups of a pattern that reads a p; -1 for those it lacks.
struct PGroups {
    int p, pn, rho, bad;
    explicit PGroups(const QRegularExpression& pattern)
        : p(groupOf(pattern, u"p"))
        , pn(groupOf(pattern, u"pn"))
        , rho(groupOf(pattern, u"rho"))
        , bad(groupOf(pattern, u"bad")) {}
};

struct Patterns {
    QRegularExpression head;
    QRegularExpression pAfter;
    QRegularExpression pCell;
    QRegularExpression pBefore;
    QRegularExpression dfWord;
    QRegularExpression rDfs;    // R's "F = 4.7778, num df = 1, denom df = 57"
    QRegularExpression dfCount; // ", 238 df", a table's p after it: "T=0.28, 238 df 0.7759"
    QRegularExpression bareP;
    HeadGroups headGroups{head};
    PGroups pAfterGroups{pAfter}, pCellGroups{pCell}, pBeforeGroups{pBefore}, barePGroups{bareP};
    int dfGroup = groupOf(dfWord, u"df"); // dfWord's, rDfs' and dfCount's only group
};

// Built on first use: the window that links this starts without compiling them.
const Patterns& patterns() {
    static const Patterns all = [] {
        const QString value =
            // A minus may stand apart from its number ("t = — 1.79" from a scanned page).
            QStringLiteral(R"(\s*(?:=|(?<peq>p)(?=\s*[-+]?[\d.,]))\s*(?<value>(?:[-+]\s?)?)"
                           R"((?:\d+(?:[.,]\d+)?|[.,]\d+))(?!\d|[.,]\d))");
        Patterns built{
            QRegularExpression(
                noLetterBefore() + QStringLiteral(R"((?:t\s*(?:\(\s*(?<tdf>)") + df() +
                QStringLiteral(
                    R"()\s*\)|1\s*,\s*(?<tone>\d{2,})(?=\s*=)|)"
                    R"((?<tsub>\d+(?:[.,]\d+)?)\s*,?)|(?<tword>t|(?<capital>T)|(?<ft>f))(?=\s*=)|)") +
                QStringLiteral(R"(F\s*(?:\(\s*(?<one>[1l])\s*[,;/]\s*(?<fdf>)") + df() +
                QStringLiteral(R"()\s*\)|1\s*,\s*(?<fsub>\d+))|(?<fword>F)(?=\s*=)))") + value),
            // "(F(1,56) = 13.02); p<0.05)", "df = 998, two-tailed p = 0.610".
            QRegularExpression(between() +
                               QStringLiteral(R"(\s*\)?\s*[,;:(\[|]?\s*)"
                                              R"((?:(?:two|one)[- ]?(?:tailed|sided)\s+)?)") +
                               pBody()),
            // A table's p in the cell after its test's, a bare number: "F1,37 = 0.003 | 0.959 |".
            QRegularExpression(between() + QStringLiteral(R"(\s*\|\s*(?<p>(?:[<>≤≥=]\s*)?)"
                                                          R"((?:0?[.,]\d+|1(?:[.,]0+)?))\**)"
                                                          R"((?=\s*(?:\||$)))")),
            QRegularExpression(pBody() + QStringLiteral(R"(\**\s*[,;:]?\s*$)")),
            QRegularExpression(QStringLiteral(R"(\s*[,;]?\s*d\.?\s?f\.?\s*=\s*(?<df>)") + df() +
                               QStringLiteral(R"()(?!\d|[.,]\d))")),
            QRegularExpression(
                QStringLiteral(R"(\s*,\s*num\s+df\s*=\s*1\s*,\s*denom\s+df\s*=\s*(?<df>)") + df() +
                QStringLiteral(R"()(?!\d|[.,]\d))")),
            QRegularExpression(QStringLiteral(R"(\s*[,;]\s*(?<df>)") + df() +
                               QStringLiteral(R"()\s*df\b)")),
            QRegularExpression(
                QStringLiteral(R"(\s+(?<p>(?:[<>≤≥=]\s*)?(?:0?[.,]\d+|1(?:[.,]0+)?))\**)"
                               R"((?![\d.,]?\d))"))};
        return built;
    }();
    return all;
}

// The p of a match, its damaged glyph read as the sign it stands for; false when it is no p.
bool readP(const QRegularExpressionMatch& match, const PGroups& groups, FoundResult& result) {
    QString text = match.captured(groups.p);
    if (match.hasCaptured(groups.rho)) { // a font's p read as the Greek rho
        text[match.capturedStart(groups.rho) - match.capturedStart(groups.p)] = QLatin1Char('p');
        result.repaired = true;
    }
    if (match.hasCaptured(groups.bad)) {
        const qsizetype at = match.capturedStart(groups.bad) - match.capturedStart(groups.p);
        text[at] = text[at] == QLatin1Char('b') ? QLatin1Char('<') : QLatin1Char('=');
        result.repaired = true;
    }
    const auto p = reported::readP(text);
    if (!p) {
        return false;
    }
    result.p = *p;
    result.pAboveOne = p->value > 1;
    result.pText = match.captured(groups.p).simplified();
    return true;
}

// "at t2 = 5.1", "between t1 and t2": a time point named t with its number, no flattened df.
bool namesATimePoint(const QString& plain, qsizetype start) {
    static const QRegularExpression timeWord(
        QStringLiteral(R"((?<![\p{L}])(?:at|to|and|from|between|until|time|vs\.?|bis|und|zu)\s*$)"),
        QRegularExpression::CaseInsensitiveOption);
    constexpr qsizetype reach = 12;
    const qsizetype from = std::max(qsizetype(0), start - reach);
    return timeWord.match(QStringView(plain).mid(from, start - from)).hasMatch();
}

// Reads the result whose test `head` matched: its df and p, before or after it.
bool readResult(const QString& plain, const QRegularExpressionMatch& head, FoundResult& result) {
    const Patterns& all = patterns();
    const HeadGroups& g = all.headGroups;
    const bool dfAfter = head.hasCaptured(g.tword);
    // "f = - 1.79; d.f. = 23": a scanned t, which an f with one df after it can only be.
    const bool scannedT = head.hasCaptured(g.ft);
    if (head.hasCaptured(g.tsub) && namesATimePoint(plain, head.capturedStart())) {
        return false;
    }
    result.statistic =
        head.hasCaptured(g.tdf) || head.hasCaptured(g.tsub) || head.hasCaptured(g.tone) || dfAfter
            ? Statistic::T
            : Statistic::F;
    result.repaired = head.hasCaptured(g.peq) || head.capturedView(g.one) == u"l" || scannedT;
    qsizetype at = head.capturedEnd();
    QString dfText;
    for (const int group : {g.tdf, g.tsub, g.tone, g.fdf, g.fsub}) {
        if (head.hasCaptured(group)) {
            dfText = head.captured(group);
        }
    }
    const auto dfAt = [&](qsizetype offset) {
        const auto match = all.dfWord.match(plain, offset, normal, anchored);
        if (match.hasMatch()) {
            dfText = match.captured(all.dfGroup);
            at = match.capturedEnd();
        }
        return match.hasMatch();
    };
    // "T=0.28, 238 df 0.7759": the df counted after the value, the p a bare number.
    std::optional<QRegularExpressionMatch> counted;
    if (dfAfter && !scannedT) {
        auto match = all.dfCount.match(plain, at, normal, anchored);
        if (match.hasMatch()) {
            dfText = match.captured(all.dfGroup);
            at = match.capturedEnd();
            counted = std::move(match);
        }
    }
    if (head.hasCaptured(g.capital) && !counted) {
        return false; // a capital T is some other quantity unless its df is counted after it
    }
    if (dfAfter && !counted && !dfAt(at) && scannedT) {
        return false;
    }
    if (head.hasCaptured(g.fword)) {
        const auto dfs = all.rDfs.match(plain, at, normal, anchored);
        if (!dfs.hasMatch()) {
            return false;
        }
        dfText = dfs.captured(all.dfGroup);
        at = dfs.capturedEnd();
    }
    QRegularExpressionMatch p = all.pAfter.match(plain, at, normal, anchored);
    const PGroups* pGroups = &all.pAfterGroups;
    if (!p.hasMatch()) {
        p = all.pCell.match(plain, at, normal, anchored);
        pGroups = &all.pCellGroups;
    }
    if (!p.hasMatch() && counted) {
        p = all.bareP.match(plain, at, normal, anchored);
        pGroups = &all.barePGroups;
    }
    result.start = head.capturedStart();
    result.end = p.hasMatch() ? p.capturedEnd(pGroups->p) : at;
    if (p.hasMatch() && dfText.isEmpty() && dfAt(result.end)) {
        result.end = at;
    }
    if (!p.hasMatch()) {
        // A legend's p stands before its test: "*p < 0.05, t = 2.69, df = 10".
        constexpr qsizetype reach = 80;
        const qsizetype from = std::max(qsizetype(0), result.start - reach);
        p = all.pBefore.match(QStringView(plain).mid(from, result.start - from));
        pGroups = &all.pBeforeGroups;
        if (!p.hasMatch()) {
            return false;
        }
        result.start = from + p.capturedStart(pGroups->p);
    }
    const QString valueText = head.captured(g.value).remove(QLatin1Char(' '));
    const auto value = reported::typedNumber(valueText);
    const bool commas =
        valueText.contains(QLatin1Char(',')) || p.capturedView(pGroups->pn).contains(u',');
    const auto dfValue = dfNumber(dfText, commas);
    if (!value || !dfValue || !readP(p, *pGroups, result) ||
        (result.statistic == Statistic::F && value->value < 0)) {
        return false;
    }
    result.value = *value;
    result.df = *dfValue;
    result.dfText = dfText;
    return true;
}

} // namespace

std::vector<FoundResult> readResultForms(const QString& plain,
                                         const std::vector<qsizetype>& lineStarts) {
    std::vector<FoundResult> found;
    for (auto it = patterns().head.globalMatch(
             plain, 0, normal, QRegularExpression::DontCheckSubjectStringMatchOption);
         it.hasNext();) {
        FoundResult result;
        if (readResult(plain, it.next(), result)) {
            found.push_back(std::move(result));
        }
    }
    for (std::vector<FoundResult> more :
         {readHeaderedTables(plain, lineStarts), readLetterSpaced(plain)}) {
        found.insert(found.end(), std::make_move_iterator(more.begin()),
                     std::make_move_iterator(more.end()));
    }
    std::sort(found.begin(), found.end(),
              [](const FoundResult& a, const FoundResult& b) { return a.start < b.start; });
    // A p before a test may be an earlier result's, which keeps it.
    found.erase(std::unique(found.begin(), found.end(),
                            [](const FoundResult& kept, const FoundResult& next) {
                                return next.start < kept.end;
                            }),
                found.end());
    return found;
}

} // namespace lx::text_check
