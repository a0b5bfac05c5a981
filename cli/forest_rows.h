// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "csv_records.h"
#include "result_cells.h"

#include "stats/meta_analysis.h"

#include <QLocale>
#include <QString>

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace lx::cli {

// One row of the table as the forest plot draws it: its effect (Hedges' g, or the mean
// difference that --pool-effect md pools), the effect's interval and its variance.
struct ForestEntry {
    std::string label;   // the --label cell as the table has it; empty for the row's number
    std::size_t row = 0; // from 1, counting the table's rows below the header
    double g = 0;
    double lower = 0;
    double upper = 0;
    double variance = 0;
    std::string group = {}; // the --pool-by cell as the table has it; empty without one
};

// A pooled result drawn under the entries it pools, entries[firstEntry, endEntry): a diamond
// with its prediction interval, and the model's sentence below. The overall result pools every
// entry; with subgroups the entries are in the groups' order, each group's result follows its
// last entry, and the overall one comes after them (in this list too).
struct ForestPool {
    QString label;     // "Random effects (REML)", or the subgroup's value
    QString modelLine; // the summary sentence
    lx::meta::Pooled pooled;
    std::size_t firstEntry = 0;
    std::size_t endEntry = 0;
};

// The rows of a run that go into its forest plot, and how many were left out.
struct ForestRows {
    std::vector<ForestEntry> entries;
    std::size_t leftOut = 0;       // rows with an error, or whose g cannot be computed
    QLocale locale;                // of the table's numbers, which the tick labels follow
    std::vector<ForestPool> pools; // none for the studies alone
    QString effectName = QStringLiteral("g"); // of the entries' effect
    double level = 0.95;                      // of their intervals

    // Takes one row's results; a row without any, as a spreadsheet's blank row under its table,
    // is no row of the plot.
    void add(const RowResults& results, std::string label, std::size_t row, std::string group = {});
    // The same for an effect that is no column of the results, as the mean difference: study is
    // the row's effect and variance as the pool takes them (none where it takes none), drawn with
    // the interval effect ± z·√variance.
    void addStudy(const RowResults& results, const std::optional<lx::meta::Study>& study, double z,
                  std::string label, std::size_t row, std::string group = {});
    void append(ForestRows&& more, std::size_t rowOffset);
    // The pool of every entry (the first such), or none.
    const ForestPool* overallPool() const;
};

// Where the forest plot's labels come from: a column of the table, or the rows' numbers.
struct ForestLabels {
    std::optional<std::size_t> column;

    // The label cell of a record; empty for the row's number, or where the row is too short.
    std::string label(const RecordBatch& batch, std::size_t record) const;
};

// The column that --label names in header, by name (as --columns matches names) or by number
// from 1, or the message that says what the table has.
std::variant<ForestLabels, QString> forestLabels(const std::vector<std::string>& header,
                                                 const QString& label);

// The result columns the forest plot reads, computed whether or not they are written.
bool isForestColumn(ResultColumn column);

// Draws a picture of the rows (the forest plot, or the funnel plot) to its file: false with the
// reason in error.
using ForestWriter =
    std::function<bool(const QString& path, const ForestRows& rows, QString& error)>;

} // namespace lx::cli
