// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "pool_studies.h"

#include <cmath>

namespace lx::cli {

namespace {

bool isBlank(std::string_view text) {
    return text.find_first_not_of(" \t") == std::string_view::npos;
}

} // namespace

std::optional<meta::Study> poolStudy(PoolEffect effect, const RowResults& results,
                                     const std::optional<Summary>& summary) {
    if (results[static_cast<std::size_t>(ResultColumn::Error)].kind != Cell::Kind::Empty) {
        return std::nullopt;
    }
    meta::Study study;
    if (effect == PoolEffect::G) {
        const auto g = numberIn(results, ResultColumn::G);
        const auto variance = numberIn(results, ResultColumn::GVar);
        if (!g || !variance) {
            return std::nullopt;
        }
        study = {*g, *variance};
    } else {
        if (!summary) {
            return std::nullopt;
        }
        const Summary& in = *summary;
        study = {in.m1 - in.m2, in.sd1 * in.sd1 / in.n1 + in.sd2 * in.sd2 / in.n2};
    }
    if (!std::isfinite(study.yi) || !(study.vi > 0) || !std::isfinite(study.vi)) {
        return std::nullopt;
    }
    return study;
}

std::uint32_t PoolStudies::groupIndex(std::string_view value) {
    const auto [at, added] =
        m_index.try_emplace(std::string(value), static_cast<std::uint32_t>(groups.size()));
    if (added) {
        groups.emplace_back(value);
        groupExcluded.push_back(0);
    }
    return at->second;
}

void PoolStudies::add(PoolEffect effect, const RowResults& results,
                      const std::optional<Summary>& summary,
                      std::optional<std::string_view> group) {
    const std::uint32_t index =
        group && !isBlank(*group) ? groupIndex(*group) : PoolStudies::noGroup;
    const auto study = poolStudy(effect, results, summary);
    if (!study) {
        ++excluded;
        if (index != noGroup) {
            ++groupExcluded[index];
        }
        return;
    }
    studies.push_back(*study);
    if (group) {
        groupOf.push_back(index);
    }
}

void PoolStudies::append(PoolStudies&& more) {
    std::vector<std::uint32_t> renamed(more.groups.size());
    for (std::size_t k = 0; k < more.groups.size(); ++k) {
        renamed[k] = groupIndex(more.groups[k]);
        groupExcluded[renamed[k]] += more.groupExcluded[k];
    }
    studies.insert(studies.end(), more.studies.begin(), more.studies.end());
    for (const std::uint32_t index : more.groupOf) {
        groupOf.push_back(index == noGroup ? noGroup : renamed[index]);
    }
    excluded += more.excluded;
}

std::vector<std::vector<meta::Study>> PoolStudies::byGroup() const {
    std::vector<std::vector<meta::Study>> members(groups.size());
    for (std::size_t k = 0; k < groupOf.size(); ++k) {
        if (groupOf[k] != noGroup) {
            members[groupOf[k]].push_back(studies[k]);
        }
    }
    return members;
}

bool isPoolColumn(PoolEffect effect, ResultColumn column) {
    return effect == PoolEffect::G && (column == ResultColumn::G || column == ResultColumn::GVar);
}

} // namespace lx::cli
