#pragma once

#include "csv_records.h"
#include "number_fields.h"
#include "result_columns.h"

#include <array>
#include <string>

namespace lx::cli {

// One result cell: empty (undefined, not computed or the row unusable), a number, or text. A
// number may come with the text a table shows for it (the window's t, as the window writes it).
struct Cell {
    enum class Kind { Empty, Number, Text };
    Kind kind = Kind::Empty;
    double number = 0;
    std::string text;
};

using RowResults = std::array<Cell, resultColumnCount>;

// Where a table holds the six figures, and whether a side gives its SE instead of its SD.
struct SummaryColumns {
    std::array<std::size_t, summaryFieldCount> index{};
    std::array<bool, 2> givenAsSe{};
};

// The results of one row, through the window's checks and the report engine.
class RowCalculator {
public:
    RowCalculator(const NumberStyle& style, const SummaryColumns& columns, const ResultNeeds& needs,
                  std::size_t headerWidth)
        : m_style(style)
        , m_columns(columns)
        , m_needs(needs)
        , m_headerWidth(headerWidth) {}

    // Never throws: whatever goes wrong becomes the row's error.
    void calculate(const RecordBatch& batch, std::size_t record, RowResults& results) const;

private:
    void calculateChecked(const RecordBatch& batch, std::size_t record, RowResults& results) const;

    const NumberStyle& m_style;
    SummaryColumns m_columns;
    const ResultNeeds& m_needs;
    std::size_t m_headerWidth;
};

} // namespace lx::cli
