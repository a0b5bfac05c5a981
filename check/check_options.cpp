// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "check_options.h"

#include "check_text.h"

#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <thread>

namespace lx::check {

namespace {

const QString formatOption = QStringLiteral("format");
const QString alphaOption = QStringLiteral("alpha");
const QString strictOption = QStringLiteral("strict");
const QString jobsOption = QStringLiteral("jobs");
const QString filesFromOption = QStringLiteral("files-from");
const QString maxSizeOption = QStringLiteral("max-size");

// "500M", "2G", "64K" or bytes; nullopt for anything else.
std::optional<qint64> sizeOf(const QString& text) {
    static const QRegularExpression size(QStringLiteral(R"(^\s*(\d{1,15})\s*([KMG]?)i?B?\s*$)"),
                                         QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = size.match(text);
    if (!match.hasMatch()) {
        return std::nullopt;
    }
    const QString unit = match.captured(2).toUpper();
    const int shift = unit == u"K" ? 10 : (unit == u"M" ? 20 : (unit == u"G" ? 30 : 0));
    const qint64 count = match.captured(1).toLongLong();
    if (count > (std::numeric_limits<qint64>::max() >> shift)) {
        return std::nullopt;
    }
    return count << shift;
}

const QString shardOption = QStringLiteral("shard");
const QString outputOption = QStringLiteral("output");
const QString resumeOption = QStringLiteral("resume");
const QString mergeOption = QStringLiteral("merge");

// What --shard, --output, --resume and --merge allow together; empty when they do.
QString partProblem(const QCommandLineParser& parser, CheckOptions& options) {
    if (parser.isSet(shardOption)) {
        options.shard = parseShard(parser.value(shardOption));
        if (!options.shard) {
            return CheckText::tr("--shard must be K/N, whole numbers with 1 <= K <= N <= %1, "
                                 "not \"%2\"")
                .arg(maxShards)
                .arg(parser.value(shardOption));
        }
    }
    if (parser.isSet(outputOption)) {
        options.output = parser.value(outputOption);
        if (options.output->isEmpty() || *options.output == QLatin1String("-")) {
            return CheckText::tr("--output needs a file (without it the table goes to "
                                 "standard output)");
        }
    }
    options.resume = parser.isSet(resumeOption);
    if (options.resume && !options.output) {
        return CheckText::tr("--resume needs --output FILE: the table it takes up");
    }
    options.merge = parser.isSet(mergeOption);
    if (options.merge && (options.shard || options.output || options.filesFrom)) {
        return CheckText::tr("--merge joins the parts named and takes no --shard, --output, "
                             "--resume or --files-from");
    }
    if (options.merge && options.inputs.isEmpty()) {
        return CheckText::tr("--merge needs the parts' files");
    }
    return {};
}

} // namespace

void addCheckOptions(QCommandLineParser& parser) {
    parser.setApplicationDescription(CheckText::tr(
        "Finds the t tests a text reports (plain text in UTF-8, UTF-16 or Windows-1252, HTML, "
        "PDF or DOCX) and checks each: does its p fit its t and df? One row per result on "
        "standard output; a summary per file and in all on standard error."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(
        QStringLiteral("inputs"),
        CheckText::tr("Files or folders to read (a folder is walked); - reads text from "
                      "standard input."),
        QStringLiteral("[FILE|DIR|-]..."));
    parser.addOption({formatOption, CheckText::tr("Output as csv (default), tsv or jsonl."),
                      QStringLiteral("format"), QStringLiteral("csv")});
    parser.addOption({alphaOption,
                      CheckText::tr("Significance level of the decision check (default 0.05)."),
                      QStringLiteral("alpha"), QStringLiteral("0.05")});
    parser.addOption(
        {strictOption, CheckText::tr("Exit with 1 when a result does not hold: inconsistent, "
                                     "a decision error, impossible, or consistent only as a "
                                     "one-tailed test the text does not call one-sided.")});
    parser.addOption({jobsOption, CheckText::tr("Files read at once (default: one per core)."),
                      QStringLiteral("n")});
    parser.addOption({filesFromOption,
                      CheckText::tr("Read the inputs, one a line, from FILE (- for standard "
                                    "input)."),
                      QStringLiteral("FILE")});
    parser.addOption(
        {maxSizeOption,
         CheckText::tr("Refuse an input longer than SIZE (bytes, or with K, M or G; default 1G), "
                       "after the rows found in its first SIZE bytes: text that never ends "
                       "stops there."),
         QStringLiteral("SIZE"), QStringLiteral("1G")});
    parser.addOption(
        {shardOption,
         CheckText::tr("Read only the K-th of N shares of the inputs: those whose path's "
                       "FNV-1a 64-bit hash (of its UTF-8 bytes, as named or found in a folder) "
                       "leaves K - 1 divided by N. The N shares never overlap and together "
                       "hold every input."),
         QStringLiteral("K/N")});
    parser.addOption({outputOption,
                      CheckText::tr("Write the table to FILE input by input, each input's "
                                    "rows at once and then recorded complete in FILE.done."),
                      QStringLiteral("FILE")});
    parser.addOption(
        {resumeOption,
         CheckText::tr("With --output: take up FILE where a killed run left it: what follows "
                       "the last input recorded complete is cut off, those inputs are "
                       "skipped, and the rest appended, so that FILE ends as one whole run "
                       "writes it.")});
    parser.addOption(
        {mergeOption, CheckText::tr("Join the parts named (FILEs of --output runs, such as "
                                    "the shares of --shard) into the table one run over all "
                                    "their inputs writes, in its order, on standard output.")});
}

std::variant<CheckOptions, QString> checkOptions(const QCommandLineParser& parser) {
    CheckOptions options;
    options.inputs = parser.positionalArguments();
    if (parser.isSet(filesFromOption)) {
        options.filesFrom = parser.value(filesFromOption);
        if (*options.filesFrom == QLatin1String("-") &&
            options.inputs.contains(QStringLiteral("-"))) {
            return CheckText::tr("standard input cannot hold both the list of files and a text");
        }
    }
    if (const QString problem = partProblem(parser, options); !problem.isEmpty()) {
        return problem;
    }
    if (options.inputs.isEmpty() && !options.filesFrom && !options.merge) {
        options.inputs.append(QStringLiteral("-"));
    }
    const QString format = parser.value(formatOption).toLower();
    if (format == QLatin1String("csv")) {
        options.format = OutputFormat::Csv;
    } else if (format == QLatin1String("tsv")) {
        options.format = OutputFormat::Tsv;
    } else if (format == QLatin1String("jsonl") || format == QLatin1String("json")) {
        options.format = OutputFormat::JsonLines;
    } else {
        return CheckText::tr("--format must be csv, tsv or jsonl, not \"%1\"").arg(format);
    }
    bool ok = false;
    options.alpha = parser.value(alphaOption).toDouble(&ok);
    if (!ok || !(options.alpha > 0 && options.alpha < 1)) {
        return CheckText::tr("--alpha must be a number between 0 and 1");
    }
    options.strict = parser.isSet(strictOption);
    options.jobs = static_cast<int>(std::clamp(std::thread::hardware_concurrency(), 1u, 16u));
    if (parser.isSet(jobsOption)) {
        options.jobs = parser.value(jobsOption).toInt(&ok);
        if (!ok || options.jobs < 1 || options.jobs > 256) {
            return CheckText::tr("--jobs must be a whole number from 1 to 256");
        }
    }
    const auto maxBytes = sizeOf(parser.value(maxSizeOption));
    if (!maxBytes || *maxBytes < 1) {
        return CheckText::tr("--max-size must be a size such as 500M or 2G, not \"%1\"")
            .arg(parser.value(maxSizeOption));
    }
    options.maxBytes = *maxBytes;
    return options;
}

} // namespace lx::check
