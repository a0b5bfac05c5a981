// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "result_columns.h"

#include <QString>

#include <array>
#include <cmath>
#include <optional>
#include <string>

namespace lx::cli {

// One result cell: empty (undefined, not computed or the row unusable), a number, or text.
struct Cell {
    enum class Kind { Empty, Number, Text };
    Kind kind = Kind::Empty;
    double number = 0;
    std::string text;
};

using RowResults = std::array<Cell, resultColumnCount>;

// A row's figure in a column, where it is a finite number.
inline std::optional<double> numberIn(const RowResults& results, ResultColumn column) {
    const Cell& cell = results[static_cast<std::size_t>(column)];
    if (cell.kind != Cell::Kind::Number || !std::isfinite(cell.number)) {
        return std::nullopt;
    }
    return cell.number;
}

void setNumber(RowResults& results, ResultColumn column, double value);
void setText(RowResults& results, ResultColumn column, std::string text);
// Adds a message to the row's error cell, after any it holds.
void addError(RowResults& results, const QString& message);

} // namespace lx::cli
