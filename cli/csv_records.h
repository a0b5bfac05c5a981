#pragma once

#include <csv.h>

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace lx::cli {

// A run of parsed records kept flat: every field's bytes in one buffer, so a chunk of rows
// costs a few allocations however many fields it holds.
class RecordBatch {
public:
    void addField(std::string_view bytes);
    void endRecord();
    void clear();
    // Moves the fields after the last complete record to fields.
    void takeOpenRecord(std::vector<std::string>& fields);

    std::size_t size() const { return m_recordEnds.size(); }
    std::size_t fieldCount(std::size_t record) const;
    std::string_view field(std::size_t record, std::size_t index) const;
    std::size_t byteSize() const { return m_bytes.size(); }

private:
    std::size_t firstField(std::size_t record) const {
        return record == 0 ? 0 : m_recordEnds[record - 1];
    }
    std::string m_bytes;
    std::vector<std::size_t> m_fieldEnds;  // end offset of each field in m_bytes
    std::vector<std::size_t> m_recordEnds; // end index of each record in m_fieldEnds
};

// Streaming RFC 4180 reader over libcsv: quoted fields with embedded delimiters, quotes and
// newlines, CRLF or LF, a UTF-8 byte-order mark at the very start skipped. Fields keep their
// blanks. Blank lines hold no record.
class CsvReader {
public:
    explicit CsvReader(char delimiter);
    ~CsvReader();
    CsvReader(const CsvReader&) = delete;
    CsvReader& operator=(const CsvReader&) = delete;

    // Parses the next bytes, appending the records they complete to batch (a record begun in
    // earlier bytes included). False when the parser ran out of memory.
    bool feed(std::string_view bytes, RecordBatch& batch);
    // Ends the input: a last record without a line end is completed.
    bool finish(RecordBatch& batch);

private:
    bool parse(std::string_view bytes, RecordBatch& batch);
    static void onField(void* data, std::size_t length, void* self);
    static void onRecordEnd(int terminator, void* self);

    csv_parser m_parser{};
    RecordBatch* m_batch = nullptr;
    bool m_started = false;
    std::string m_start; // the first bytes, while they could still be a byte-order mark
    std::vector<std::string> m_openRecord; // fields of a record that goes on in the next bytes
};

} // namespace lx::cli
