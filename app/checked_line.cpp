// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "checked_line.h"

#include "text_check/finder.h"
#include "text_check/judge.h"
#include "text_check/verdict_words.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace lx {

namespace {

std::optional<int> positiveInt(const QJsonValue& value) {
    const double n = value.toDouble(-1);
    if (n >= 1 && n <= 1e9 && n == static_cast<int>(n)) {
        return static_cast<int>(n);
    }
    return std::nullopt;
}

// JSON numbers keep the digits they were written with, but a parsed value drops trailing
// zeros ("5.20" becomes 5.2): a typed figure is read from the literal itself.
std::optional<reported::Typed> typedField(QByteArrayView json, const QJsonObject& object,
                                          const char* name) {
    if (!object.value(QLatin1String(name)).isDouble()) {
        return std::nullopt;
    }
    const QByteArray key = QByteArray("\"") + name + "\":";
    const qsizetype at = json.indexOf(key);
    if (at < 0) {
        return std::nullopt;
    }
    qsizetype end = at + key.size();
    while (end < json.size() && json[end] != ',' && json[end] != '}') {
        ++end;
    }
    const QByteArrayView literal = json.sliced(at + key.size(), end - at - key.size()).trimmed();
    const qsizetype point = literal.indexOf('.');
    const bool exponent = literal.contains('e') || literal.contains('E');
    const int decimals = point < 0 || exponent ? 0 : static_cast<int>(literal.size() - point - 1);
    return reported::Typed{object.value(QLatin1String(name)).toDouble(), decimals};
}

QString typedText(const reported::Typed& value, const QLocale& locale) {
    QString text = locale.toString(value.value, 'f', value.decimals);
    text.remove(locale.groupSeparator());
    return text;
}

} // namespace

std::vector<CheckedLine> checkedLines(const QString& text, double alpha) {
    std::vector<CheckedLine> lines;
    for (const text_check::FoundResult& found : text_check::findResults(text)) {
        const text_check::Judgement judgement = text_check::judge(found, alpha);
        CheckedLine line;
        line.page = found.page;
        line.line = found.line;
        line.raw = found.raw;
        line.verdict = QString::fromLatin1(text_check::verdictWord(judgement.verdict));
        line.holds = judgement.holds;
        line.dCheck = QString::fromLatin1(text_check::effectWord(judgement.effect));
        line.ciCheck = QString::fromLatin1(text_check::effectWord(judgement.interval));
        line.rounding = QString::fromLatin1(text_check::roundingWord(judgement.rounding));
        line.n1 = found.n1;
        line.n2 = found.n2;
        if (found.group1 && found.group2) {
            line.m1 = found.group1->mean;
            line.sd1 = found.group1->sd;
            line.m2 = found.group2->mean;
            line.sd2 = found.group2->sd;
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

std::optional<CheckedLine> checkedLineOfJson(QByteArrayView json) {
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(json.toByteArray(), &error);
    if (error.error != QJsonParseError::NoError || !document.isObject()) {
        return std::nullopt;
    }
    const QJsonObject object = document.object();
    CheckedLine line;
    line.raw = object.value(QLatin1String("raw")).toString();
    line.verdict = object.value(QLatin1String("verdict")).toString();
    if (line.raw.isEmpty() || line.verdict.isEmpty()) {
        return std::nullopt;
    }
    line.page = positiveInt(object.value(QLatin1String("page"))).value_or(0);
    line.line = positiveInt(object.value(QLatin1String("line"))).value_or(0);
    line.holds = object.value(QLatin1String("holds")).toBool();
    line.dCheck = object.value(QLatin1String("d_check")).toString();
    line.ciCheck = object.value(QLatin1String("ci_check")).toString();
    line.part = object.value(QLatin1String("part")).toString();
    line.rounding = object.value(QLatin1String("rounding")).toString();
    line.n1 = positiveInt(object.value(QLatin1String("n1")));
    line.n2 = positiveInt(object.value(QLatin1String("n2")));
    line.m1 = typedField(json, object, "m1");
    line.sd1 = typedField(json, object, "sd1");
    line.m2 = typedField(json, object, "m2");
    line.sd2 = typedField(json, object, "sd2");
    return line;
}

QList<QPair<Box, QString>> setsOf(const CheckedLine& line, const QLocale& locale) {
    QList<QPair<Box, QString>> boxes;
    const auto add = [&](Box box, const std::optional<reported::Typed>& value) {
        if (value) {
            boxes.append({box, typedText(*value, locale)});
        }
    };
    const auto size = [](const std::optional<int>& n) {
        return n ? std::optional<reported::Typed>(reported::Typed{double(*n), 0}) : std::nullopt;
    };
    add(Box::N1, size(line.n1));
    add(Box::M1, line.m1);
    add(Box::SD1, line.sd1);
    add(Box::N2, size(line.n2));
    add(Box::M2, line.m2);
    add(Box::SD2, line.sd2);
    return boxes;
}

} // namespace lx
