// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "check_run.h"

#include "check_text.h"
#include "docx_stream_check.h"
#include "file_report.h"
#include "pdf_pages_check.h"
#include "result_writer.h"
#include "resume_output.h"
#include "scan_progress.h"
#include "shard.h"
#include "source_files.h"
#include "streamed_check.h"

#include "cli/work_queue.h"
#include "text_check/decode.h"
#include "text_check/verdict_words.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <array>
#include <cerrno>
#include <cstring>
#include <deque>
#include <future>
#include <limits>
#include <new>

namespace lx::check {

namespace {

constexpr std::size_t verdictCount = std::size(text_check::allVerdicts);

// How many results got each verdict.
struct Tally {
    std::size_t results = 0;
    std::size_t failing = 0; // results that do not hold
    std::array<std::size_t, verdictCount> verdicts{};
    std::size_t intervals = 0; // printed confidence intervals checked
    std::size_t badIntervals = 0;

    void add(const FileReport& report) {
        for (const CheckedResult& result : report.results) {
            ++results;
            failing += result.judgement.holds ? 0 : 1;
            intervals += result.judgement.interval != text_check::EffectVerdict::NotChecked;
            badIntervals += result.judgement.interval == text_check::EffectVerdict::Inconsistent;
            for (std::size_t k = 0; k < verdictCount; ++k) {
                verdicts[k] += text_check::allVerdicts[k] == result.judgement.verdict ? 1 : 0;
            }
        }
    }

    // "3 results: consistent 2, inconsistent 1"
    QString text() const {
        QString line =
            results == 1 ? CheckText::tr("1 result") : CheckText::tr("%1 results").arg(results);
        QStringList counts;
        for (std::size_t k = 0; k < verdictCount; ++k) {
            if (verdicts[k] > 0) {
                counts.append(QStringLiteral("%1 %2")
                                  .arg(QString::fromLatin1(
                                      text_check::verdictWord(text_check::allVerdicts[k])))
                                  .arg(verdicts[k]));
            }
        }
        if (!counts.isEmpty()) {
            line += QStringLiteral(": ") + counts.join(u", ");
        }
        if (intervals > 0) {
            line += CheckText::tr("; intervals: consistent %1, inconsistent %2")
                        .arg(intervals - badIntervals)
                        .arg(badIntervals);
        }
        return line;
    }
};

// Reads all of a stream, up to `limit` bytes (and one more, to tell that there is more).
QByteArray readAll(std::FILE* in, qint64 limit = std::numeric_limits<qint64>::max() - 1) {
    QByteArray bytes;
    char buffer[1 << 16];
    std::size_t got = 0;
    while (bytes.size() <= limit && (got = std::fread(buffer, 1, sizeof buffer, in)) > 0) {
        bytes.append(buffer, static_cast<qsizetype>(got));
    }
    return bytes;
}

void say(std::FILE* err, const QString& message) {
    std::fprintf(err, "lxtervan-check: %s\n", message.toLocal8Bit().constData());
}

// A plain text file above this size is read in pieces, in its place in the order, rather than
// whole on a worker: its rows go out as they are found, and memory stays within a few pieces.
constexpr qint64 streamFrom = qint64(256) << 10;

// The results written so far, and the messages and summaries on standard error.
class RunOutput {
public:
    // With a part, rows go to its file and each input is recorded there when it is done.
    RunOutput(const CheckOptions& options, std::FILE* out, std::FILE* err, std::size_t inputs,
              PartOutput* part)
        : m_options(options)
        , m_out(out)
        , m_err(err)
        , m_part(part)
        , m_progress(err, inputs) {}

    // Rows of an input, all of them or the next piece's.
    void rows(const FileReport& part) {
        const std::string lines = resultLines(part, m_options.format);
        if (m_part) {
            m_part->appendRows(lines);
        } else {
            std::fwrite(lines.data(), 1, lines.size(), m_out);
        }
        m_file.add(part);
        m_all.add(part);
        m_progress.update(m_inputsDone, m_all.results);
    }

    // An input is done: its warning, its error or its summary.
    void end(const FileReport& report) {
        m_progress.clear();
        if (!report.warning.isEmpty()) {
            say(m_err, CheckText::tr("%1: warning: %2").arg(report.name, report.warning));
        }
        if (report.error.isEmpty() || m_file.results > 0) {
            std::fprintf(m_err, "%s: %s\n", report.name.toLocal8Bit().constData(),
                         m_file.text().toLocal8Bit().constData());
        }
        if (!report.error.isEmpty()) {
            ++m_unusable;
            say(m_err, CheckText::tr("%1: %2").arg(report.name, report.error));
        }
        if (m_part) {
            // An input refused after rows of its first part keeps them, as a whole run would.
            if (report.error.isEmpty() || m_file.results > 0) {
                m_part->endFile(report.name, m_file.results);
            } else {
                m_part->passOver();
            }
        }
        m_file = {};
        ++m_inputsDone;
        m_progress.update(m_inputsDone, m_all.results);
    }

    void finish(const FileReport& report) {
        rows(report);
        end(report);
    }

    ExitStatus close(std::size_t inputs) {
        m_progress.clear();
        const std::size_t files = inputs - m_unusable;
        const QString summary =
            files == 1 ? CheckText::tr("In all, 1 file: %1").arg(m_all.text())
                       : CheckText::tr("In all, %1 files: %2").arg(files).arg(m_all.text());
        std::fprintf(m_err, "%s\n", summary.toLocal8Bit().constData());
        if (m_part && !m_part->finish(m_unusable)) {
            say(m_err, m_part->error());
            return Unusable;
        }
        if (std::fflush(m_out) != 0 || std::ferror(m_out)) {
            say(m_err, CheckText::tr("cannot write the results: %1")
                           .arg(QString::fromLocal8Bit(std::strerror(errno))));
            return Unusable;
        }
        if (m_unusable > 0) {
            say(m_err, m_unusable == 1
                           ? CheckText::tr("1 input could not be read")
                           : CheckText::tr("%1 inputs could not be read").arg(m_unusable));
            return Unusable;
        }
        return m_options.strict && m_all.failing > 0 ? ResultsFailed : Done;
    }

private:
    const CheckOptions& m_options;
    std::FILE* m_out;
    std::FILE* m_err;
    PartOutput* m_part;
    ScanProgress m_progress;
    Tally m_file; // of the input in hand
    Tally m_all;
    std::size_t m_unusable = 0;
    std::size_t m_inputsDone = 0;
};

StreamLimits limitsOf(const CheckOptions& options) {
    StreamLimits limits;
    limits.maxBytes = options.maxBytes;
    return limits;
}

// Standard input: a PDF or DOCX file read whole (up to the limit), text in pieces.
void checkStandardInput(const CheckOptions& options, std::FILE* in, RunOutput& output) {
    const QString name = QStringLiteral("-");
    QByteArray start(1 << 16, Qt::Uninitialized);
    start.truncate(static_cast<qsizetype>(std::fread(start.data(), 1, start.size(), in)));
    const text_check::SourceKind kind = text_check::kindOf(name, start);
    if (kind == text_check::SourceKind::Pdf || kind == text_check::SourceKind::Docx) {
        QByteArray bytes = start + readAll(in, options.maxBytes - start.size());
        if (bytes.size() > options.maxBytes) {
            FileReport refused{name,
                               CheckText::tr("longer than %1 bytes (--max-size sets the limit)")
                                   .arg(options.maxBytes),
                               {},
                               {}};
            output.end(refused);
            return;
        }
        output.finish(checkBytes(name, bytes, options.alpha));
        return;
    }
    qsizetype given = 0; // of the bytes read to tell the kind
    const ByteSource read = [&](char* buffer, qint64 size) -> qint64 {
        if (given < start.size()) {
            const qint64 count = std::min<qint64>(size, start.size() - given);
            std::memcpy(buffer, start.constData() + given, static_cast<std::size_t>(count));
            given += count;
            return count;
        }
        const std::size_t got = std::fread(buffer, 1, static_cast<std::size_t>(size), in);
        return got == 0 && std::ferror(in) ? -1 : static_cast<qint64>(got);
    };
    output.end(checkStream(name, read, false, options.alpha, limitsOf(options), options.jobs,
                           [&](FileReport&& part) { output.rows(part); }));
}

// Whether a file is read in pieces in its place: a long plain text or HTML page (or one beyond
// the limit, of which the first part is checked), a PDF (page by page), a DOCX file with a long
// body, or one whose length the system does not say (a pipe, a device), which may never end.
bool streamed(const Source& source, qint64 maxBytes) {
    const QFileInfo info(source.name);
    if (!info.isFile()) {
        return info.exists() && !info.isDir();
    }
    // A DOCX file's own length says little of its text's, which is compressed a hundredfold
    // where it repeats itself: its body's length decides.
    const bool docxName = source.name.endsWith(QLatin1String(".docx"), Qt::CaseInsensitive);
    if (info.size() <= std::min(streamFrom, maxBytes) && !docxName) {
        return false;
    }
    QFile file(source.name);
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    const text_check::SourceKind kind = text_check::kindOf(source.name, file.read(8));
    if (kind == text_check::SourceKind::Docx) {
        return info.size() > maxBytes || docxBodyBytes(source.name) > streamFrom;
    }
    return info.size() > std::min(streamFrom, maxBytes);
}

void checkStreamedFile(const CheckOptions& options, const Source& source, RunOutput& output) {
    QFile file(source.name);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        output.end(
            {source.name, CheckText::tr("cannot be read: %1").arg(file.errorString()), {}, {}});
        return;
    }
    const auto rows = [&](FileReport&& part) { output.rows(part); };
    const text_check::SourceKind kind = text_check::kindOf(source.name, file.peek(8));
    const bool document =
        kind == text_check::SourceKind::Pdf || kind == text_check::SourceKind::Docx;
    if (document && file.size() > options.maxBytes) {
        output.end({source.name,
                    CheckText::tr("longer than %1 bytes (--max-size sets the limit)")
                        .arg(options.maxBytes),
                    {},
                    {}});
        return;
    }
    if (kind == text_check::SourceKind::Docx) {
        // Its body inflated and read a piece at a time from the file.
        output.end(
            checkDocxStream(source.name, options.alpha, limitsOf(options), options.jobs, rows));
        return;
    }
    if (kind == text_check::SourceKind::Pdf) {
        // A PDF is read whole, as Poppler needs, and checked page by page.
        QByteArray bytes;
        try {
            bytes = file.readAll();
        } catch (const std::bad_alloc&) {
            output.end({source.name, CheckText::tr("cannot be checked: out of memory"), {}, {}});
            return;
        }
        output.end(checkPdfPages(source.name, bytes, options.alpha, options.jobs, rows));
        return;
    }
    const ByteSource read = [&](char* buffer, qint64 size) { return file.read(buffer, size); };
    const bool html = text_check::kindOf(source.name, {}) == text_check::SourceKind::Html;
    output.end(checkStream(source.name, read, html, options.alpha, limitsOf(options), options.jobs,
                           [&](FileReport&& part) { output.rows(part); }));
}

} // namespace

ExitStatus runCheck(const CheckOptions& options, std::FILE* in, std::FILE* out, std::FILE* err) {
    QStringList inputs = options.inputs;
    if (options.filesFrom) {
        QByteArray list;
        if (*options.filesFrom == QLatin1String("-")) {
            list = readAll(in);
        } else {
            QFile file(*options.filesFrom);
            if (!file.open(QIODevice::ReadOnly)) {
                say(err, CheckText::tr("%1: cannot be read: %2")
                             .arg(*options.filesFrom, file.errorString()));
                return Unusable;
            }
            list = file.readAll();
        }
        inputs += inputsOfList(list);
    }
    std::vector<Source> sources = expandInputs(inputs);

    // --shard keeps its share of the inputs; --output writes to a part file and its record,
    // and with --resume drops the inputs that file already holds.
    std::vector<std::size_t> positions = keepShard(sources, options.shard);
    std::unique_ptr<PartOutput> part;
    if (options.output) {
        std::size_t skipped = 0;
        auto started = startPart(options, sources, positions, skipped);
        if (const QString* problem = std::get_if<QString>(&started)) {
            say(err, *problem);
            return Unusable;
        }
        part = std::get<std::unique_ptr<PartOutput>>(std::move(started));
        if (skipped > 0) {
            say(err, skipped == 1 ? CheckText::tr("%1: 1 input already complete there, skipped")
                                        .arg(*options.output)
                                  : CheckText::tr("%1: %2 inputs already complete there, skipped")
                                        .arg(*options.output)
                                        .arg(skipped));
        }
    } else {
        const std::string header = headerLine(options.format);
        std::fputs(header.c_str(), out);
    }
    RunOutput output(options, out, err, sources.size(), part.get());

    // Files are read ahead on the workers, but only so far, so that a long list streams
    // through in bounded memory.
    cli::WorkQueue<FileReport> workers(options.jobs);
    std::deque<std::future<FileReport>> pending;
    const auto drain = [&](std::size_t keep) {
        while (pending.size() > keep) {
            output.finish(pending.front().get());
            pending.pop_front();
        }
    };
    const std::size_t ahead = static_cast<std::size_t>(options.jobs) * 4;
    for (const Source& source : sources) {
        if (part && !part->error().isEmpty()) {
            break; // a failed write: the rest would be lost too
        }
        // Standard input and long texts are read here, in their place in the order.
        if (source.standardInput ||
            (source.problem.isEmpty() && streamed(source, options.maxBytes))) {
            drain(0);
            if (source.standardInput) {
                checkStandardInput(options, in, output);
            } else {
                checkStreamedFile(options, source, output);
            }
            continue;
        }
        pending.push_back(workers.submit(
            [source, &options] { return checkFile(source, options.alpha, options.maxBytes); }));
        drain(ahead);
    }
    drain(0);
    return output.close(sources.size());
}

} // namespace lx::check
