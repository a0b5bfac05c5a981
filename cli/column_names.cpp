// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "column_names.h"

#include "batch_text.h"

#include <QRegularExpression>
#include <QStringList>

#include <algorithm>

namespace lx::cli {

Kind kindOf(int input) {
    return static_cast<Kind>(input % kindCount);
}
int setOf(int input) {
    return input / kindCount + 1;
}

QString inputName(int input) {
    const std::string_view name = inputNames[static_cast<std::size_t>(input)];
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

std::vector<std::string> aliasesOf(int input) {
    static const std::array<std::string, kindCount> meta = {"n", "m", "sd", ""};
    const std::string set = std::to_string(setOf(input));
    std::vector<std::string> names;
    for (const std::string& stem : stems[kindOf(input)]) {
        names.push_back(stem + set);
    }
    if (!meta[kindOf(input)].empty()) {
        names.push_back(meta[kindOf(input)] + set + "i"); // the usual meta-analysis names
    }
    return names;
}

QString headerField(const std::string& name) {
    return QString::fromStdString(name).trimmed();
}

std::optional<Kind> lastWordKind(const std::string& name) {
    const QStringList words = headerField(name).toLower().split(
        QRegularExpression(QStringLiteral("[^a-z0-9]+")), Qt::SkipEmptyParts);
    for (auto word = words.crbegin(); word != words.crend(); ++word) {
        const std::string text = word->toStdString();
        for (int kind = 0; kind < kindCount; ++kind) {
            if (std::find(stems[kind].begin(), stems[kind].end(), text) != stems[kind].end()) {
                return static_cast<Kind>(kind);
            }
        }
    }
    return std::nullopt;
}

std::vector<std::size_t> columnsNamed(const std::vector<std::string>& header, const QString& name) {
    std::vector<std::size_t> columns;
    for (std::size_t k = 0; k < header.size(); ++k) {
        if (headerField(header[k]) == name) {
            columns.push_back(k);
        }
    }
    return columns;
}

std::variant<std::size_t, QString> mappedColumn(const std::vector<std::string>& header,
                                                const QString& column, const QString& input) {
    bool isNumber = false;
    const std::size_t number = column.toULongLong(&isNumber);
    if (isNumber && number >= 1 && number <= header.size()) {
        return number - 1;
    }
    const std::vector<std::size_t> named =
        isNumber ? std::vector<std::size_t>() : columnsNamed(header, column);
    if (named.size() == 1) {
        return named.front();
    }
    if (named.empty()) {
        return BatchText::tr("--map: the header has no column \"%1\" (for %2)").arg(column, input);
    }
    return BatchText::tr("--map: columns %1 and %2 are both named \"%3\" (for %4); give the "
                         "column's number instead")
        .arg(QString::number(named[0] + 1), QString::number(named[1] + 1), column, input);
}

std::string nameKey(std::string_view name) {
    std::string key;
    for (char c : QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()))
                      .toLower()
                      .toStdString()) {
        if (c != ' ' && c != '\t' && c != '_' && c != '.' && c != '-') {
            key += c;
        }
    }
    return key;
}

} // namespace lx::cli
