// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "table_writer.h"

#include "shown_text.h"

#include <QString>

#include <algorithm>
#include <charconv>
#include <cmath>

namespace lx::cli {

namespace {

bool csvNeedsQuotes(std::string_view text, char delimiter) {
    return std::any_of(text.begin(), text.end(), [delimiter](char c) {
        return c == delimiter || c == '"' || c == '\r' || c == '\n';
    });
}

bool tsvNeedsEscapes(std::string_view text) {
    return std::any_of(text.begin(), text.end(),
                       [](char c) { return c == '\\' || c == '\t' || c == '\n' || c == '\r'; });
}

void appendCsvField(std::string_view text, char delimiter, std::string& out) {
    if (!csvNeedsQuotes(text, delimiter)) {
        out.append(text);
        return;
    }
    out.push_back('"');
    for (const char c : text) {
        if (c == '"') {
            out.push_back('"');
        }
        out.push_back(c);
    }
    out.push_back('"');
}

void appendTsvField(std::string_view text, std::string& out) {
    if (!tsvNeedsEscapes(text)) {
        out.append(text);
        return;
    }
    for (const char c : text) {
        switch (c) {
        case '\\':
            out.append("\\\\");
            break;
        case '\t':
            out.append("\\t");
            break;
        case '\n':
            out.append("\\n");
            break;
        case '\r':
            out.append("\\r");
            break;
        default:
            out.push_back(c);
        }
    }
}

void appendJsonString(std::string_view bytes, std::string& out) {
    // JSON holds UTF-8 only.
    const QByteArray text = cellText(bytes).toUtf8();
    out.push_back('"');
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out.push_back('\\');
            out.push_back(c);
        } else if (byte < 0x20) {
            static const char hex[] = "0123456789abcdef";
            out.append("\\u00");
            out.push_back(hex[byte >> 4]);
            out.push_back(hex[byte & 15]);
        } else {
            out.push_back(c);
        }
    }
    out.push_back('"');
}

void appendJsonNumber(double value, std::string& out) {
    char buffer[32];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
    if (!std::isfinite(value) || error != std::errc()) {
        out.append("null");
        return;
    }
    out.append(buffer, end);
}

void appendJsonCell(const Cell& cell, std::string& out) {
    switch (cell.kind) {
    case Cell::Kind::Empty:
        out.append("null");
        break;
    case Cell::Kind::Text:
        appendJsonString(cell.text, out);
        break;
    case Cell::Kind::Number:
        appendJsonNumber(cell.number, out);
        break;
    }
}

} // namespace

void TableWriter::appendText(std::string_view text, std::string& out) const {
    if (m_format == OutputFormat::Tsv) {
        appendTsvField(text, out);
    } else {
        appendCsvField(text, m_delimiter, out);
    }
}

void TableWriter::appendCell(const Cell& cell, std::string& out) const {
    switch (cell.kind) {
    case Cell::Kind::Empty:
        break;
    case Cell::Kind::Text:
        appendText(cell.text, out);
        break;
    case Cell::Kind::Number: {
        if (!cell.text.empty()) {
            appendText(cell.text, out);
            break;
        }
        // Written in place; only a delimiter that can occur in a number (a digit, '-', the
        // decimal separator) sends it through the quoting.
        const std::size_t start = out.size();
        m_style.appendShortest(cell.number, out);
        const std::string_view number(out.data() + start, out.size() - start);
        const bool plain = m_format == OutputFormat::Tsv ? !tsvNeedsEscapes(number)
                                                         : !csvNeedsQuotes(number, m_delimiter);
        if (!plain) {
            const std::string text(number);
            out.resize(start);
            appendText(text, out);
        }
        break;
    }
    }
}

void TableWriter::appendHeader(std::string& out) const {
    if (m_format == OutputFormat::Jsonl) {
        return;
    }
    const char separator = m_format == OutputFormat::Tsv ? '\t' : m_delimiter;
    for (std::size_t k = 0; k < m_columns.size(); ++k) {
        if (k > 0) {
            out.push_back(separator);
        }
        appendText(m_columns[k].name, out);
    }
    out += m_lineEnd;
}

void TableWriter::appendRow(const RecordBatch& batch, std::size_t record, const RowResults& results,
                            std::string& out) const {
    if (m_format == OutputFormat::Jsonl) {
        appendJsonRow(batch, record, results, out);
        return;
    }
    const char separator = m_format == OutputFormat::Tsv ? '\t' : m_delimiter;
    const std::size_t fields = batch.fieldCount(record);
    for (std::size_t k = 0; k < m_columns.size(); ++k) {
        if (k > 0) {
            out.push_back(separator);
        }
        const OutputColumn& column = m_columns[k];
        if (!column.fromInput) {
            appendCell(results[static_cast<std::size_t>(column.result)], out);
        } else if (column.inputIndex < fields) {
            appendText(batch.field(record, column.inputIndex), out);
        }
    }
    const std::size_t used = usedFieldCount(batch, record, m_headerWidth);
    for (std::size_t k = m_headerWidth; k < used; ++k) {
        out.push_back(separator);
        appendText(batch.field(record, k), out);
    }
    out += m_lineEnd;
}

void TableWriter::appendCells(const std::vector<Cell>& cells, std::string& out) const {
    const bool json = m_format == OutputFormat::Jsonl;
    const char separator = m_format == OutputFormat::Tsv ? '\t' : m_delimiter;
    if (json) {
        out.push_back('{');
    }
    for (std::size_t k = 0; k < m_columns.size() && k < cells.size(); ++k) {
        if (k > 0) {
            out.push_back(json ? ',' : separator);
        }
        if (!json) {
            appendCell(cells[k], out);
            continue;
        }
        appendJsonString(m_columns[k].name, out);
        out.push_back(':');
        appendJsonCell(cells[k], out);
    }
    out += json ? std::string("}\n") : m_lineEnd;
}

void TableWriter::appendJsonRow(const RecordBatch& batch, std::size_t record,
                                const RowResults& results, std::string& out) const {
    const std::size_t fields = batch.fieldCount(record);
    out.push_back('{');
    for (std::size_t k = 0; k < m_columns.size(); ++k) {
        if (k > 0) {
            out.push_back(',');
        }
        const OutputColumn& column = m_columns[k];
        appendJsonString(column.name, out);
        out.push_back(':');
        if (column.fromInput) {
            if (column.inputIndex < fields) {
                appendJsonString(batch.field(record, column.inputIndex), out);
            } else {
                out.append("null");
            }
            continue;
        }
        appendJsonCell(results[static_cast<std::size_t>(column.result)], out);
    }
    const std::size_t used = usedFieldCount(batch, record, m_headerWidth);
    if (used > m_headerWidth) {
        out.push_back(',');
        appendJsonString(m_extraKey, out);
        out.append(":[");
        for (std::size_t k = m_headerWidth; k < used; ++k) {
            if (k > m_headerWidth) {
                out.push_back(',');
            }
            appendJsonString(batch.field(record, k), out);
        }
        out.push_back(']');
    }
    out.append("}\n");
}

} // namespace lx::cli
