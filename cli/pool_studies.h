// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pool_settings.h"
#include "result_cells.h"

#include "stats/meta_analysis.h"
#include "stats/summary_input.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace lx::cli {

// The rows of a run as the pool takes them: each row's effect and its sampling variance, and
// the subgroup it belongs to.
struct PoolStudies {
    static constexpr std::uint32_t noGroup = UINT32_MAX; // a blank cell of the --pool-by column

    std::vector<meta::Study> studies;
    std::vector<std::uint32_t> groupOf; // beside studies, while there are groups
    std::vector<std::string> groups;    // the subgroups' values, in the order the rows bring them
    std::vector<std::size_t> groupExcluded; // beside groups
    std::size_t excluded = 0;               // rows with an error, or with no effect to pool

    // Takes one row that is not blank: its results and, for a row whose summary passed its
    // checks, the summary.
    void add(PoolEffect effect, const RowResults& results, const std::optional<Summary>& summary,
             std::optional<std::string_view> group);
    void append(PoolStudies&& more);

    // The studies of each subgroup, beside groups.
    std::vector<std::vector<meta::Study>> byGroup() const;

private:
    std::uint32_t groupIndex(std::string_view value);
    std::unordered_map<std::string, std::uint32_t> m_index;
};

// A row's effect and its variance as the pool takes them: none for a row with an error, or
// without both figures, or whose variance is not above 0. summary is the row's for md.
std::optional<meta::Study> poolStudy(PoolEffect effect, const RowResults& results,
                                     const std::optional<Summary>& summary);

// The result columns a pool reads, computed whether or not they are written.
bool isPoolColumn(PoolEffect effect, ResultColumn column);

} // namespace lx::cli
