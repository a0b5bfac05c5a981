// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "csv_records.h"
#include "row_results.h"

#include <QLocale>
#include <QString>

#include <cstddef>
#include <optional>
#include <string>

// What a run of the batch tool says of its rows when it ends.
namespace lx::cli {

// A row's error as the summary names it.
struct RowError {
    std::size_t line = 0;
    std::string message;
};

// Rows with a message in one column, and the first of them.
struct RowErrors {
    std::size_t count = 0;
    std::optional<RowError> first;

    void add(const RecordBatch& batch, std::size_t record, const Cell& message) {
        if (message.kind != Cell::Kind::Empty && count++ == 0) {
            first = RowError{batch.line(record), message.text};
        }
    }
    void add(const RowErrors& more) {
        count += more.count;
        if (!first) {
            first = more.first;
        }
    }
};

// The locale of the lines a run writes for a person: the user's, or American English for C.
QLocale summaryLocale();

// "10 rows, 2 with errors (first: line 3: ...)": forestLeftOut is the rows a forest plot leaves
// out, when one is drawn, or a funnel plot alone (funnelOnly).
QString summaryText(std::size_t rows, const RowErrors& failed, const RowErrors& checksFailed,
                    std::size_t forestLeftOut, bool funnelOnly = false);

} // namespace lx::cli
