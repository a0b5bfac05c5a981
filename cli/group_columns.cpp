// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "group_columns.h"

#include "batch_text.h"
#include "shown_text.h"

#include <QStringList>

#include <algorithm>

namespace lx::cli {

namespace {

constexpr std::array<GroupPair, 6> groupPairs = {{{"exp", "ctrl"},
                                                  {"experimental", "control"},
                                                  {"treatment", "control"},
                                                  {"intervention", "control"},
                                                  {"e", "c"},
                                                  {"t", "c"}}};

// A header name's letters and digits, lower case: "Mean (E)" is "meane".
std::string groupKey(std::string_view name) {
    std::string key;
    for (const char c : nameKey(name)) {
        if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) {
            key += c;
        }
    }
    return key;
}

// The kind of figure a key holds for the arm `group`. "s" with a one-letter arm is left out:
// "se" is the SE's own name, not the SD of arm E.
std::optional<Kind> groupFigureKind(const std::string& key, std::string_view group) {
    for (int kind = 0; kind < kindCount; ++kind) {
        for (const std::string& stem : stems[kind]) {
            if (group.size() == 1 && stem == "s") {
                continue;
            }
            const bool after = key.size() == stem.size() + group.size() && key.starts_with(stem) &&
                               key.ends_with(group);
            const bool before = group.size() > 1 && key.size() == stem.size() + group.size() &&
                                key.starts_with(group) && key.ends_with(stem);
            if (after || before) {
                return static_cast<Kind>(kind);
            }
        }
    }
    return std::nullopt;
}

} // namespace

std::optional<GroupColumns> groupColumns(const std::vector<std::string>& header) {
    std::optional<GroupColumns> match;
    int pairsHeld = 0;
    for (const GroupPair& pair : groupPairs) {
        std::array<std::vector<std::size_t>, summaryInputCount> candidates;
        for (std::size_t at = 0; at < header.size(); ++at) {
            const std::string key = groupKey(header[at]);
            for (int set = 0; set < 2; ++set) {
                if (const auto kind = groupFigureKind(key, set == 0 ? pair.first : pair.second)) {
                    candidates[static_cast<std::size_t>(set * kindCount + *kind)].push_back(at);
                }
            }
        }
        const auto holds = [&](int set) {
            return std::any_of(candidates.begin() + set * kindCount,
                               candidates.begin() + (set + 1) * kindCount,
                               [](const auto& columns) { return !columns.empty(); });
        };
        if (!holds(0) || !holds(1)) {
            continue;
        }
        ++pairsHeld;
        match = GroupColumns{{}, pair};
        for (std::size_t input = 0; input < candidates.size(); ++input) {
            if (candidates[input].size() == 1) {
                match->found[input] = candidates[input].front();
            }
        }
    }
    return pairsHeld == 1 ? match : std::nullopt;
}

std::string groupsNote(const std::vector<std::string>& header, const GroupPair& pair,
                       const SummaryColumns& columns) {
    QStringList sets[2];
    for (std::size_t k = 0; k < columns.index.size(); ++k) {
        sets[k / 3].append(shownName(header[columns.index[k]]));
    }
    const auto name = [](std::string_view group) {
        return QString::fromLatin1(group.data(), static_cast<qsizetype>(group.size()));
    };
    return narrow(BatchText::tr("set 1 = %1, set 2 = %2, as the header names the groups (%3; %4); "
                                "--map names the sets otherwise")
                      .arg(name(pair.first), name(pair.second), sets[0].join(QLatin1String(", ")),
                           sets[1].join(QLatin1String(", "))));
}

} // namespace lx::cli
