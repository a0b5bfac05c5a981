// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "merge.h"

#include "check_text.h"
#include "part_record.h"
#include "result_writer.h"

#include <QFile>
#include <QHash>

#include <algorithm>
#include <set>

namespace lx::check {

namespace {

struct Part {
    QString path;
    PartRecord record;
};

// An input's rows: bytes start to end of a part.
struct Piece {
    std::size_t position;
    const QString* path;
    std::size_t part;
    qint64 start;
    qint64 end;
};

void say(std::FILE* err, const QString& message) {
    std::fprintf(err, "lxtervan-check: %s\n", message.toLocal8Bit().constData());
}

// The part at path with its record, or what is wrong with it.
std::variant<Part, QString> readPart(QString path) {
    const QString suffix = QStringLiteral(".done");
    if (path.endsWith(suffix) && QFile::exists(path.chopped(suffix.size()))) {
        path.chop(suffix.size()); // the record named instead of its table
    }
    QFile recordFile(recordPathOf(path));
    if (!recordFile.open(QIODevice::ReadOnly)) {
        return CheckText::tr("%1: no record %2 beside it (a part is written with --output): %3")
            .arg(path, recordPathOf(path), recordFile.errorString());
    }
    auto parsed = parseRecord(recordFile.readAll());
    if (const QString* problem = std::get_if<QString>(&parsed)) {
        return CheckText::tr("%1: %2").arg(recordPathOf(path), *problem);
    }
    Part part{path, std::get<PartRecord>(std::move(parsed))};
    if (!part.record.ending) {
        return CheckText::tr("%1 is incomplete: its run did not go through all its inputs (run "
                             "it again with --resume)")
            .arg(path);
    }
    QFile table(path);
    const QByteArray header = QByteArray::fromStdString(headerLine(part.record.format));
    qint64 end = header.size();
    for (const PartEntry& entry : part.record.entries) {
        if (entry.end < end) {
            return CheckText::tr("%1 does not match its record").arg(path);
        }
        end = entry.end;
    }
    if (!table.open(QIODevice::ReadOnly) || table.size() != end ||
        table.read(header.size()) != header) {
        return CheckText::tr("%1 does not match its record: it was changed after its run")
            .arg(path);
    }
    return part;
}

// What keeps the parts from making one table; empty when nothing does.
QStringList problemsOf(const std::vector<Part>& parts) {
    QStringList problems;
    const PartRecord& first = parts.front().record;
    for (const Part& part : parts) {
        if (part.record.format != first.format) {
            problems.append(CheckText::tr("parts of different formats: %1 is %2, %3 is %4")
                                .arg(parts.front().path, formatWord(first.format), part.path,
                                     formatWord(part.record.format)));
        } else if (part.record.alpha != first.alpha) {
            problems.append(CheckText::tr("parts checked at different alphas: %1 at %2, %3 at %4")
                                .arg(parts.front().path)
                                .arg(first.alpha)
                                .arg(part.path)
                                .arg(part.record.alpha));
        } else if (part.record.shard.has_value() != first.shard.has_value() ||
                   (first.shard && part.record.shard->count != first.shard->count)) {
            problems.append(
                CheckText::tr("parts of different splits: %1 is %2, %3 is %4")
                    .arg(parts.front().path,
                         first.shard ? shardText(*first.shard) : QStringLiteral("-"), part.path,
                         part.record.shard ? shardText(*part.record.shard) : QStringLiteral("-")));
        }
    }
    if (!problems.isEmpty() || !first.shard) {
        return problems;
    }
    QHash<std::uint32_t, QString> shares;
    for (const Part& part : parts) {
        const QString other = shares.value(part.record.shard->index);
        if (!other.isEmpty()) {
            problems.append(CheckText::tr("%1 and %2 are both share %3")
                                .arg(other, part.path, shardText(*part.record.shard)));
        }
        shares.insert(part.record.shard->index, part.path);
    }
    QStringList missing;
    for (std::uint32_t k = 1; k <= first.shard->count && missing.size() < 20; ++k) {
        if (!shares.contains(k)) {
            missing.append(shardText({k, first.shard->count}));
        }
    }
    if (!missing.isEmpty()) {
        problems.append(CheckText::tr("shares missing: %1").arg(missing.join(u", ")));
    }
    return problems;
}

} // namespace

ExitStatus mergeParts(const QStringList& paths, std::FILE* out, std::FILE* err) {
    std::vector<Part> parts;
    QStringList problems;
    if (paths.isEmpty()) {
        problems.append(CheckText::tr("--merge needs the parts' files"));
    }
    for (const QString& path : paths) {
        auto part = readPart(path);
        if (const QString* problem = std::get_if<QString>(&part)) {
            problems.append(*problem);
        } else {
            parts.push_back(std::get<Part>(std::move(part)));
        }
    }
    if (problems.isEmpty() && !parts.empty()) {
        problems = problemsOf(parts);
    }
    std::vector<Piece> pieces;
    QHash<QString, std::size_t> partOfPath;
    for (std::size_t p = 0; p < parts.size() && problems.isEmpty(); ++p) {
        qint64 start = static_cast<qint64>(headerLine(parts[p].record.format).size());
        for (const PartEntry& entry : parts[p].record.entries) {
            const auto seen = partOfPath.constFind(entry.path);
            if (seen != partOfPath.constEnd() && *seen != p && problems.size() < 20) {
                problems.append(CheckText::tr("%1 is in both %2 and %3")
                                    .arg(entry.path, parts[*seen].path, parts[p].path));
            }
            partOfPath.insert(entry.path, p);
            pieces.push_back({entry.position, &entry.path, p, start, entry.end});
            start = entry.end;
        }
    }
    if (!problems.isEmpty()) {
        for (const QString& problem : problems) {
            say(err, problem);
        }
        say(err, CheckText::tr("nothing merged"));
        return Unusable;
    }
    // The order of one run: by position among the inputs; the path and the part keep the
    // order the same when a resumed run over a changed folder gave two inputs one position.
    std::stable_sort(pieces.begin(), pieces.end(), [](const Piece& a, const Piece& b) {
        return a.position != b.position ? a.position < b.position : *a.path < *b.path;
    });
    const std::string header = headerLine(parts.front().record.format);
    std::fwrite(header.data(), 1, header.size(), out);
    QFile table;
    std::size_t current = parts.size();
    std::size_t rows = 0;
    for (const Piece& piece : pieces) {
        if (piece.part != current) {
            table.close();
            table.setFileName(parts[piece.part].path);
            current = piece.part;
            if (!table.open(QIODevice::ReadOnly)) {
                say(err, CheckText::tr("%1: cannot be read: %2")
                             .arg(table.fileName(), table.errorString()));
                return Unusable;
            }
        }
        const QByteArray bytes =
            table.seek(piece.start) ? table.read(piece.end - piece.start) : QByteArray();
        if (bytes.size() != piece.end - piece.start) {
            say(err,
                CheckText::tr("%1: cannot be read: %2").arg(table.fileName(), table.errorString()));
            return Unusable;
        }
        std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), out);
    }
    std::size_t unreadable = 0;
    for (const Part& part : parts) {
        unreadable += part.record.ending->unreadable;
        for (const PartEntry& entry : part.record.entries) {
            rows += entry.rows;
        }
    }
    if (std::fflush(out) != 0 || std::ferror(out)) {
        say(err, CheckText::tr("cannot write the merged table"));
        return Unusable;
    }
    std::fprintf(err, "%s\n",
                 CheckText::tr("Merged %1 parts: %2 files, %3 rows; %4 inputs could not be read")
                     .arg(parts.size())
                     .arg(pieces.size())
                     .arg(rows)
                     .arg(unreadable)
                     .toLocal8Bit()
                     .constData());
    return Done;
}

} // namespace lx::check
