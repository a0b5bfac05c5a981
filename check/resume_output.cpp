// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "resume_output.h"

#include "check_text.h"
#include "result_writer.h"

#include <QFile>
#include <QHash>
#include <QLocale>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lx::check {

namespace {

QString systemError() {
    return QString::fromLocal8Bit(std::strerror(errno));
}

// "--format csv --alpha 0.05 --shard 2/8", as the options of a run read.
QString optionsText(const PartRecord& record) {
    QString text = QStringLiteral("--format %1 --alpha %2")
                       .arg(formatWord(record.format))
                       .arg(QString::number(record.alpha, 'g', QLocale::FloatingPointShortest));
    if (record.shard) {
        text += QStringLiteral(" --shard ") + shardText(*record.shard);
    }
    return text;
}

bool sameRun(const PartRecord& a, const PartRecord& b) {
    return a.format == b.format && a.alpha == b.alpha &&
           a.shard.has_value() == b.shard.has_value() &&
           (!a.shard || (a.shard->index == b.shard->index && a.shard->count == b.shard->count));
}

// The record as it was when FILE was taken up; what is wrong with it, if anything.
std::variant<std::optional<PartRecord>, QString> previousRecord(const QString& path,
                                                                const PartRecord& settings) {
    const QString recordPath = recordPathOf(path);
    QFile file(recordPath);
    if (!file.exists()) {
        if (QFile(path).size() > 0) {
            return CheckText::tr("%1 has no record %2 of the inputs it holds complete, so it "
                                 "cannot be resumed; remove it, or run without --resume")
                .arg(path, recordPath);
        }
        return std::optional<PartRecord>();
    }
    if (!file.open(QIODevice::ReadOnly)) {
        return CheckText::tr("%1: cannot be read: %2").arg(recordPath, file.errorString());
    }
    auto parsed = parseRecord(file.readAll());
    if (const QString* problem = std::get_if<QString>(&parsed)) {
        return CheckText::tr("%1: %2").arg(recordPath, *problem);
    }
    PartRecord& record = std::get<PartRecord>(parsed);
    if (!sameRun(record, settings)) {
        return CheckText::tr("%1 holds a run with %2; resume it with the same options, not %3")
            .arg(path, optionsText(record), optionsText(settings));
    }
    return std::optional<PartRecord>(std::move(record));
}

} // namespace

std::variant<std::unique_ptr<PartOutput>, QString>
PartOutput::open(const QString& path, const PartRecord& settings, bool resume) {
    std::optional<PartRecord> previous;
    if (resume) {
        auto found = previousRecord(path, settings);
        if (const QString* problem = std::get_if<QString>(&found)) {
            return *problem;
        }
        previous = std::get<std::optional<PartRecord>>(std::move(found));
    }
    std::unique_ptr<PartOutput> out(new PartOutput);
    out->m_path = path;
    out->m_resume = resume;
    const QByteArray name = QFile::encodeName(path);
    out->m_data = ::open(name.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (out->m_data < 0) {
        return CheckText::tr("%1: cannot be written: %2").arg(path, systemError());
    }
    if (::flock(out->m_data, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK) {
        return CheckText::tr("%1 is being written by another run").arg(path);
    }
    struct stat status {};
    if (::fstat(out->m_data, &status) != 0) {
        return CheckText::tr("%1: cannot be written: %2").arg(path, systemError());
    }
    const bool regular = S_ISREG(status.st_mode);
    if (previous && !regular) {
        return CheckText::tr("%1 is not a regular file, so it cannot be resumed").arg(path);
    }
    const QByteArray header = QByteArray::fromStdString(headerLine(settings.format));
    out->m_kept = settings;
    out->m_kept.entries.clear();
    out->m_kept.ending.reset();
    out->m_end = header.size();
    const qint64 size = status.st_size;
    bool fresh = !previous || size < header.size();
    if (!fresh) {
        QByteArray start(header.size(), '\0');
        if (::pread(out->m_data, start.data(), static_cast<std::size_t>(start.size()), 0) !=
                start.size() ||
            start != header) {
            return CheckText::tr("%1 does not begin with the header of a %2 table, so it cannot "
                                 "be resumed")
                .arg(path, formatWord(settings.format));
        }
        // Rows after the last input recorded complete belong to one the run was killed in.
        for (const PartEntry& entry : previous->entries) {
            if (entry.end < out->m_end || entry.end > size) {
                break;
            }
            out->m_kept.entries.push_back(entry);
            out->m_end = entry.end;
        }
    }
    // FILE is cut first, so that a record never names rows FILE does not hold.
    if (regular && ::ftruncate(out->m_data, fresh ? 0 : out->m_end) != 0) {
        return CheckText::tr("%1: cannot be written: %2").arg(path, systemError());
    }
    // The record is replaced whole, never left half written.
    QByteArray record = recordHead(out->m_kept);
    for (const PartEntry& entry : out->m_kept.entries) {
        record += entryLine(entry);
    }
    const QString recordPath = recordPathOf(path);
    const QByteArray newName = QFile::encodeName(recordPath + QStringLiteral(".new"));
    const int next = ::open(newName.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (next < 0) {
        return CheckText::tr("%1: cannot be written: %2").arg(recordPath, systemError());
    }
    const bool written = out->writeAll(next, record.constData(),
                                       static_cast<std::size_t>(record.size()), recordPath);
    ::close(next);
    if (!written) {
        ::unlink(newName.constData());
        return out->m_error;
    }
    if (::rename(newName.constData(), QFile::encodeName(recordPath).constData()) != 0) {
        const QString problem =
            CheckText::tr("%1: cannot be written: %2").arg(recordPath, systemError());
        ::unlink(newName.constData());
        return problem;
    }
    out->m_record =
        ::open(QFile::encodeName(recordPath).constData(), O_WRONLY | O_APPEND | O_CLOEXEC);
    if (out->m_record < 0) {
        return CheckText::tr("%1: cannot be written: %2").arg(recordPath, systemError());
    }
    if (regular && ::lseek(out->m_data, fresh ? 0 : out->m_end, SEEK_SET) < 0) {
        return CheckText::tr("%1: cannot be written: %2").arg(path, systemError());
    }
    if (fresh && !out->writeAll(out->m_data, header.constData(),
                                static_cast<std::size_t>(header.size()), path)) {
        return out->m_error;
    }
    return out;
}

PartOutput::~PartOutput() {
    if (m_record >= 0) {
        ::close(m_record);
    }
    if (m_data >= 0) {
        ::close(m_data);
    }
}

std::variant<std::size_t, QString> PartOutput::skipDone(std::vector<Source>& sources,
                                                        std::vector<std::size_t>& positions) {
    QHash<QString, std::size_t> done;
    for (const PartEntry& entry : m_kept.entries) {
        ++done[entry.path];
    }
    std::vector<Source> rest;
    std::size_t skipped = 0;
    m_positions.clear();
    for (std::size_t k = 0; k < sources.size(); ++k) {
        if (sources[k].standardInput && m_resume) {
            return CheckText::tr("standard input cannot be resumed: its text may differ from "
                                 "one run to the next");
        }
        auto found = done.find(sources[k].name);
        if (found != done.end() && *found > 0) {
            --*found;
            ++skipped;
            continue;
        }
        m_positions.push_back(positions[k]);
        rest.push_back(std::move(sources[k]));
    }
    sources = std::move(rest);
    positions.assign(m_positions.begin(), m_positions.end());
    return skipped;
}

bool PartOutput::writeFile(const QString& name, const std::string& rows, std::size_t count) {
    const bool written = appendRows(rows);
    return endFile(name, count) && written;
}

bool PartOutput::appendRows(const std::string& rows) {
    if (!m_error.isEmpty() || !writeAll(m_data, rows.data(), rows.size(), m_path)) {
        return false;
    }
    m_end += static_cast<qint64>(rows.size());
    return true;
}

bool PartOutput::endFile(const QString& name, std::size_t count) {
    const std::size_t position = m_positions.empty() ? 0 : m_positions.front();
    if (!m_positions.empty()) {
        m_positions.pop_front();
    }
    if (!m_error.isEmpty()) {
        return false;
    }
    ++m_written;
    const QByteArray line = entryLine({position, count, m_end, name});
    return writeAll(m_record, line.constData(), static_cast<std::size_t>(line.size()),
                    recordPathOf(m_path));
}

void PartOutput::passOver() {
    if (!m_positions.empty()) {
        m_positions.pop_front();
    }
}

bool PartOutput::finish(std::size_t unreadable) {
    if (!m_error.isEmpty()) {
        return false;
    }
    // What the end line promises is on the disk first.
    if (::fsync(m_data) != 0 && errno != EINVAL) {
        m_error = CheckText::tr("cannot write %1: %2").arg(m_path, systemError());
        return false;
    }
    const QByteArray line = endingLine({m_kept.entries.size() + m_written, unreadable});
    const QString recordPath = recordPathOf(m_path);
    if (!writeAll(m_record, line.constData(), static_cast<std::size_t>(line.size()), recordPath)) {
        return false;
    }
    if (::fsync(m_record) != 0) {
        m_error = CheckText::tr("cannot write %1: %2").arg(recordPath, systemError());
        return false;
    }
    return true;
}

bool PartOutput::writeAll(int fd, const char* data, std::size_t size, const QString& path) {
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size);
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            m_error = CheckText::tr("cannot write %1: %2").arg(path, systemError());
            return false;
        }
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

std::variant<std::unique_ptr<PartOutput>, QString> startPart(const CheckOptions& options,
                                                             std::vector<Source>& sources,
                                                             std::vector<std::size_t>& positions,
                                                             std::size_t& skipped) {
    PartRecord settings;
    settings.format = options.format;
    settings.alpha = options.alpha;
    settings.shard = options.shard;
    auto opened = PartOutput::open(*options.output, settings, options.resume);
    if (const QString* problem = std::get_if<QString>(&opened)) {
        return *problem;
    }
    auto part = std::get<std::unique_ptr<PartOutput>>(std::move(opened));
    auto done = part->skipDone(sources, positions);
    if (const QString* problem = std::get_if<QString>(&done)) {
        return *problem;
    }
    skipped = std::get<std::size_t>(done);
    return part;
}

} // namespace lx::check
