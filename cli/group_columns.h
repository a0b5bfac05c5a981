// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "column_map.h"
#include "column_names.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lx::cli {

// The names meta-analysis exports give the two arms, set 1's first. A header holds a figure of
// an arm as the figure's name with the arm's name after it ("N_exp", "Mean (E)") or, for a
// name of a whole word, before it ("Control SD").
struct GroupPair {
    std::string_view first;
    std::string_view second;
};

// The columns of each input that one pair of arm names gives (in the order of SummaryInput),
// each input's only when one column has it.
struct GroupColumns {
    std::array<std::optional<std::size_t>, summaryInputCount> found;
    GroupPair pair;
};

// The inputs by arm names, when the header holds exactly one pair of them (both arms named):
// with two pairs, which arm is set 1 is anyone's guess.
std::optional<GroupColumns> groupColumns(const std::vector<std::string>& header);

// What standard error says of a table read by its arm names, so that the sign of the results
// surprises no one.
std::string groupsNote(const std::vector<std::string>& header, const GroupPair& pair,
                       const SummaryColumns& columns);

} // namespace lx::cli
