// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "batch_job.h"

#include <QCommandLineParser>
#include <QStringList>

#include <variant>

namespace lx::cli {

// Declares the tool's options on parser.
void addBatchOptions(QCommandLineParser& parser);

// The whole --help text: the options, then every result column with its meaning.
QString batchHelp(const QCommandLineParser& parser);

// The options of a parsed command line, or the message of a usage error.
std::variant<BatchOptions, QString> batchOptions(const QCommandLineParser& parser);

} // namespace lx::cli
