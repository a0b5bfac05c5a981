// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "stats/meta_analysis.h"

#include <QCommandLineParser>
#include <QString>

#include <optional>
#include <variant>
#include <vector>

// What a run asks of the pooling of its rows: --pool and the options beside it.
namespace lx::cli {

// The effect each row gives the pool.
enum class PoolEffect {
    G,  // Hedges' g with its large-sample variance g_var
    Md, // the raw mean difference M1 - M2 with the variance SD1²/N1 + SD2²/N2
};

// The format of the pool file, by its suffix.
enum class PoolFormat { Csv, Tsv, Jsonl };

struct PoolSettings {
    QString file; // empty: the summary line alone
    PoolFormat format = PoolFormat::Csv;
    std::vector<meta::Estimator> methods{meta::Estimator::REML}; // one row each, in this order
    meta::Test test = meta::Test::Z;
    QString by; // the column whose values are pooled apart (name or number from 1); empty: none
    PoolEffect effect = PoolEffect::G;
};

// The pooling a command line asks for: nothing when it gives none of the --pool options, or
// the message of a usage error.
std::variant<std::optional<PoolSettings>, QString> poolSettings(const QCommandLineParser& parser);

// How the tool names an estimator: EE, DL, REML or PM.
QString methodName(meta::Estimator method);

} // namespace lx::cli
