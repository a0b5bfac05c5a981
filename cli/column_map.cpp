// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "column_map.h"

#include "batch_text.h"
#include "group_columns.h"
#include "shown_text.h"

#include <QRegularExpression>
#include <QStringList>

#include <algorithm>

namespace lx::cli {

namespace {

constexpr std::array<std::string_view, summaryInputCount> inputNames = {"n1", "m1", "sd1", "se1",
                                                                        "n2", "m2", "sd2", "se2"};

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

// The names that mean an input, as nameKey gives them.
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

QString field(const std::string& name) {
    return QString::fromStdString(name).trimmed();
}

// What a header name holds, guessed from its last word that names a figure: "Grp A mean" and
// "Mean (E)" hold means.
std::optional<Kind> lastWordKind(const std::string& name) {
    const QStringList words = field(name).toLower().split(
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

// The columns whose header name, as --map compares it, is name.
std::vector<std::size_t> columnsNamed(const std::vector<std::string>& header, const QString& name) {
    std::vector<std::size_t> columns;
    for (std::size_t k = 0; k < header.size(); ++k) {
        if (field(header[k]) == name) {
            columns.push_back(k);
        }
    }
    return columns;
}

// A --map value that the shell and the option both take as it stands, and that names this
// column only: review exports repeat "Mean", "SD" and "Total" for each group, and a cell of two
// lines ("Control" over "SD") would not paste as one.
QString mapValue(const std::vector<std::string>& header, std::size_t at) {
    const QString name = field(header[at]);
    const bool control =
        std::any_of(name.begin(), name.end(), [](QChar c) { return c.unicode() < 0x20; });
    if (name.isEmpty() || control || name.contains(QLatin1Char(',')) ||
        name.contains(QLatin1Char('=')) || name.contains(QLatin1Char('\'')) ||
        name != QString::fromStdString(header[at]) || columnsNamed(header, name).size() > 1) {
        return QString::number(at + 1);
    }
    return name;
}

// The --map line that the header makes plain: where each kind of figure has exactly two
// candidate columns, the first is set 1's and the second set 2's.
QString suggestedMap(const std::vector<std::string>& header,
                     const std::array<std::optional<std::size_t>, summaryInputCount>& found) {
    std::array<std::vector<std::size_t>, kindCount> candidates;
    for (std::size_t at = 0; at < header.size(); ++at) {
        if (const auto kind = lastWordKind(header[at])) {
            candidates[*kind].push_back(at);
        }
    }
    QStringList parts;
    for (int set = 0; set < 2; ++set) {
        for (int kind : {N, Mean, Sd}) {
            int input = set * kindCount + kind;
            std::optional<std::size_t> at = found[static_cast<std::size_t>(input)];
            if (kind == Sd && !at && found[static_cast<std::size_t>(input + 1)]) {
                continue; // the set's SE is there
            }
            if (!at && kind == Sd && candidates[Sd].size() != 2 && candidates[Se].size() == 2) {
                ++input;
                at = candidates[Se][static_cast<std::size_t>(set)];
            } else if (!at) {
                if (candidates[kind].size() != 2) {
                    return {};
                }
                at = candidates[kind][static_cast<std::size_t>(set)];
            }
            parts.append(inputName(input) + QLatin1Char('=') + mapValue(header, *at));
        }
    }
    return QStringLiteral("--map '%1'").arg(parts.join(QLatin1Char(',')));
}

// The --map line for a table of reported results under names of its own ("t", "df", "p
// value"): such a table needs no summary, only those three columns, each found once.
QString reportedResultsMap(const std::vector<std::string>& header) {
    static const std::array<std::pair<const char*, std::vector<std::string>>, 3> reported = {{
        {"t_reported", {"t", "tvalue", "tstatistic", "tstat"}},
        {"df_reported", {"df", "dof", "degreesoffreedom", "fg"}},
        {"p_reported", {"p", "pvalue", "pval"}},
    }};
    QStringList parts;
    for (const auto& [input, names] : reported) {
        std::vector<std::size_t> columns;
        for (std::size_t at = 0; at < header.size(); ++at) {
            if (std::find(names.begin(), names.end(), nameKey(header[at])) != names.end()) {
                columns.push_back(at);
            }
        }
        if (columns.size() != 1) {
            return {};
        }
        parts.append(QLatin1String(input) + QLatin1Char('=') + mapValue(header, columns.front()));
    }
    return QStringLiteral("--map '%1'").arg(parts.join(QLatin1Char(',')));
}

QString delimiterName(char delimiter) {
    switch (delimiter) {
    case '\t':
        return BatchText::tr("tab");
    case ' ':
        return BatchText::tr("blank");
    default:
        return QStringLiteral("\"%1\"").arg(QLatin1Char(delimiter));
    }
}

QString missingMessage(const std::vector<std::string>& header, char delimiter,
                       const std::vector<int>& missing,
                       const std::array<std::optional<std::size_t>, summaryInputCount>& found) {
    QStringList names;
    QStringList fields;
    for (const std::string& name : header) {
        fields.append(QLatin1Char('"') + shownName(name) + QLatin1Char('"'));
    }
    QString text = BatchText::tr("the header has no column for %1.").arg([&] {
        for (int input : missing) {
            names.append(inputName(input));
        }
        return names.join(QLatin1String(", "));
    }());
    text +=
        QLatin1Char('\n') + BatchText::tr("The header as read (delimiter %1): %2")
                                .arg(delimiterName(delimiter), fields.join(QLatin1String(", ")));
    for (int input : missing) {
        QStringList aliases;
        for (const std::string& alias : aliasesOf(input)) {
            aliases.append(QString::fromStdString(alias));
        }
        if (kindOf(input) == Sd) {
            for (const std::string& alias : aliasesOf(input + 1)) {
                aliases.append(QString::fromStdString(alias));
            }
        }
        text += QLatin1Char('\n') + BatchText::tr("%1 is found as any of: %2")
                                        .arg(inputName(input), aliases.join(QLatin1String(", ")));
    }
    const QString map = suggestedMap(header, found);
    const bool noSummary = std::none_of(found.begin(), found.end(),
                                        [](const auto& column) { return column.has_value(); });
    if (const QString reported = reportedResultsMap(header); noSummary && !reported.isEmpty()) {
        text += QLatin1Char('\n') +
                BatchText::tr("A table of reported results needs no summary, only its t, df and "
                              "p: %1")
                    .arg(reported);
    }
    text += QLatin1Char('\n');
    text +=
        map.isEmpty()
            ? BatchText::tr("Name the columns outright with --map n1=COLUMN,m1=COLUMN,sd1=COLUMN,"
                            "n2=COLUMN,m2=COLUMN,sd2=COLUMN (a name or a column number).")
            : BatchText::tr("Name the columns outright, for example: %1").arg(map);
    return text;
}

// The column a --map value names for an input: a 1-based number, else a header name as written
// that one column has. A message when it names no column, or a name that several have.
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

} // namespace

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

std::vector<std::vector<std::size_t>> decimalWitnesses(const std::vector<std::string>& header,
                                                       const ColumnMap& map) {
    enum Witness { Summary, Reported, PassedThrough, None };
    std::vector<Witness> witness(header.size(), PassedThrough);
    CheckColumns checks = findCheckInputs(header);
    mapCheckColumns(header, map, checks); // a --map that names no column is refused later
    for (std::size_t input = 0; input < checkInputCount; ++input) {
        if (checks[input]) {
            witness[*checks[input]] =
                static_cast<CheckInput>(input) == CheckInput::PReported ? None : Reported;
        }
    }
    for (std::size_t k = 0; k < header.size(); ++k) {
        const std::string key = nameKey(header[k]);
        for (int input = 0; input < summaryInputCount; ++input) {
            const std::vector<std::string> aliases = aliasesOf(input);
            if (std::find(aliases.begin(), aliases.end(), key) != aliases.end()) {
                witness[k] = Summary;
            }
        }
    }
    for (int input = 0; input < summaryInputCount; ++input) {
        if (const auto& column = map.summary[static_cast<std::size_t>(input)]) {
            const auto at = mappedColumn(header, *column, inputName(input));
            if (const std::size_t* index = std::get_if<std::size_t>(&at)) {
                witness[*index] = Summary;
            }
        }
    }
    if (const auto groups = groupColumns(header)) {
        for (const auto& column : groups->found) {
            if (column) {
                witness[*column] = Summary;
            }
        }
    }
    std::vector<std::vector<std::size_t>> groups(None);
    for (std::size_t k = 0; k < header.size(); ++k) {
        if (witness[k] != None) {
            groups[witness[k]].push_back(k);
        }
    }
    return groups;
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
