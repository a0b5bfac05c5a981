// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "batch_options.h"
#include "csv_records.h"
#include "forest_rows.h"
#include "pool_studies.h"
#include "run_summary.h"
#include "table_sniff.h"
#include "work_queue.h"

#include <QString>

#include <cstdio>
#include <deque>
#include <future>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace lx::cli {

inline constexpr std::string_view utf8Mark = "\xEF\xBB\xBF";

// What the workers make of a chunk of records.
struct ChunkOutput {
    std::string text;
    std::size_t rows = 0;
    ForestRows forest; // row numbers from 1 within the chunk
    PoolStudies pool;
    RowErrors failed;
    RowErrors checksFailed; // a check of reported results could not run
};

struct Job;

// Feeds records to the workers and writes their output in input order, keeping only a few
// chunks in flight so memory stays flat.
class Pipeline {
public:
    Pipeline(const BatchOptions& options, const TableFormat& format, std::FILE* out);
    ~Pipeline();

    bool hasHeader() const { return m_job != nullptr; }

    // Takes the header, record at of batch; a message when the table cannot be processed.
    std::optional<std::string> start(const RecordBatch& batch, std::size_t at);
    void add(std::shared_ptr<const RecordBatch> batch, std::size_t first);
    void finish();

    std::size_t rows() const { return m_rows; }
    const RowErrors& failed() const { return m_failed; }
    const RowErrors& checksFailed() const { return m_checksFailed; }
    // The errno of the first write that failed, 0 while none has.
    int writeError() const { return m_writeError; }
    const ForestRows& forest() const { return m_forest; }
    // The rows of the pictures, to put the pooled results under; the pipeline keeps none.
    ForestRows takeForest() { return std::move(m_forest); }
    // Why the forest plot and the funnel plot cannot be drawn from this table, if they cannot.
    const std::optional<QString>& forestProblem() const { return m_forestProblem; }
    // The rows' effects for --pool and the options beside it.
    const PoolStudies& pool() const { return m_pool; }
    // Why the rows cannot be pooled, if they cannot.
    const std::optional<QString>& poolProblem() const { return m_poolProblem; }
    // Which arm of the header is which set, when the header names arms; empty when it does not.
    const std::string& groupsNote() const { return m_groupsNote; }

private:
    void writeOldest();
    void write(ChunkOutput output);
    void writeText(const std::string& text);

    const BatchOptions& m_options;
    const TableFormat& m_format;
    std::FILE* m_out;
    std::size_t m_limit;
    std::shared_ptr<const Job> m_job;
    std::unique_ptr<WorkQueue<ChunkOutput>> m_queue;
    std::deque<std::future<ChunkOutput>> m_pending;
    std::size_t m_rows = 0;
    RowErrors m_failed;
    RowErrors m_checksFailed;
    int m_writeError = 0;
    ForestRows m_forest;
    std::optional<QString> m_forestProblem;
    PoolStudies m_pool;
    std::optional<QString> m_poolProblem;
    std::string m_groupsNote;
};

} // namespace lx::cli
