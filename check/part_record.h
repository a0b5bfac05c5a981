// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "check_options.h"
#include "shard.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <variant>
#include <vector>

namespace lx::check {

// The record beside an --output FILE, FILE.done, says which inputs FILE holds complete. It is
// text, a line each:
//   lxtervan-check part 1
//   format csv                 (csv, tsv or jsonl)
//   alpha 0.05
//   shard 2/8                  (only for a run with --shard)
//   file POSITION ROWS END PATH
//   ...
//   end FILES UNREADABLE       (only once the run went through all its inputs)
// A file line is written once all of that input's rows are in FILE: ROWS of them, ending at
// byte END of FILE; POSITION is the input's place among all inputs of the run before its
// share was taken, PATH the input as named (a backslash, line feed and carriage return written
// \\, \n and \r). A last line without its line feed is one the run was killed writing, and
// does not count.

struct PartEntry {
    std::size_t position = 0;
    std::size_t rows = 0;
    qint64 end = 0;
    QString path;
};

struct PartEnding {
    std::size_t files = 0;
    std::size_t unreadable = 0;
};

struct PartRecord {
    OutputFormat format = OutputFormat::Csv;
    double alpha = 0.05;
    std::optional<Shard> shard;
    std::vector<PartEntry> entries;
    std::optional<PartEnding> ending; // set when the run finished
};

// FILE.done for FILE.
QString recordPathOf(const QString& output);

// "csv", "tsv" or "jsonl".
QString formatWord(OutputFormat format);

// The lines before the first file line.
QByteArray recordHead(const PartRecord& record);
QByteArray entryLine(const PartEntry& entry);
QByteArray endingLine(const PartEnding& ending);

// The record these bytes hold, or what is wrong with them.
std::variant<PartRecord, QString> parseRecord(const QByteArray& bytes);

} // namespace lx::check
