// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shard.h"

#include <QCommandLineParser>
#include <QString>
#include <QStringList>

#include <optional>
#include <variant>

namespace lx::check {

// Exit statuses: done; a result does not hold (only with --strict); a usage error or an input
// that could not be read.
enum ExitStatus { Done = 0, ResultsFailed = 1, Unusable = 2 };

enum class OutputFormat { Csv, Tsv, JsonLines };

struct CheckOptions {
    QStringList inputs;               // files, folders and "-" for text on standard input
    std::optional<QString> filesFrom; // a list of inputs, one a line; "-" for standard input
    OutputFormat format = OutputFormat::Csv;
    double alpha = 0.05;
    bool strict = false;
    int jobs = 1;
    qint64 maxBytes = qint64(1) << 30; // an input beyond this is refused, after its rows
    std::optional<Shard> shard;        // only the inputs of this share
    std::optional<QString> output;     // the table written here, input by input, with its record
    bool resume = false;               // take up output where a killed run left it
    bool merge = false;                // the inputs are parts to join
};

void addCheckOptions(QCommandLineParser& parser);

// The options the parser holds, or the message of a usage error.
std::variant<CheckOptions, QString> checkOptions(const QCommandLineParser& parser);

} // namespace lx::check
