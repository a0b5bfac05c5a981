// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch_job.h"

#include "batch_text.h"

#include "progress_line.h"
#include "table_input.h"
#include "table_layout.h"
#include "table_sniff.h"
#include "work_queue.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <deque>
#include <memory>
#include <unistd.h>

namespace lx::cli {

namespace {

// One read of the input; its records are the unit of work.
constexpr std::size_t readSize = 256 * 1024;
// What is read before the delimiter and decimal mark are decided, from the header on; and the
// most that is read to reach the header.
constexpr std::size_t sniffBytes = 64 * 1024;
constexpr std::size_t sniffLines = 21;
constexpr std::size_t headerSearchBytes = 16 * 1024 * 1024;
constexpr std::string_view utf8Mark = "\xEF\xBB\xBF";

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

struct ChunkOutput {
    std::string text;
    std::size_t rows = 0;
    ForestRows forest; // row numbers from 1 within the chunk
    RowErrors failed;
    RowErrors checksFailed; // a check of reported results could not run
};

// The results to compute: those written, and g with its interval and variance for a forest
// plot, which needs them whether or not they are written.
std::array<bool, resultColumnCount> computed(const TableLayout& layout, bool forest) {
    std::array<bool, resultColumnCount> columns = layout.wanted;
    for (int k = 0; forest && k < resultColumnCount; ++k) {
        columns[static_cast<std::size_t>(k)] =
            columns[static_cast<std::size_t>(k)] || isForestColumn(static_cast<ResultColumn>(k));
    }
    return columns;
}

// Everything a chunk needs once the header is known; shared read-only by the workers.
struct Job {
    Job(const BatchOptions& options, const TableFormat& format, TableLayout tableLayout,
        std::size_t headerWidth, std::optional<ForestLabels> forestLabels)
        : style(format.locale, options.grouping)
        , layout(std::move(tableLayout))
        , forest(forestLabels)
        , needs(needsFor(computed(layout, forest.has_value()), options.level, options.priorScale,
                         options.equivalence, options.plan, options.costly))
        , checks(options.checks)
        , calculator(style, layout.summary, needs, headerWidth, layout.checks, checks)
        , writer(format.output, format.outputDelimiter, style, layout.output, headerWidth,
                 options.prefix.toStdString() + "extra_cells", format.lineEnd) {}

    ChunkOutput run(const RecordBatch& batch, std::size_t first) const {
        ChunkOutput output;
        output.text.reserve(batch.byteSize() * 2 + 64);
        RowResults results;
        for (std::size_t record = first; record < batch.size(); ++record) {
            calculator.calculate(batch, record, results);
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
            if (forest) {
                output.forest.add(results, forest->label(batch, record), output.rows);
            }
        }
        return output;
    }

    NumberStyle style;
    TableLayout layout;
    std::optional<ForestLabels> forest; // when a forest plot is drawn
    ResultNeeds needs;
    CheckSettings checks;
    RowCalculator calculator;
    TableWriter writer;
};

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

// Where line (from 1) starts in text, or npos when text ends before it; lines end at LF, CR LF
// or CR, as the reader counts them.
std::size_t lineOffset(std::string_view text, std::size_t line) {
    std::size_t at = 0;
    for (std::size_t current = 1; current < line; ++current) {
        const std::size_t end = text.find_first_of("\r\n", at);
        if (end == std::string_view::npos) {
            return std::string_view::npos;
        }
        at = end + 1;
        if (text[end] == '\r' && at < text.size() && text[at] == '\n') {
            ++at;
        }
    }
    return at;
}

// Feeds records to the workers and writes their output in input order, keeping only a few
// chunks in flight so memory stays flat.
class Pipeline {
public:
    Pipeline(const BatchOptions& options, const TableFormat& format, std::FILE* out)
        : m_options(options)
        , m_format(format)
        , m_out(out)
        , m_limit(static_cast<std::size_t>(2 * options.jobs + 1)) {
        if (options.jobs > 1) {
            m_queue = std::make_unique<WorkQueue<ChunkOutput>>(options.jobs);
        }
    }

    bool hasHeader() const { return m_job != nullptr; }

    // Takes the header, record at of batch; a message when the table cannot be processed.
    std::optional<std::string> start(const RecordBatch& batch, std::size_t at) {
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
        if (!m_options.forest.isEmpty()) {
            auto labels = forestLabels(header, m_options.label);
            if (const QString* problem = std::get_if<QString>(&labels)) {
                m_forestProblem = *problem;
            } else if (!std::get<TableLayout>(layout).summary.present) {
                m_forestProblem = BatchText::tr("--forest: the table has no columns n1, m1, sd1, "
                                                "n2, m2 and sd2 to work g from");
            } else {
                forest = std::get<ForestLabels>(labels);
            }
        }
        m_groupsNote = std::get<TableLayout>(layout).summary.groupsNote;
        m_job = std::make_shared<const Job>(
            m_options, m_format, std::get<TableLayout>(std::move(layout)), header.size(), forest);
        m_forest.locale = m_format.locale;
        std::string text(m_format.byteOrderMark ? utf8Mark : std::string_view());
        m_job->writer.appendHeader(text);
        writeText(text);
        return std::nullopt;
    }

    void add(std::shared_ptr<const RecordBatch> batch, std::size_t first) {
        if (!m_queue) {
            write(m_job->run(*batch, first));
            return;
        }
        std::shared_ptr<const Job> job = m_job;
        m_pending.push_back(
            m_queue->submit([job, batch, first] { return job->run(*batch, first); }));
        while (m_pending.size() >= m_limit) {
            writeOldest();
        }
    }

    void finish() {
        while (!m_pending.empty() && m_writeError == 0) {
            writeOldest();
        }
        if (m_writeError == 0 && std::fflush(m_out) != 0) {
            m_writeError = errno;
        }
    }

    std::size_t rows() const { return m_rows; }
    const RowErrors& failed() const { return m_failed; }
    const RowErrors& checksFailed() const { return m_checksFailed; }
    // The errno of the first write that failed, 0 while none has.
    int writeError() const { return m_writeError; }
    const ForestRows& forest() const { return m_forest; }
    // Why the forest plot cannot be drawn from this table, if it cannot.
    const std::optional<QString>& forestProblem() const { return m_forestProblem; }
    // Which arm of the header is which set, when the header names arms; empty when it does not.
    const std::string& groupsNote() const { return m_groupsNote; }

private:
    void writeOldest() {
        write(m_pending.front().get());
        m_pending.pop_front();
    }
    void write(ChunkOutput output) {
        writeText(output.text);
        m_forest.append(std::move(output.forest), m_rows);
        m_rows += output.rows;
        m_failed.add(output.failed);
        m_checksFailed.add(output.checksFailed);
    }
    // Nothing more is written after a failed write; the caller stops at once.
    void writeText(const std::string& text) {
        if (m_writeError != 0) {
            return;
        }
        errno = 0;
        if (std::fwrite(text.data(), 1, text.size(), m_out) != text.size()) {
            m_writeError = errno != 0 ? errno : EIO;
        }
    }

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
    std::string m_groupsNote;
};

// Numbers as the user reads them in counts, in the user's language.
QString countText(std::size_t count) {
    QLocale locale = QLocale::system();
    if (locale.language() == QLocale::C) {
        locale = QLocale(QLocale::English, QLocale::UnitedStates);
    }
    return locale.toString(static_cast<qulonglong>(count));
}

// forestLeftOut: the rows a forest plot leaves out, when one is drawn.
QString summaryText(std::size_t rows, const RowErrors& failed, const RowErrors& checksFailed,
                    std::size_t forestLeftOut) {
    const QString rowsText =
        rows == 1 ? BatchText::tr("1 row") : BatchText::tr("%1 rows").arg(countText(rows));
    QString text = failed.first ? BatchText::tr("%1, %2 with errors (first: line %3: %4)")
                                      .arg(rowsText, countText(failed.count),
                                           QString::number(failed.first->line),
                                           QString::fromStdString(failed.first->message))
                                : BatchText::tr("%1, none with errors").arg(rowsText);
    if (const auto& first = checksFailed.first) {
        text += BatchText::tr("; %1 with check errors (first: line %2: %3)")
                    .arg(countText(checksFailed.count), QString::number(first->line),
                         QString::fromStdString(first->message));
    }
    if (forestLeftOut > 0) {
        text += forestLeftOut == 1 ? BatchText::tr("; 1 row left out of the forest plot")
                                   : BatchText::tr("; %1 rows left out of the forest plot")
                                         .arg(countText(forestLeftOut));
    }
    return text;
}

// Draws the forest plot of a table that was read to its end; false when it cannot be drawn,
// with the message on err.
bool drawForest(const BatchOptions& options, const ForestRows& rows,
                const std::optional<QString>& problem, std::FILE* err) {
    QString message;
    if (problem) {
        message = *problem;
    } else if (!options.forestWriter) {
        message = BatchText::tr("--forest: this program cannot draw pictures");
    } else if (!options.forestWriter(options.forest, rows, message)) {
        message = QStringLiteral("--forest: ") + message;
    } else {
        return true;
    }
    std::fprintf(err, "lxtervan-batch: %s\n", narrow(message).c_str());
    return false;
}

QString errnoText(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

} // namespace

void reportWriteError(int error, std::FILE* err) {
    std::fprintf(
        err, "lxtervan-batch: %s\n",
        narrow(BatchText::tr("cannot write the output: %1").arg(errnoText(error))).c_str());
}

ExitStatus runBatch(const BatchOptions& options, std::FILE* out, std::FILE* err) {
    TableInput input(options.file);
    if (!input.isOpen()) {
        std::fprintf(err, "lxtervan-batch: %s: %s\n", input.name().c_str(),
                     narrow(BatchText::tr("cannot open: %1").arg(errnoText(errno))).c_str());
        return UsageError;
    }
    std::optional<ProgressLine> progress;
    const auto fail = [&](std::size_t line, const QString& what) {
        if (progress) {
            progress->clear();
        }
        const std::string where =
            line == 0 ? std::string() : narrow(BatchText::tr(", line %1").arg(line));
        std::fprintf(err, "lxtervan-batch: %s%s: %s\n", input.name().c_str(), where.c_str(),
                     narrow(what).c_str());
        return UsageError;
    };

    // The first lines from the header on, to find what the options leave open.
    std::string start;
    std::vector<char> buffer(readSize);
    bool atEnd = false;
    std::size_t headerLine = options.headerLine;
    const auto fromHeader = [&] {
        const std::size_t header = lineOffset(start, headerLine);
        return header == std::string_view::npos ? std::string_view()
                                                : std::string_view(start).substr(header);
    };
    const auto enoughToSniff = [&] {
        const std::string_view lines = fromHeader();
        return lines.size() >= sniffBytes || start.size() >= headerSearchBytes ||
               static_cast<std::size_t>(std::count(lines.begin(), lines.end(), '\n')) >= sniffLines;
    };
    while (!atEnd && !enoughToSniff()) {
        const ssize_t got = input.read(buffer.data(), buffer.size());
        if (got < 0) {
            return fail(0, BatchText::tr("cannot read: %1").arg(errnoText(errno)));
        }
        atEnd = got == 0;
        start.append(buffer.data(), static_cast<std::size_t>(got));
    }
    std::optional<char> delimiter = options.delimiter;
    if (const auto declared = declaredDelimiter(start)) {
        // That line is no part of the table; a delimiter given outright still wins.
        delimiter = delimiter.value_or(*declared);
        headerLine = std::max<std::size_t>(headerLine, 2);
    }
    const auto witnesses = [&](const std::vector<std::string>& header) {
        return decimalWitnesses(header, options.map);
    };
    TableFormat format =
        tableFormat(options, sniffTable(fromHeader(), atEnd, delimiter, witnesses));
    format.byteOrderMark = format.output != OutputFormat::Jsonl &&
                           (input.isUtf16() || std::string_view(start).starts_with(utf8Mark));
    if (format.output != OutputFormat::Jsonl) {
        format.lineEnd = lineEndOf(fromHeader());
    }
    QLocale::setDefault(format.locale);
    if (options.terminal) {
        if (const QString found = foundText(options, format); !found.isEmpty()) {
            std::fprintf(err, "lxtervan-batch: %s: %s\n", input.name().c_str(),
                         narrow(found).c_str());
        }
    }

    CsvReader reader(format.delimiter);
    Pipeline pipeline(options, format, out);
    if (options.terminal && input.isFile()) {
        progress.emplace(err, input.size());
    }
    std::string_view next = start;
    for (bool last = false; !last;) {
        auto batch = std::make_shared<RecordBatch>();
        if (next.empty() && !atEnd) {
            const ssize_t got = input.read(buffer.data(), buffer.size());
            if (got < 0) {
                return fail(reader.line(), BatchText::tr("cannot read: %1").arg(errnoText(errno)));
            }
            atEnd = got == 0;
            next = std::string_view(buffer.data(), static_cast<std::size_t>(got));
        }
        last = atEnd && next.empty();
        const CsvReader::Status status = last ? reader.finish(*batch) : reader.feed(next, *batch);
        next = {};
        if (status == CsvReader::Status::OutOfMemory) {
            return fail(reader.line(), BatchText::tr("out of memory for a field"));
        }
        std::size_t first = 0;
        if (!pipeline.hasHeader()) {
            // The lines above the header, such as a spreadsheet's title, are skipped.
            while (first < batch->size() && batch->line(first) < headerLine) {
                ++first;
            }
            if (first < batch->size()) {
                if (auto problem = pipeline.start(*batch, first)) {
                    return fail(batch->line(first), QString::fromStdString(*problem));
                }
                if (!pipeline.groupsNote().empty()) {
                    if (progress) {
                        progress->clear();
                    }
                    std::fprintf(err, "lxtervan-batch: %s: %s\n", input.name().c_str(),
                                 pipeline.groupsNote().c_str());
                }
                ++first;
            }
        }
        if (batch->size() > first) {
            pipeline.add(std::move(batch), first);
        }
        if (pipeline.writeError() != 0) {
            break;
        }
        if (status == CsvReader::Status::UnclosedQuote) {
            pipeline.finish();
            return fail(reader.line(),
                        BatchText::tr("a quoted field starts on this line and its closing quote "
                                      "is missing, so the rest of the table was not read"));
        }
        if (progress) {
            progress->update(input.consumed(), pipeline.rows());
        }
    }
    pipeline.finish();
    if (progress) {
        progress->clear();
    }
    progress.reset();
    if (pipeline.writeError() != 0) {
        reportWriteError(pipeline.writeError(), err);
        return UsageError;
    }
    if (!pipeline.hasHeader()) {
        return fail(0, options.headerLine == 1
                           ? BatchText::tr("there is no header row")
                           : BatchText::tr("the table has no row from line %1 on, where "
                                           "--header-line puts the header")
                                 .arg(options.headerLine));
    }
    const bool anyFailed = pipeline.failed().count > 0 || pipeline.checksFailed().count > 0;
    const std::size_t leftOut = pipeline.forest().leftOut;
    if (options.terminal || anyFailed || leftOut > 0) {
        std::fprintf(err, "lxtervan-batch: %s: %s\n", input.name().c_str(),
                     narrow(summaryText(pipeline.rows(), pipeline.failed(), pipeline.checksFailed(),
                                        leftOut))
                         .c_str());
    }
    // The table is out whatever becomes of the picture.
    if (!options.forest.isEmpty() &&
        !drawForest(options, pipeline.forest(), pipeline.forestProblem(), err)) {
        return UsageError;
    }
    return options.strict && anyFailed ? RowsFailed : Done;
}

} // namespace lx::cli
