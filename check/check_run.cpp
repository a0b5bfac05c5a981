// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "check_run.h"

#include "check_text.h"
#include "file_report.h"
#include "result_writer.h"
#include "resume_output.h"
#include "shard.h"
#include "source_files.h"

#include "cli/work_queue.h"
#include "text_check/verdict_words.h"

#include <QFile>
#include <QStringList>

#include <array>
#include <cerrno>
#include <cstring>
#include <deque>
#include <future>

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

QByteArray readAll(std::FILE* in) {
    QByteArray bytes;
    char buffer[1 << 16];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, in)) > 0) {
        bytes.append(buffer, static_cast<qsizetype>(got));
    }
    return bytes;
}

void say(std::FILE* err, const QString& message) {
    std::fprintf(err, "lxtervan-check: %s\n", message.toLocal8Bit().constData());
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
            say(err, CheckText::tr("%1: %2 inputs already complete there, skipped")
                         .arg(*options.output)
                         .arg(skipped));
        }
    } else {
        const std::string header = headerLine(options.format);
        std::fputs(header.c_str(), out);
    }
    Tally all;
    std::size_t unusable = 0;
    const auto finish = [&](const FileReport& report) {
        if (!report.error.isEmpty()) {
            ++unusable;
            say(err, CheckText::tr("%1: %2").arg(report.name, report.error));
            if (part) {
                part->passOver();
            }
            return;
        }
        if (!report.warning.isEmpty()) {
            say(err, CheckText::tr("%1: warning: %2").arg(report.name, report.warning));
        }
        const std::string lines = resultLines(report, options.format);
        if (!part) {
            std::fwrite(lines.data(), 1, lines.size(), out);
        } else if (!part->writeFile(report.name, lines, report.results.size())) {
            return;
        }
        Tally file;
        file.add(report);
        all.add(report);
        std::fprintf(err, "%s: %s\n", report.name.toLocal8Bit().constData(),
                     file.text().toLocal8Bit().constData());
    };

    // Files are read ahead on the workers, but only so far, so that a long list streams
    // through in bounded memory.
    cli::WorkQueue<FileReport> workers(options.jobs);
    std::deque<std::future<FileReport>> pending;
    const std::size_t ahead = static_cast<std::size_t>(options.jobs) * 4;
    for (const Source& source : sources) {
        if (part && !part->error().isEmpty()) {
            break; // a failed write: the rest would be lost too
        }
        if (source.standardInput) {
            // Standard input is read here, in its place in the order.
            while (!pending.empty()) {
                finish(pending.front().get());
                pending.pop_front();
            }
            finish(checkBytes(source.name, readAll(in), options.alpha));
            continue;
        }
        pending.push_back(
            workers.submit([source, alpha = options.alpha] { return checkFile(source, alpha); }));
        while (pending.size() > ahead) {
            finish(pending.front().get());
            pending.pop_front();
        }
    }
    while (!pending.empty()) {
        finish(pending.front().get());
        pending.pop_front();
    }
    const std::size_t files = sources.size() - unusable;
    const QString summary = files == 1
                                ? CheckText::tr("In all, 1 file: %1").arg(all.text())
                                : CheckText::tr("In all, %1 files: %2").arg(files).arg(all.text());
    std::fprintf(err, "%s\n", summary.toLocal8Bit().constData());
    if (part && !part->finish(unusable)) {
        say(err, part->error());
        return Unusable;
    }
    if (std::fflush(out) != 0 || std::ferror(out)) {
        say(err, CheckText::tr("cannot write the results: %1")
                     .arg(QString::fromLocal8Bit(std::strerror(errno))));
        return Unusable;
    }
    if (unusable > 0) {
        say(err, unusable == 1 ? CheckText::tr("1 input could not be read")
                               : CheckText::tr("%1 inputs could not be read").arg(unusable));
        return Unusable;
    }
    return options.strict && all.failing > 0 ? ResultsFailed : Done;
}

} // namespace lx::check
