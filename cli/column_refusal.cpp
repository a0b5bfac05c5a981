// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "column_refusal.h"

#include "batch_text.h"
#include "column_names.h"
#include "shown_text.h"

#include <QStringList>

#include <algorithm>

namespace lx::cli {

namespace {

// A --map value that the shell and the option both take as it stands, and that names this
// column only: review exports repeat "Mean", "SD" and "Total" for each group, and a cell of two
// lines ("Control" over "SD") would not paste as one.
QString mapValue(const std::vector<std::string>& header, std::size_t at) {
    const QString name = headerField(header[at]);
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

} // namespace

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

} // namespace lx::cli
