// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch_pipeline.h"

#include "batch_text.h"
#include "header_column.h"
#include "table_layout.h"

#include "stats/boost_policy.h"

#include <boost/math/distributions/normal.hpp>

#include <cerrno>

namespace lx::cli {

namespace {

using Normal = boost::math::normal_distribution<double, BoostPolicy>;

constexpr std::size_t sniffLines = 21; // how far below a title the header is looked for

// What a chunk gives the pool: each row's effect and, with --pool-by, its subgroup's cell.
struct PoolInput {
    PoolEffect effect = PoolEffect::G;
    std::optional<std::size_t> groupColumn;
};

// The results to compute: those written, and g with its interval and variance for a forest
// plot and what the pool reads, which need them whether or not they are written.
std::array<bool, resultColumnCount> computed(const TableLayout& layout, bool forest,
                                             const std::optional<PoolInput>& pool) {
    std::array<bool, resultColumnCount> columns = layout.wanted;
    for (int k = 0; k < resultColumnCount; ++k) {
        const auto column = static_cast<ResultColumn>(k);
        columns[static_cast<std::size_t>(k)] = columns[static_cast<std::size_t>(k)] ||
                                               (forest && isForestColumn(column)) ||
                                               (pool && isPoolColumn(pool->effect, column));
    }
    return columns;
}

std::vector<std::string> recordFields(const RecordBatch& batch, std::size_t record) {
    std::vector<std::string> fields;
    for (std::size_t k = 0; k < batch.fieldCount(record); ++k) {
        fields.emplace_back(batch.field(record, k));
    }
    return fields;
}

// For a header that names no summary figures, as a spreadsheet's title above the table does:
// the line of the first of the next rows that reads as a header, as the option to type.
std::string headerBelow(const RecordBatch& batch, std::size_t header) {
    if (namesSummaryFigures(recordFields(batch, header))) {
        return {};
    }
    const std::size_t end = std::min(batch.size(), header + 1 + sniffLines);
    for (std::size_t record = header + 1; record < end; ++record) {
        if (namesSummaryFigures(recordFields(batch, record))) {
            return '\n' + narrow(BatchText::tr("Line %1 reads as the header: give --header-line %1 "
                                               "to skip the lines above it.")
                                     .arg(batch.line(record)));
        }
    }
    return {};
}

} // namespace

// Everything a chunk needs once the header is known; shared read-only by the workers.
struct Job {
    Job(const BatchOptions& options, const TableFormat& format, TableLayout tableLayout,
        std::size_t headerWidth, std::optional<ForestLabels> forestLabels,
        std::optional<PoolInput> poolInput)
        : style(format.locale, options.grouping)
        , layout(std::move(tableLayout))
        , forest(forestLabels)
        , pool(poolInput)
        , z(boost::math::quantile(boost::math::complement(Normal(), (1 - options.level) / 2)))
        , needs(needsFor(computed(layout, forest.has_value(), pool), options.level,
                         options.priorScale, options.equivalence, options.plan, options.costly))
        , checks(options.checks)
        , calculator(style, layout.summary, needs, headerWidth, layout.checks, checks)
        , writer(format.output, format.outputDelimiter, style, layout.output, headerWidth,
                 options.prefix.toStdString() + "extra_cells", format.lineEnd) {}

    ChunkOutput run(const RecordBatch& batch, std::size_t first) const {
        ChunkOutput output;
        output.text.reserve(batch.byteSize() * 2 + 64);
        RowResults results;
        std::optional<Summary> summary;
        const bool wantsSummary = pool && pool->effect == PoolEffect::Md;
        for (std::size_t record = first; record < batch.size(); ++record) {
            calculator.calculate(batch, record, results, wantsSummary ? &summary : nullptr);
            output.failed.add(batch, record,
                              results[static_cast<std::size_t>(ResultColumn::Error)]);
            output.checksFailed.add(batch, record,
                                    results[static_cast<std::size_t>(ResultColumn::CheckError)]);
            writer.appendRow(batch, record, results, output.text);
            // The empty rows a spreadsheet exports under a table pass through uncounted.
            if (isBlankRecord(batch, record, writer.headerWidth())) {
                continue;
            }
            ++output.rows;
            std::optional<std::string_view> group;
            if (const auto column = pool ? pool->groupColumn : std::nullopt) {
                group = *column < batch.fieldCount(record) ? batch.field(record, *column)
                                                           : std::string_view();
            }
            if (forest) {
                std::string groupCell(group.value_or(std::string_view()));
                if (wantsSummary) {
                    output.forest.addStudy(results, poolStudy(PoolEffect::Md, results, summary), z,
                                           forest->label(batch, record), output.rows,
                                           std::move(groupCell));
                } else {
                    output.forest.add(results, forest->label(batch, record), output.rows,
                                      std::move(groupCell));
                }
            }
            if (pool) {
                output.pool.add(pool->effect, results, summary, group);
            }
        }
        return output;
    }

    NumberStyle style;
    TableLayout layout;
    std::optional<ForestLabels> forest; // when a forest or funnel plot is drawn
    std::optional<PoolInput> pool;      // when the rows are pooled
    double z;                           // of the mean differences' intervals at the level
    ResultNeeds needs;
    CheckSettings checks;
    RowCalculator calculator;
    TableWriter writer;
};

Pipeline::Pipeline(const BatchOptions& options, const TableFormat& format, std::FILE* out)
    : m_options(options)
    , m_format(format)
    , m_out(out)
    , m_limit(static_cast<std::size_t>(2 * options.jobs + 1)) {
    if (options.jobs > 1) {
        m_queue = std::make_unique<WorkQueue<ChunkOutput>>(options.jobs);
    }
}

Pipeline::~Pipeline() = default;

// Takes the header, record at of batch; a message when the table cannot be processed.
std::optional<std::string> Pipeline::start(const RecordBatch& batch, std::size_t at) {
    const std::vector<std::string> header = recordFields(batch, at);
    if (auto problem = singleFieldHeader(header)) {
        return *problem + headerBelow(batch, at);
    }
    auto layout = layoutFor(header, m_options.columns, m_options.prefix.toStdString(),
                            m_options.map, m_format.delimiter);
    if (auto* problem = std::get_if<std::string>(&layout)) {
        return *problem + headerBelow(batch, at);
    }
    if (auto problem = outputNameClash(std::get<TableLayout>(layout).output,
                                       m_format.output == OutputFormat::Jsonl)) {
        return problem;
    }
    std::optional<ForestLabels> forest;
    if (!m_options.forest.isEmpty() || !m_options.funnel.isEmpty()) {
        auto labels = forestLabels(header, m_options.label);
        if (const QString* problem = std::get_if<QString>(&labels)) {
            m_forestProblem = *problem;
        } else if (!std::get<TableLayout>(layout).summary.present) {
            m_forestProblem = BatchText::tr("%1: the table has no columns n1, m1, sd1, n2, m2 "
                                            "and sd2 to work g from")
                                  .arg(m_options.forest.isEmpty() ? QStringLiteral("--funnel")
                                                                  : QStringLiteral("--forest"));
        } else {
            forest = std::get<ForestLabels>(labels);
        }
    }
    std::optional<PoolInput> pool;
    if (const auto& settings = m_options.pool) {
        pool = PoolInput{settings->effect, {}};
        if (!settings->by.isEmpty()) {
            auto column = headerColumn(header, settings->by, QStringLiteral("--pool-by"));
            if (const QString* problem = std::get_if<QString>(&column)) {
                m_poolProblem = *problem;
            } else {
                pool->groupColumn = std::get<std::size_t>(column);
            }
        }
        if (!std::get<TableLayout>(layout).summary.present) {
            m_poolProblem = BatchText::tr("--pool: the table has no columns n1, m1, sd1, n2, m2 "
                                          "and sd2 to pool");
        }
        if (m_poolProblem) {
            pool.reset();
        }
    }
    m_groupsNote = std::get<TableLayout>(layout).summary.groupsNote;
    m_job = std::make_shared<const Job>(
        m_options, m_format, std::get<TableLayout>(std::move(layout)), header.size(), forest, pool);
    m_forest.locale = m_format.locale;
    std::string text(m_format.byteOrderMark ? utf8Mark : std::string_view());
    m_job->writer.appendHeader(text);
    writeText(text);
    return std::nullopt;
}

void Pipeline::add(std::shared_ptr<const RecordBatch> batch, std::size_t first) {
    if (!m_queue) {
        write(m_job->run(*batch, first));
        return;
    }
    std::shared_ptr<const Job> job = m_job;
    m_pending.push_back(m_queue->submit([job, batch, first] { return job->run(*batch, first); }));
    while (m_pending.size() >= m_limit) {
        writeOldest();
    }
}

void Pipeline::finish() {
    while (!m_pending.empty() && m_writeError == 0) {
        writeOldest();
    }
    if (m_writeError == 0 && std::fflush(m_out) != 0) {
        m_writeError = errno;
    }
}

void Pipeline::writeOldest() {
    write(m_pending.front().get());
    m_pending.pop_front();
}
void Pipeline::write(ChunkOutput output) {
    writeText(output.text);
    m_forest.append(std::move(output.forest), m_rows);
    m_pool.append(std::move(output.pool));
    m_rows += output.rows;
    m_failed.add(output.failed);
    m_checksFailed.add(output.checksFailed);
}
// Nothing more is written after a failed write; the caller stops at once.
void Pipeline::writeText(const std::string& text) {
    if (m_writeError != 0) {
        return;
    }
    errno = 0;
    if (std::fwrite(text.data(), 1, text.size(), m_out) != text.size()) {
        m_writeError = errno != 0 ? errno : EIO;
    }
}

} // namespace lx::cli
