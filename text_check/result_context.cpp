// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "result_context.h"

#include "pattern_parts.h"

#include <QRegularExpression>

#include <algorithm>
#include <vector>

namespace lx::text_check {

using pattern_parts::noLetterBefore;
using pattern_parts::number;

namespace {

// "M = 5.20, SD = 1.10" or "M = 5,20; SD = 1,10", then perhaps "n = 15", for each group.
std::vector<GroupDescriptives> descriptivesIn(QStringView window) {
    static const QRegularExpression pair(
        noLetterBefore() + QStringLiteral(R"(M\s*=\s*(?<mean>)") + number() +
        QStringLiteral(R"()\s*[,;]\s*SD\s*=\s*(?<sd>\d+(?:[.,]\d+)?|[.,]\d+))") +
        QStringLiteral(R"((?:\s*[,;]\s*n\s*=\s*(?<n>\d+)(?![\d.,]\d))?)"));
    std::vector<GroupDescriptives> groups;
    for (auto it = pair.globalMatch(window); it.hasNext();) {
        const auto match = it.next();
        const auto mean = reported::typedNumber(match.capturedView(u"mean"));
        const auto sd = reported::typedNumber(match.capturedView(u"sd"));
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

} // namespace

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
            if (const auto value = reported::typedNumber(match.capturedView(u"value"))) {
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

} // namespace lx::text_check
