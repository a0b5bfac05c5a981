// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "table_layout.h"

#include "batch_text.h"
#include "shown_text.h"

#include <QString>

#include <algorithm>
#include <unordered_map>

namespace lx::cli {

namespace {

QString key(std::string_view name) {
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())).trimmed().toLower();
}

std::optional<std::size_t> indexOf(const std::vector<QString>& keys, const QString& name) {
    for (std::size_t k = 0; k < keys.size(); ++k) {
        if (keys[k] == name) {
            return k;
        }
    }
    return std::nullopt;
}

void addResult(TableLayout& layout, ResultColumn column, const std::string& prefix) {
    layout.output.push_back({prefix + std::string(resultColumnName(column)), false, 0, column});
    layout.wanted[static_cast<std::size_t>(column)] = true;
}

// A name in --columns that means a result: with the prefix, or bare when no input column has it.
std::optional<ResultColumn> resultNamed(const QString& name, const std::string& prefix,
                                        bool isInput) {
    const std::string text = name.toStdString();
    if (!prefix.empty() && text.starts_with(prefix)) {
        if (const auto result = resultColumnNamed(std::string_view(text).substr(prefix.size()))) {
            return result;
        }
    }
    if (!prefix.empty() && isInput) {
        return std::nullopt;
    }
    return resultColumnNamed(text);
}

QString unknownColumn(const QString& wanted, const std::vector<std::string>& header,
                      const std::string& prefix) {
    QStringList inputs;
    for (const std::string& name : header) {
        inputs.append(shownName(name));
    }
    QStringList results;
    for (int k = 0; k < resultColumnCount; ++k) {
        results.append(QString::fromStdString(
            prefix + std::string(resultColumnName(static_cast<ResultColumn>(k)))));
    }
    return BatchText::tr("--columns: there is no column \"%1\"; the table has %2, and the "
                         "results are %3")
        .arg(wanted, inputs.join(QLatin1String(", ")), results.join(QLatin1String(", ")));
}

} // namespace

std::variant<TableLayout, std::string> layoutFor(const std::vector<std::string>& header,
                                                 const std::optional<QStringList>& columns,
                                                 const std::string& prefix, const ColumnMap& map,
                                                 char delimiter) {
    std::vector<QString> keys;
    keys.reserve(header.size());
    for (const std::string& name : header) {
        keys.push_back(key(name));
    }
    TableLayout layout;
    layout.checks = findCheckInputs(header);
    if (const auto problem = mapCheckColumns(header, map, layout.checks)) {
        return narrow(*problem);
    }
    const bool anyCheckInput = std::any_of(layout.checks.begin(), layout.checks.begin() + 3,
                                           [](const auto& at) { return at.has_value(); });
    layout.summary.present = hasSummaryInput(header, map) || !anyCheckInput;
    if (layout.summary.present) {
        auto mapped = mapSummaryColumns(header, map, delimiter);
        if (const QString* problem = std::get_if<QString>(&mapped)) {
            return narrow(*problem);
        }
        layout.summary = std::get<SummaryColumns>(mapped);
    }
    if (!columns) {
        for (std::size_t k = 0; k < header.size(); ++k) {
            layout.output.push_back({header[k], true, k, ResultColumn::Error});
        }
        for (int k = 0; k < resultColumnCount; ++k) {
            const auto result = static_cast<ResultColumn>(k);
            if (layout.summary.present || !needsSummary(result)) {
                addResult(layout, result, prefix);
            }
        }
        return layout;
    }
    for (const QString& wanted : *columns) {
        const QString name = wanted.trimmed().toLower();
        bool isNumber = false;
        const qulonglong number = name.toULongLong(&isNumber);
        // A number picks a column by its place, as a header that repeats a name needs; a
        // header name that is a number ("2019") is still found beyond the last column.
        if (isNumber && number >= 1 && number <= header.size()) {
            layout.output.push_back({header[number - 1], true, number - 1, ResultColumn::Error});
            continue;
        }
        const auto input = indexOf(keys, name);
        if (const auto result = resultNamed(name, prefix, input.has_value())) {
            if (!layout.summary.present && needsSummary(*result)) {
                return narrow(BatchText::tr("--columns: \"%1\" needs the columns n1, m1, sd1, "
                                            "n2, m2 and sd2")
                                  .arg(wanted));
            }
            addResult(layout, *result, prefix);
        } else if (input) {
            layout.output.push_back({header[*input], true, *input, ResultColumn::Error});
        } else if (isNumber) {
            return narrow(BatchText::tr("--columns: the table has no column %1; its columns are "
                                        "numbered from 1 to %2")
                              .arg(wanted.trimmed())
                              .arg(header.size()));
        } else {
            return narrow(unknownColumn(wanted, header, prefix));
        }
    }
    return layout;
}

} // namespace lx::cli

namespace lx::cli {

std::optional<std::string> outputNameClash(const std::vector<OutputColumn>& output,
                                           bool jsonLines) {
    std::unordered_map<std::string_view, const OutputColumn*> seen;
    for (const OutputColumn& column : output) {
        const auto [at, added] = seen.emplace(column.name, &column);
        const OutputColumn& other = *at->second;
        if (added || (other.fromInput && column.fromInput && !jsonLines)) {
            continue;
        }
        const QString name = shownText(column.name);
        if (other.fromInput != column.fromInput) {
            return narrow(BatchText::tr("the table has a column \"%1\", and so do the results; "
                                        "give --prefix (say --prefix lx_) to name the results "
                                        "apart")
                              .arg(name));
        }
        if (column.fromInput && other.inputIndex != column.inputIndex) {
            return narrow(BatchText::tr("the table has two columns \"%1\", which JSON lines "
                                        "cannot hold apart; pick one with --columns")
                              .arg(name));
        }
        return narrow(BatchText::tr("--columns names \"%1\" twice").arg(name));
    }
    return std::nullopt;
}

} // namespace lx::cli
