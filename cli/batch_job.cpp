// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch_job.h"

#include "batch_text.h"

#include "batch_pipeline.h"
#include "forest_pools.h"
#include "pool_file.h"
#include "pool_summary.h"
#include "progress_line.h"
#include "table_head.h"
#include "table_input.h"

#include <cerrno>
#include <cstring>
#include <memory>

namespace lx::cli {

namespace {

// Draws a picture (the forest plot or the funnel plot, by option) of a table that was read to
// its end; false when it cannot be drawn, with the message on err.
bool drawPicture(const QString& option, const QString& path, const ForestWriter& writer,
                 const ForestRows& rows, const std::optional<QString>& problem, std::FILE* err) {
    QString message;
    if (problem) {
        message = *problem;
    } else if (!writer) {
        message = BatchText::tr("%1: this program cannot draw pictures").arg(option);
    } else if (!writer(path, rows, message)) {
        message = option + QStringLiteral(": ") + message;
    } else {
        return true;
    }
    std::fprintf(err, "lxtervan-batch: %s\n", narrow(message).c_str());
    return false;
}

// Pools the rows of a table that was read to its end: the summary line of the first pooled row
// on err, then the pool file if --pool names one. False when they cannot be pooled or the file
// cannot be written, with the message on err. run keeps the pooled rows for the caller.
bool finishPool(const BatchOptions& options, const TableFormat& format, const Pipeline& pipeline,
                const std::string& input, std::FILE* err, std::optional<PoolRun>& run) {
    if (const auto& problem = pipeline.poolProblem()) {
        std::fprintf(err, "lxtervan-batch: %s\n", narrow(*problem).c_str());
        return false;
    }
    run = poolRun(pipeline.pool(), *options.pool, options.level);
    std::fprintf(err, "lxtervan-batch: %s: %s\n", input.c_str(),
                 narrow(poolSummaryText(*run, summaryLocale())).c_str());
    QString message;
    if (!options.pool->file.isEmpty() && !writePoolFile(*run, format, message)) {
        std::fprintf(err, "lxtervan-batch: %s\n", narrow(message).c_str());
        return false;
    }
    return true;
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

    std::vector<char> buffer(readSize);
    auto read = readTableHead(input, options, buffer);
    if (const QString* problem = std::get_if<QString>(&read)) {
        return fail(0, *problem);
    }
    const TableHead& head = std::get<TableHead>(read);
    const TableFormat& format = head.format;
    const std::size_t headerLine = head.headerLine;
    bool atEnd = head.atEnd;
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
    std::string_view next = head.start;
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
                                        leftOut, options.forest.isEmpty()))
                         .c_str());
    }
    // The table is out whatever becomes of the pool and of the picture.
    std::optional<PoolRun> pooled;
    const bool poolDone =
        !options.pool || finishPool(options, format, pipeline, input.name(), err, pooled);
    // The pictures show the pooled rows that the pool file and the summary line have.
    ForestRows pictureRows = pipeline.takeForest();
    if (pooled) {
        addPools(pictureRows, *pooled);
    }
    const bool forestDone =
        options.forest.isEmpty() ||
        drawPicture(QStringLiteral("--forest"), options.forest, options.forestWriter, pictureRows,
                    pipeline.forestProblem(), err);
    const bool funnelDone =
        options.funnel.isEmpty() ||
        drawPicture(QStringLiteral("--funnel"), options.funnel, options.funnelWriter, pictureRows,
                    pipeline.forestProblem(), err);
    if (!forestDone || !funnelDone) {
        return UsageError;
    }
    if (!poolDone) {
        return UsageError;
    }
    return options.strict && anyFailed ? RowsFailed : Done;
}

} // namespace lx::cli
