// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pool_settings.h"
#include "pool_studies.h"

#include <QString>

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lx::cli {

// The columns of the pool file, in their order.
enum class PoolColumn {
    Group,
    Method,
    Test,
    K,
    Estimate,
    Se,
    CiLo,
    CiHi,
    Stat,
    P,
    Tau2,
    Tau2CiLo,
    Tau2CiHi,
    Tau,
    I2,
    H2,
    Q,
    QDf,
    QP,
    PiLo,
    PiHi,
    EggerStat,
    EggerP,
    QBetween,
    QBetweenDf,
    QBetweenP,
    Excluded,
    PoolError,
};
constexpr int poolColumnCount = static_cast<int>(PoolColumn::PoolError) + 1;

std::string_view poolColumnName(PoolColumn column);

// One pooled row: one method over the whole table or one subgroup. A figure that cannot be
// worked out is absent, and error says why.
struct PoolRow {
    std::string group; // empty for the whole table
    meta::Estimator method = meta::Estimator::REML;
    meta::Test test = meta::Test::Z;
    std::array<std::optional<double>, poolColumnCount> figures{}; // the numeric columns
    QString error;

    const std::optional<double>& operator[](PoolColumn column) const {
        return figures[static_cast<std::size_t>(column)];
    }
    std::optional<double>& operator[](PoolColumn column) {
        return figures[static_cast<std::size_t>(column)];
    }
};

// The pooled results of a run: the whole table's rows, one per method, then each subgroup's.
// Kept for the caller of the pipeline, which writes the pool file and the summary line, and
// which a picture of the pool can read.
struct PoolRun {
    PoolSettings settings;
    double level = 0.95;
    std::vector<PoolRow> rows;
};

// Pools studies as settings ask at the confidence level.
PoolRun poolRun(const PoolStudies& studies, const PoolSettings& settings, double level);

} // namespace lx::cli
