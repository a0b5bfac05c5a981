#include "csv_records.h"

#include <algorithm>
#include <cassert>

namespace lx::cli {

void RecordBatch::addField(std::string_view bytes) {
    m_bytes.append(bytes);
    m_fieldEnds.push_back(m_bytes.size());
}

void RecordBatch::endRecord() {
    m_recordEnds.push_back(m_fieldEnds.size());
}

void RecordBatch::clear() {
    m_bytes.clear();
    m_fieldEnds.clear();
    m_recordEnds.clear();
}

void RecordBatch::takeOpenRecord(std::vector<std::string>& fields) {
    const std::size_t first = m_recordEnds.empty() ? 0 : m_recordEnds.back();
    const std::size_t begin = first == 0 ? 0 : m_fieldEnds[first - 1];
    std::size_t start = begin;
    for (std::size_t k = first; k < m_fieldEnds.size(); ++k) {
        fields.emplace_back(m_bytes, start, m_fieldEnds[k] - start);
        start = m_fieldEnds[k];
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
    const std::size_t begin = at == 0 ? 0 : m_fieldEnds[at - 1];
    return std::string_view(m_bytes).substr(begin, m_fieldEnds[at] - begin);
}

namespace {

constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";

// Blanks belong to the field: the pass-through columns must come out unchanged.
int noBlanks(unsigned char) {
    return 0;
}

} // namespace

CsvReader::CsvReader(char delimiter) {
    csv_init(&m_parser, 0);
    csv_set_delim(&m_parser, static_cast<unsigned char>(delimiter));
    csv_set_space_func(&m_parser, noBlanks);
}

CsvReader::~CsvReader() {
    csv_free(&m_parser);
}

void CsvReader::onField(void* data, std::size_t length, void* self) {
    auto* reader = static_cast<CsvReader*>(self);
    reader->m_batch->addField(data ? std::string_view(static_cast<const char*>(data), length)
                                   : std::string_view());
}

void CsvReader::onRecordEnd(int, void* self) {
    static_cast<CsvReader*>(self)->m_batch->endRecord();
}

bool CsvReader::parse(std::string_view bytes, RecordBatch& batch) {
    m_batch = &batch;
    for (const std::string& field : m_openRecord) {
        batch.addField(field);
    }
    m_openRecord.clear();
    const bool parsed = csv_parse(&m_parser, bytes.data(), bytes.size(), onField, onRecordEnd,
                                  this) == bytes.size();
    batch.takeOpenRecord(m_openRecord);
    return parsed;
}

bool CsvReader::feed(std::string_view bytes, RecordBatch& batch) {
    if (!m_started) {
        // Hold back the start until it is clear whether it is a byte-order mark.
        const std::size_t take = std::min(bytes.size(), byteOrderMark.size() - m_start.size());
        m_start.append(bytes.substr(0, take));
        bytes.remove_prefix(take);
        if (m_start.size() < byteOrderMark.size() && byteOrderMark.starts_with(m_start)) {
            return true;
        }
        m_started = true;
        if (m_start != byteOrderMark && !parse(m_start, batch)) {
            return false;
        }
    }
    return parse(bytes, batch);
}

bool CsvReader::finish(RecordBatch& batch) {
    if (!m_started) {
        m_started = true;
        if (!parse(m_start, batch)) {
            return false;
        }
    }
    m_batch = &batch;
    for (const std::string& field : m_openRecord) {
        batch.addField(field);
    }
    m_openRecord.clear();
    return csv_fini(&m_parser, onField, onRecordEnd, this) == 0;
}

} // namespace lx::cli
