// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "part_record.h"

#include "check_text.h"

#include <QList>
#include <QLocale>

namespace lx::check {

namespace {

const QByteArray firstLine = "lxtervan-check part 1";

QByteArray escaped(const QString& path) {
    QByteArray out;
    for (const char c : path.toUtf8()) {
        if (c == '\\') {
            out += "\\\\";
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\r') {
            out += "\\r";
        } else {
            out += c;
        }
    }
    return out;
}

std::optional<QString> unescaped(const QByteArray& text) {
    QByteArray out;
    for (qsizetype k = 0; k < text.size(); ++k) {
        if (text[k] != '\\') {
            out += text[k];
            continue;
        }
        if (++k == text.size()) {
            return std::nullopt;
        }
        const char c = text[k];
        if (c != '\\' && c != 'n' && c != 'r') {
            return std::nullopt;
        }
        out += c == 'n' ? '\n' : c == 'r' ? '\r' : '\\';
    }
    return QString::fromUtf8(out);
}

std::optional<std::size_t> count(const QByteArray& word) {
    bool ok = false;
    const qulonglong value = word.toULongLong(&ok);
    return ok && !word.startsWith('+') ? std::optional<std::size_t>(value) : std::nullopt;
}

std::optional<OutputFormat> formatOfWord(const QByteArray& word) {
    for (const OutputFormat format :
         {OutputFormat::Csv, OutputFormat::Tsv, OutputFormat::JsonLines}) {
        if (formatWord(format).toLatin1() == word) {
            return format;
        }
    }
    return std::nullopt;
}

// One line after the head into record; false when it is not one.
bool readLine(const QByteArray& line, PartRecord& record) {
    if (record.ending) {
        return false; // nothing follows the end
    }
    if (line.startsWith("file ")) {
        const QList<QByteArray> words = line.mid(5).split(' ');
        if (words.size() < 4) {
            return false;
        }
        const auto position = count(words[0]);
        const auto rows = count(words[1]);
        const auto end = count(words[2]);
        const qsizetype pathStart = 5 + words[0].size() + words[1].size() + words[2].size() + 3;
        const auto path = unescaped(line.mid(pathStart));
        if (!position || !rows || !end || !path || path->isEmpty()) {
            return false;
        }
        record.entries.push_back({*position, *rows, static_cast<qint64>(*end), *path});
        return true;
    }
    if (line.startsWith("end ")) {
        const QList<QByteArray> words = line.mid(4).split(' ');
        const auto files = words.size() == 2 ? count(words[0]) : std::nullopt;
        const auto unreadable = words.size() == 2 ? count(words[1]) : std::nullopt;
        if (!files || !unreadable) {
            return false;
        }
        record.ending = PartEnding{*files, *unreadable};
        return true;
    }
    return false;
}

} // namespace

QString recordPathOf(const QString& output) {
    return output + QStringLiteral(".done");
}

QString formatWord(OutputFormat format) {
    switch (format) {
    case OutputFormat::Csv:
        return QStringLiteral("csv");
    case OutputFormat::Tsv:
        return QStringLiteral("tsv");
    case OutputFormat::JsonLines:
        break;
    }
    return QStringLiteral("jsonl");
}

QByteArray recordHead(const PartRecord& record) {
    QByteArray head = firstLine + '\n';
    head += "format " + formatWord(record.format).toLatin1() + '\n';
    head += "alpha " + QByteArray::number(record.alpha, 'g', QLocale::FloatingPointShortest) + '\n';
    if (record.shard) {
        head += "shard " + shardText(*record.shard).toLatin1() + '\n';
    }
    return head;
}

QByteArray entryLine(const PartEntry& entry) {
    return "file " + QByteArray::number(static_cast<qulonglong>(entry.position)) + ' ' +
           QByteArray::number(static_cast<qulonglong>(entry.rows)) + ' ' +
           QByteArray::number(entry.end) + ' ' + escaped(entry.path) + '\n';
}

QByteArray endingLine(const PartEnding& ending) {
    return "end " + QByteArray::number(static_cast<qulonglong>(ending.files)) + ' ' +
           QByteArray::number(static_cast<qulonglong>(ending.unreadable)) + '\n';
}

std::variant<PartRecord, QString> parseRecord(const QByteArray& bytes) {
    QList<QByteArray> lines = bytes.split('\n');
    lines.removeLast(); // what follows the last line feed: empty, or a line never finished
    if (lines.isEmpty() || lines.front() != firstLine) {
        return CheckText::tr("not a record of lxtervan-check --output");
    }
    PartRecord record;
    bool hasFormat = false;
    bool hasAlpha = false;
    qsizetype k = 1;
    for (; k < lines.size(); ++k) {
        const QByteArray& line = lines[k];
        bool ok = true;
        if (line.startsWith("format ")) {
            const auto format = formatOfWord(line.mid(7));
            ok = format.has_value();
            record.format = format.value_or(OutputFormat::Csv);
            hasFormat = true;
        } else if (line.startsWith("alpha ")) {
            record.alpha = line.mid(6).toDouble(&ok);
            hasAlpha = true;
        } else if (line.startsWith("shard ")) {
            record.shard = parseShard(QString::fromLatin1(line.mid(6)));
            ok = record.shard.has_value();
        } else {
            break;
        }
        if (!ok) {
            return CheckText::tr("line %1 of the record cannot be read").arg(k + 1);
        }
    }
    if (!hasFormat || !hasAlpha) {
        return CheckText::tr("the record does not say the format and alpha of its run");
    }
    for (; k < lines.size(); ++k) {
        if (!readLine(lines[k], record)) {
            return CheckText::tr("line %1 of the record cannot be read").arg(k + 1);
        }
    }
    return record;
}

} // namespace lx::check
