// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "part_record.h"
#include "source_files.h"

#include <QString>

#include <deque>
#include <memory>
#include <string>
#include <variant>
#include <vector>

namespace lx::check {

// The table of --output FILE, written input by input: each input's rows at once, then its line
// in the record FILE.done (see part_record.h), so that a run killed at any moment leaves FILE
// and its record such that --resume takes up from the last input recorded. FILE is locked
// while it is written, so two runs never write one part.
class PartOutput {
public:
    // Starts FILE afresh; with resume, takes up FILE as its record says, after cutting off
    // what follows the last complete input. The record must be of a run with the same format,
    // alpha and shard. What is wrong is the message.
    static std::variant<std::unique_ptr<PartOutput>, QString>
    open(const QString& path, const PartRecord& settings, bool resume);

    PartOutput(const PartOutput&) = delete;
    PartOutput& operator=(const PartOutput&) = delete;
    ~PartOutput();

    // Drops the sources whose rows FILE holds complete, and their positions; says how many,
    // or why the run cannot be resumed (standard input cannot be skipped).
    std::variant<std::size_t, QString> skipDone(std::vector<Source>& sources,
                                                std::vector<std::size_t>& positions);

    // The next source's rows, count of them: written, then recorded as complete. False once
    // a write failed; error() says why. Rows may also come in pieces, by appendRows, until
    // endFile records them.
    bool writeFile(const QString& name, const std::string& rows, std::size_t count);
    bool appendRows(const std::string& rows);
    bool endFile(const QString& name, std::size_t count);

    // The next source could not be read: it is not recorded, so that --resume tries it again.
    void passOver();

    // Records that the run went through all its inputs, unreadable of them not read.
    bool finish(std::size_t unreadable);

    QString error() const { return m_error; }

private:
    PartOutput() = default;
    bool writeAll(int fd, const char* data, std::size_t size, const QString& path);

    QString m_path;
    bool m_resume = false;
    int m_data = -1;
    int m_record = -1;
    qint64 m_end = 0;          // where FILE's last complete input ends
    std::size_t m_written = 0; // inputs recorded by this run
    PartRecord m_kept;         // what FILE held when it was taken up
    std::deque<std::size_t> m_positions;
    QString m_error;
};

// Opens --output FILE for a run with these options (taken up with --resume) and drops the
// sources it holds complete, with their positions; skipped says how many.
std::variant<std::unique_ptr<PartOutput>, QString> startPart(const CheckOptions& options,
                                                             std::vector<Source>& sources,
                                                             std::vector<std::size_t>& positions,
                                                             std::size_t& skipped);

} // namespace lx::check
