// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCommandLineParser>
#include <QString>

// The batch tool's options: one table that --help, the manual page made from it and the
// README's check all read.
namespace lx::cli {

namespace option {
inline const QString columns = QStringLiteral("columns");
inline const QString prefix = QStringLiteral("prefix");
inline const QString map = QStringLiteral("map");
inline const QString headerLine = QStringLiteral("header-line");
inline const QString level = QStringLiteral("level");
inline const QString format = QStringLiteral("format");
inline const QString inputFormat = QStringLiteral("input-format");
inline const QString delimiter = QStringLiteral("delimiter");
inline const QString locale = QStringLiteral("locale");
inline const QString grouping = QStringLiteral("grouping");
inline const QString jobs = QStringLiteral("jobs");
inline const QString strict = QStringLiteral("strict");
inline const QString priorScale = QStringLiteral("prior-scale");
inline const QString equivalence = QStringLiteral("equivalence");
inline const QString equivalenceSd = QStringLiteral("equivalence-d");
inline const QString items = QStringLiteral("items");
inline const QString alpha = QStringLiteral("alpha");
inline const QString oneTailed = QStringLiteral("one-tailed");
inline const QString planPower = QStringLiteral("plan-power");
inline const QString planAlpha = QStringLiteral("plan-alpha");
inline const QString planRatio = QStringLiteral("plan-ratio");
inline const QString planTails = QStringLiteral("plan-tails");
inline const QString planEffect = QStringLiteral("plan-effect");
inline const QString forest = QStringLiteral("forest");
inline const QString label = QStringLiteral("label");
inline const QString funnel = QStringLiteral("funnel");
inline const QString pool = QStringLiteral("pool");
inline const QString poolMethod = QStringLiteral("pool-method");
inline const QString poolTest = QStringLiteral("pool-test");
inline const QString poolBy = QStringLiteral("pool-by");
inline const QString poolEffect = QStringLiteral("pool-effect");
inline const QString posterior = QStringLiteral("posterior");
inline const QString robustness = QStringLiteral("robustness");
} // namespace option

// Declares the tool's options on parser.
void addBatchOptions(QCommandLineParser& parser);

// The whole --help text: the options, then every result column with its meaning.
QString batchHelp(const QCommandLineParser& parser);

} // namespace lx::cli
