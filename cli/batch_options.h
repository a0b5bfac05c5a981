// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "batch_option_table.h"
#include "check_inputs.h"
#include "column_map.h"
#include "forest_rows.h"
#include "planning/plan_settings.h"
#include "pool_settings.h"
#include "result_columns.h"
#include "stats/bayes_factor.h"
#include "stats/equivalence.h"
#include "table_writer.h"

#include <QCommandLineParser>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <cstddef>
#include <optional>
#include <variant>

namespace lx::cli {

// Exit statuses of the tool.
enum ExitStatus { Done = 0, RowsFailed = 1, UsageError = 2 };

struct BatchOptions {
    QString file;                       // empty or "-": standard input
    std::size_t headerLine = 1;         // the lines above it, such as a title, are skipped
    std::optional<QStringList> columns; // only these output columns, in this order
    QString prefix;                     // put in front of the name of every result column
    ColumnMap map;                      // the inputs named outright by --map
    double level = 0.95;
    double priorScale = mediumPriorScale;
    std::optional<EquivalenceMargin> equivalence; // the bounds of the equivalence tests
    std::optional<planning::PlanSettings> plan; // when a --plan option or column asks for planning
    CostlyGroups costly; // by --posterior, --robustness or one of their columns in --columns
    // What is not given is found from the table's first lines.
    std::optional<OutputFormat> format;
    std::optional<char> delimiter; // of the input; also of CSV output
    std::optional<QLocale> locale;
    bool grouping = false; // numbers may hold the locale's group separators
    int jobs = 1;
    bool strict = false;
    // err is a terminal: a progress line (only for a file), what was found about the table and
    // a summary.
    bool terminal = false;
    CheckSettings checks; // how reported results are checked
    // A forest plot of g for each row, drawn by forestWriter after the table is written, with
    // the pooled results under the studies when the rows are pooled.
    QString forest; // its file; empty for none
    QString label;  // the column of its labels (by name or number from 1); empty: row numbers
    ForestWriter forestWriter;
    // A funnel plot of the same rows around their pooled estimate, drawn by funnelWriter.
    QString funnel; // its file; empty for none
    ForestWriter funnelWriter;
    std::optional<PoolSettings> pool; // when any --pool option asks for pooling
};

// The options of a parsed command line, or the message of a usage error.
std::variant<BatchOptions, QString> batchOptions(const QCommandLineParser& parser);

} // namespace lx::cli
