// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "csv_records.h"
#include "number_fields.h"
#include "result_cells.h"

#include "stats/reported_checks.h"
#include "stats/summary_input.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lx::cli {

// The optional inputs of the checks of reported results, in the order of checkInputNames.
enum class CheckInput { TReported, DfReported, PReported, Items1, Items2, TailsReported };
constexpr std::size_t checkInputCount = 6;

// Where a table holds each check input, if it does.
using CheckColumns = std::array<std::optional<std::size_t>, checkInputCount>;

// Finds the check inputs in a header by name, compared case-insensitively with blanks, '_',
// '.' and '-' dropped ("T reported", "p.reported").
CheckColumns findCheckInputs(const std::vector<std::string>& header);

// The input's name as a table or --map writes it ("t_reported").
QString checkInputLabel(CheckInput input);

// How the checks read their inputs.
struct CheckSettings {
    double alpha = 0.05;
    std::optional<std::int32_t> items; // for both sets where a row gives none
    bool oneTailed = false;            // the reported p of a row that gives no tails_reported
};

// One row's reported figures, read and checked against each other and against its summary.
class RowChecks {
public:
    RowChecks(const NumberStyle& style, const CheckColumns& columns, const CheckSettings& settings)
        : m_style(style)
        , m_columns(columns)
        , m_settings(settings) {}

    // The p check, which needs no summary. Never throws: problems go to check_error.
    void setPCheck(const RecordBatch& batch, std::size_t record, const ResultNeeds& needs,
                   RowResults& results) const;

    // The checks against a summary, given how closely its figures are known.
    void setSummaryChecks(const RecordBatch& batch, std::size_t record, const Summary& summary,
                          const TypedRounding& rounding, RowResults& results) const;

private:
    std::string_view field(const RecordBatch& batch, std::size_t record, CheckInput input) const;
    // The tails of the row's reported p, or nullopt with the reason in check_error.
    std::optional<reported::Tails> tails(const RecordBatch& batch, std::size_t record,
                                         RowResults& results) const;
    // Names in check_error the inputs of the p check a row leaves empty while it gives others.
    void reportMissing(const RecordBatch& batch, std::size_t record, const ResultNeeds& needs,
                       RowResults& results) const;

    const NumberStyle& m_style;
    CheckColumns m_columns;
    const CheckSettings& m_settings;
};

} // namespace lx::cli
