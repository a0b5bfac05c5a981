// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "csv_records.h"

#include <algorithm>
#include <cassert>

namespace lx::cli {

void RecordBatch::addField(std::string_view bytes) {
    m_bytes.append(bytes);
    m_fieldEnds.push_back(m_bytes.size());
}

void RecordBatch::endRecord(std::size_t line) {
    m_recordEnds.push_back(m_fieldEnds.size());
    m_recordLines.push_back(line);
}

void RecordBatch::appendRecord(const RecordBatch& other, std::size_t line) {
    const std::size_t offset = m_bytes.size();
    m_bytes.append(other.m_bytes);
    for (const std::size_t end : other.m_fieldEnds) {
        m_fieldEnds.push_back(offset + end);
    }
    endRecord(line);
}

void RecordBatch::clear() {
    m_bytes.clear();
    m_fieldEnds.clear();
    m_recordEnds.clear();
    m_recordLines.clear();
}

std::size_t RecordBatch::openFieldCount() const {
    return m_fieldEnds.size() - (m_recordEnds.empty() ? 0 : m_recordEnds.back());
}

void RecordBatch::moveOpenRecordTo(RecordBatch& open) {
    const std::size_t first = m_fieldEnds.size() - openFieldCount();
    const std::size_t begin = fieldBegin(first);
    open.m_bytes.append(m_bytes, begin);
    for (std::size_t k = first; k < m_fieldEnds.size(); ++k) {
        open.m_fieldEnds.push_back(m_fieldEnds[k] - begin);
    }
    m_fieldEnds.resize(first);
    m_bytes.resize(begin);
}

std::size_t RecordBatch::fieldCount(std::size_t record) const {
    return m_recordEnds[record] - firstField(record);
}

std::string_view RecordBatch::field(std::size_t record, std::size_t index) const {
    const std::size_t at = firstField(record) + index;
    assert(at < m_recordEnds[record]);
    const std::size_t begin = fieldBegin(at);
    return std::string_view(m_bytes).substr(begin, m_fieldEnds[at] - begin);
}

namespace {

constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";

// Every line end reaches onRecordEnd, so blank lines are counted too.
constexpr unsigned char parserOptions = CSV_REPALL_NL;

// Blanks belong to the field: the pass-through columns must come out unchanged.
int noBlanks(unsigned char) {
    return 0;
}

} // namespace

CsvReader::CsvReader(char delimiter) {
    csv_init(&m_parser, parserOptions);
    csv_set_delim(&m_parser, static_cast<unsigned char>(delimiter));
    csv_set_space_func(&m_parser, noBlanks);
}

CsvReader::~CsvReader() {
    csv_free(&m_parser);
}

void CsvReader::onField(void* data, std::size_t length, void* self) {
    static_cast<CsvReader*>(self)->addField(
        data ? std::string_view(static_cast<const char*>(data), length) : std::string_view());
}

void CsvReader::onRecordEnd(int terminator, void* self) {
    static_cast<CsvReader*>(self)->endRecord(terminator);
}

// Line breaks inside quoted fields: LF, CRLF or a lone CR each end one line.
void CsvReader::countLines(std::string_view bytes) {
    for (std::size_t k = 0; k < bytes.size(); ++k) {
        if (bytes[k] == '\n' ||
            (bytes[k] == '\r' && (k + 1 == bytes.size() || bytes[k + 1] != '\n'))) {
            ++m_line;
        }
    }
}

void CsvReader::addField(std::string_view bytes) {
    if (!m_recordBegun) {
        m_recordBegun = true;
        m_recordLine = m_line;
    }
    countLines(bytes);
    RecordBatch& target = m_open.openFieldCount() > 0 ? m_open : *m_batch;
    target.addField(bytes);
}

void CsvReader::endRecord(int terminator) {
    // The LF of a CRLF comes as a record end of its own, with no fields.
    const bool secondHalfOfCrLf = terminator == '\n' && m_afterCarriageReturn && !m_recordBegun;
    if ((terminator == '\n' || terminator == '\r') && !secondHalfOfCrLf) {
        ++m_line;
    }
    m_afterCarriageReturn = terminator == '\r';
    if (!m_recordBegun) {
        return;
    }
    m_recordBegun = false;
    if (m_open.openFieldCount() > 0) {
        m_batch->appendRecord(m_open, m_recordLine);
        m_open.clear();
    } else {
        m_batch->endRecord(m_recordLine);
    }
}

CsvReader::Status CsvReader::parse(std::string_view bytes, RecordBatch& batch) {
    m_batch = &batch;
    const bool parsed = csv_parse(&m_parser, bytes.data(), bytes.size(), onField, onRecordEnd,
                                  this) == bytes.size();
    if (batch.openFieldCount() > 0) {
        batch.moveOpenRecordTo(m_open);
    }
    return parsed ? Status::Ok : Status::OutOfMemory;
}

CsvReader::Status CsvReader::feed(std::string_view bytes, RecordBatch& batch) {
    if (!m_started) {
        // Hold back the start until it is clear whether it is a byte-order mark.
        const std::size_t take = std::min(bytes.size(), byteOrderMark.size() - m_start.size());
        m_start.append(bytes.substr(0, take));
        bytes.remove_prefix(take);
        if (m_start.size() < byteOrderMark.size() && byteOrderMark.starts_with(m_start)) {
            return Status::Ok;
        }
        m_started = true;
        if (m_start != byteOrderMark) {
            if (const Status status = parse(m_start, batch); status != Status::Ok) {
                return status;
            }
        }
    }
    return parse(bytes, batch);
}

CsvReader::Status CsvReader::finish(RecordBatch& batch) {
    if (!m_started) {
        m_started = true;
        if (const Status status = parse(m_start, batch); status != Status::Ok) {
            return status;
        }
    }
    m_batch = &batch;
    // Strict only here: a quote that is still open at the end took in every line after it.
    csv_set_opts(&m_parser, parserOptions | CSV_STRICT | CSV_STRICT_FINI);
    if (csv_fini(&m_parser, onField, onRecordEnd, this) != 0) {
        if (!m_recordBegun) {
            m_recordLine = m_line; // the quote opened the record's first field
        }
        m_line = m_recordLine;
        m_open.clear();
        return Status::UnclosedQuote;
    }
    return Status::Ok;
}

} // namespace lx::cli
