// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <csv.h>

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace lx::cli {

// A run of parsed records kept flat: every field's bytes in one buffer, so a chunk of rows
// costs a few allocations however many fields it holds. Each record knows the line it starts on.
class RecordBatch {
public:
    void addField(std::string_view bytes);
    void endRecord(std::size_t line);
    // Appends the fields of other's first record as a new record of this batch.
    void appendRecord(const RecordBatch& other, std::size_t line);
    void clear();

    std::size_t size() const { return m_recordEnds.size(); }
    std::size_t fieldCount(std::size_t record) const;
    std::string_view field(std::size_t record, std::size_t index) const;
    std::size_t line(std::size_t record) const { return m_recordLines[record]; }
    std::size_t byteSize() const { return m_bytes.size(); }
    // Fields added since the last complete record.
    std::size_t openFieldCount() const;
    // Moves those fields to the (empty) batch open.
    void moveOpenRecordTo(RecordBatch& open);

private:
    std::size_t firstField(std::size_t record) const {
        return record == 0 ? 0 : m_recordEnds[record - 1];
    }
    std::size_t fieldBegin(std::size_t field) const {
        return field == 0 ? 0 : m_fieldEnds[field - 1];
    }
    std::string m_bytes;
    std::vector<std::size_t> m_fieldEnds;   // end offset of each field in m_bytes
    std::vector<std::size_t> m_recordEnds;  // end index of each record in m_fieldEnds
    std::vector<std::size_t> m_recordLines; // the line each record starts on, from 1
};

// Streaming RFC 4180 reader over libcsv: quoted fields with embedded delimiters, quotes and
// newlines, CRLF, LF or CR, a UTF-8 byte-order mark at the very start skipped. Fields keep their
// blanks. Blank lines hold no record but count as lines.
class CsvReader {
public:
    explicit CsvReader(char delimiter);
    ~CsvReader();
    CsvReader(const CsvReader&) = delete;
    CsvReader& operator=(const CsvReader&) = delete;

    enum class Status { Ok, OutOfMemory, UnclosedQuote };

    // Parses the next bytes, appending the records they complete to batch (a record begun in
    // earlier bytes included).
    Status feed(std::string_view bytes, RecordBatch& batch);
    // Ends the input: a last record without a line end is completed. UnclosedQuote when the
    // last field opens a quote that never closes; the record is then left out.
    Status finish(RecordBatch& batch);

    // The line the parser has reached, from 1; after UnclosedQuote, the line the unclosed
    // record starts on.
    std::size_t line() const { return m_line; }

private:
    Status parse(std::string_view bytes, RecordBatch& batch);
    void addField(std::string_view bytes);
    void endRecord(int terminator);
    void countLines(std::string_view bytes);
    static void onField(void* data, std::size_t length, void* self);
    static void onRecordEnd(int terminator, void* self);

    csv_parser m_parser{};
    RecordBatch* m_batch = nullptr;
    bool m_started = false;
    std::string m_start; // the first bytes, while they could still be a byte-order mark
    // A record that began in earlier bytes: its fields wait here, not in a batch, so a record
    // longer than many reads is copied once, not at every read.
    RecordBatch m_open;
    std::size_t m_line = 1;
    std::size_t m_recordLine = 1; // where the record being read starts
    bool m_recordBegun = false;
    bool m_afterCarriageReturn = false;
};

} // namespace lx::cli
