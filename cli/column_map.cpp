// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "column_map.h"

#include "batch_text.h"
#include "column_refusal.h"
#include "group_columns.h"
#include "shown_text.h"

#include <QRegularExpression>
#include <QStringList>

#include <algorithm>

namespace lx::cli {

std::variant<ColumnMap, QString> parseColumnMap(const QString& text) {
    ColumnMap map;
    for (const QString& part : text.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const qsizetype equals = part.indexOf(QLatin1Char('='));
        const QString input = part.left(equals).trimmed().toLower();
        const auto named = std::find(inputNames.begin(), inputNames.end(), input.toStdString());
        std::optional<QString>* target =
            named != inputNames.end()
                ? &map.summary[static_cast<std::size_t>(named - inputNames.begin())]
                : nullptr;
        for (std::size_t k = 0; !target && k < checkInputCount; ++k) {
            if (input == checkInputLabel(static_cast<CheckInput>(k))) {
                target = &map.checks[k];
            }
        }
        if (equals < 0 || !target) {
            return BatchText::tr("--map: \"%1\" is not INPUT=COLUMN with INPUT one of n1, m1, "
                                 "sd1, se1, n2, m2, sd2, se2, t_reported, df_reported, "
                                 "p_reported, items1, items2, tails_reported")
                .arg(part);
        }
        const QString column = part.mid(equals + 1).trimmed();
        if (column.isEmpty()) {
            return BatchText::tr("--map: \"%1\" names no column").arg(part);
        }
        *target = column;
    }
    return map;
}

std::optional<QString> mapCheckColumns(const std::vector<std::string>& header, const ColumnMap& map,
                                       CheckColumns& columns) {
    for (std::size_t k = 0; k < checkInputCount; ++k) {
        if (const auto& column = map.checks[k]) {
            const auto at =
                mappedColumn(header, *column, checkInputLabel(static_cast<CheckInput>(k)));
            if (const QString* why = std::get_if<QString>(&at)) {
                return *why;
            }
            columns[k] = std::get<std::size_t>(at);
        }
    }
    return std::nullopt;
}

bool hasSummaryInput(const std::vector<std::string>& header, const ColumnMap& map) {
    if (std::any_of(map.summary.begin(), map.summary.end(),
                    [](const auto& column) { return column.has_value(); })) {
        return true;
    }
    for (const std::string& name : header) {
        const std::string key = nameKey(name);
        for (int input = 0; input < summaryInputCount; ++input) {
            const std::vector<std::string> aliases = aliasesOf(input);
            if (std::find(aliases.begin(), aliases.end(), key) != aliases.end()) {
                return true;
            }
        }
    }
    return groupColumns(header).has_value();
}

bool namesSummaryFigures(const std::vector<std::string>& header) {
    std::array<int, kindCount> named{};
    for (const std::string& name : header) {
        std::optional<Kind> kind = lastWordKind(name);
        for (int input = 0; input < summaryInputCount && !kind; ++input) {
            const std::vector<std::string> aliases = aliasesOf(input);
            if (std::find(aliases.begin(), aliases.end(), nameKey(name)) != aliases.end()) {
                kind = kindOf(input);
            }
        }
        if (kind) {
            ++named[*kind];
        }
    }
    return named[N] >= 2 && named[Mean] >= 2 && named[Sd] + named[Se] >= 2;
}

std::variant<SummaryColumns, QString> mapSummaryColumns(const std::vector<std::string>& header,
                                                        const ColumnMap& map, char delimiter) {
    std::array<std::optional<std::size_t>, summaryInputCount> found;
    std::vector<bool> taken(header.size(), false);
    for (int input = 0; input < summaryInputCount; ++input) {
        const auto& column = map.summary[static_cast<std::size_t>(input)];
        if (!column) {
            continue;
        }
        const auto at = mappedColumn(header, *column, inputName(input));
        if (const QString* why = std::get_if<QString>(&at)) {
            return *why;
        }
        found[static_cast<std::size_t>(input)] = std::get<std::size_t>(at);
        taken[std::get<std::size_t>(at)] = true;
    }
    for (int input = 0; input < summaryInputCount; ++input) {
        if (found[static_cast<std::size_t>(input)]) {
            continue;
        }
        const std::vector<std::string> aliases = aliasesOf(input);
        for (std::size_t k = 0; k < header.size(); ++k) {
            if (taken[k] ||
                std::find(aliases.begin(), aliases.end(), nameKey(header[k])) == aliases.end()) {
                continue;
            }
            if (const auto& first = found[static_cast<std::size_t>(input)]) {
                return BatchText::tr("columns \"%1\" and \"%2\" both stand for %3; say which with "
                                     "--map %3=COLUMN")
                    .arg(shownName(header[*first]), shownName(header[k]), inputName(input));
            }
            found[static_cast<std::size_t>(input)] = k;
        }
    }
    // Inputs the names leave open are looked for under the arms' names.
    std::optional<GroupPair> byGroups;
    const auto open = [&](int set) {
        const int base = set * kindCount;
        return !found[static_cast<std::size_t>(base + N)] ||
               !found[static_cast<std::size_t>(base + Mean)] ||
               (!found[static_cast<std::size_t>(base + Sd)] &&
                !found[static_cast<std::size_t>(base + Se)]);
    };
    if (open(0) || open(1)) {
        if (const auto groups = groupColumns(header)) {
            for (int input = 0; input < summaryInputCount; ++input) {
                const auto& column = groups->found[static_cast<std::size_t>(input)];
                if (column && !found[static_cast<std::size_t>(input)] && !taken[*column]) {
                    found[static_cast<std::size_t>(input)] = column;
                    taken[*column] = true;
                    byGroups = groups->pair;
                }
            }
        }
    }
    SummaryColumns columns;
    std::vector<int> missing;
    for (int set = 0; set < 2; ++set) {
        const int base = set * kindCount;
        auto& sd = found[static_cast<std::size_t>(base + Sd)];
        auto& se = found[static_cast<std::size_t>(base + Se)];
        const bool sdMapped = map.summary[static_cast<std::size_t>(base + Sd)].has_value();
        const bool seMapped = map.summary[static_cast<std::size_t>(base + Se)].has_value();
        if (sd && se && sdMapped == seMapped) {
            return BatchText::tr("columns \"%1\" and \"%2\" both give the spread of set %3; say "
                                 "which with --map %4=COLUMN or --map %5=COLUMN")
                .arg(shownName(header[*sd]), shownName(header[*se]), QString::number(set + 1),
                     inputName(base + Sd), inputName(base + Se));
        }
        if (sd && se) {
            (seMapped ? sd : se).reset();
        }
        columns.givenAsSe[static_cast<std::size_t>(set)] = !sd && se;
        const std::array<std::optional<std::size_t>, 3> figures = {
            found[static_cast<std::size_t>(base + N)], found[static_cast<std::size_t>(base + Mean)],
            sd ? sd : se};
        for (int kind = 0; kind < 3; ++kind) {
            if (!figures[static_cast<std::size_t>(kind)]) {
                missing.push_back(base + kind);
            } else {
                columns.index[static_cast<std::size_t>(set * 3 + kind)] =
                    *figures[static_cast<std::size_t>(kind)];
            }
        }
    }
    if (!missing.empty()) {
        return missingMessage(header, delimiter, missing, found);
    }
    if (byGroups) {
        columns.groupsNote = groupsNote(header, *byGroups, columns);
    }
    return columns;
}

} // namespace lx::cli
