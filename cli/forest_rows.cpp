// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "forest_rows.h"

#include "header_column.h"

#include <algorithm>
#include <cmath>

namespace lx::cli {

namespace {

bool isBlank(const RowResults& results) {
    return std::all_of(results.begin(), results.end(),
                       [](const Cell& cell) { return cell.kind == Cell::Kind::Empty; });
}

} // namespace

void ForestRows::add(const RowResults& results, std::string label, std::size_t row,
                     std::string group) {
    if (isBlank(results)) {
        return;
    }
    const auto g = numberIn(results, ResultColumn::G);
    const auto lower = numberIn(results, ResultColumn::GCiLo);
    const auto upper = numberIn(results, ResultColumn::GCiHi);
    const auto variance = numberIn(results, ResultColumn::GVar);
    const bool failed =
        results[static_cast<std::size_t>(ResultColumn::Error)].kind != Cell::Kind::Empty;
    if (failed || !g || !lower || !upper || !variance || !(*variance > 0)) {
        ++leftOut;
        return;
    }
    entries.push_back({std::move(label), row, *g, *lower, *upper, *variance, std::move(group)});
}

void ForestRows::addStudy(const RowResults& results, const std::optional<meta::Study>& study,
                          double z, std::string label, std::size_t row, std::string group) {
    if (isBlank(results)) {
        return;
    }
    if (!study) {
        ++leftOut;
        return;
    }
    const double half = z * std::sqrt(study->vi);
    entries.push_back({std::move(label), row, study->yi, study->yi - half, study->yi + half,
                       study->vi, std::move(group)});
}

void ForestRows::append(ForestRows&& more, std::size_t rowOffset) {
    entries.reserve(entries.size() + more.entries.size());
    for (ForestEntry& entry : more.entries) {
        entry.row += rowOffset;
        entries.push_back(std::move(entry));
    }
    leftOut += more.leftOut;
}

const ForestPool* ForestRows::overallPool() const {
    for (const ForestPool& pool : pools) {
        if (pool.firstEntry == 0 && pool.endEntry >= entries.size()) {
            return &pool;
        }
    }
    return nullptr;
}

std::string ForestLabels::label(const RecordBatch& batch, std::size_t record) const {
    if (!column || *column >= batch.fieldCount(record)) {
        return {};
    }
    return std::string(batch.field(record, *column));
}

std::variant<ForestLabels, QString> forestLabels(const std::vector<std::string>& header,
                                                 const QString& label) {
    if (label.isEmpty()) {
        return ForestLabels{};
    }
    auto column = headerColumn(header, label, QStringLiteral("--label"));
    if (const QString* problem = std::get_if<QString>(&column)) {
        return *problem;
    }
    return ForestLabels{std::get<std::size_t>(column)};
}

bool isForestColumn(ResultColumn column) {
    return column == ResultColumn::G || column == ResultColumn::GCiLo ||
           column == ResultColumn::GCiHi || column == ResultColumn::GVar;
}

} // namespace lx::cli
