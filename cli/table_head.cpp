// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "table_head.h"

#include "batch_pipeline.h"
#include "batch_text.h"
#include "table_layout.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace lx::cli {

namespace {

// What is read before the delimiter and decimal mark are decided, from the header on; and the
// most that is read to reach the header.
constexpr std::size_t sniffBytes = 64 * 1024;
constexpr std::size_t sniffLines = 21;
constexpr std::size_t headerSearchBytes = 16 * 1024 * 1024;

// Where line (from 1) starts in text, or npos when text ends before it; lines end at LF, CR LF
// or CR, as the reader counts them.
std::size_t lineOffset(std::string_view text, std::size_t line) {
    std::size_t at = 0;
    for (std::size_t current = 1; current < line; ++current) {
        const std::size_t end = text.find_first_of("\r\n", at);
        if (end == std::string_view::npos) {
            return std::string_view::npos;
        }
        at = end + 1;
        if (text[end] == '\r' && at < text.size() && text[at] == '\n') {
            ++at;
        }
    }
    return at;
}

std::string_view fromHeader(const TableHead& head) {
    const std::size_t header = lineOffset(head.start, head.headerLine);
    return header == std::string_view::npos ? std::string_view()
                                            : std::string_view(head.start).substr(header);
}

} // namespace

std::variant<TableHead, QString> readTableHead(TableInput& input, const BatchOptions& options,
                                               std::vector<char>& buffer) {
    TableHead head;
    head.headerLine = options.headerLine;
    const auto enoughToSniff = [&] {
        const std::string_view lines = fromHeader(head);
        return lines.size() >= sniffBytes || head.start.size() >= headerSearchBytes ||
               static_cast<std::size_t>(std::count(lines.begin(), lines.end(), '\n')) >= sniffLines;
    };
    while (!head.atEnd && !enoughToSniff()) {
        const ssize_t got = input.read(buffer.data(), buffer.size());
        if (got < 0) {
            return BatchText::tr("cannot read: %1")
                .arg(QString::fromLocal8Bit(std::strerror(errno)));
        }
        head.atEnd = got == 0;
        head.start.append(buffer.data(), static_cast<std::size_t>(got));
    }
    std::optional<char> delimiter = options.delimiter;
    if (const auto declared = declaredDelimiter(head.start)) {
        // That line is no part of the table; a delimiter given outright still wins.
        delimiter = delimiter.value_or(*declared);
        head.headerLine = std::max<std::size_t>(head.headerLine, 2);
    }
    const auto witnesses = [&](const std::vector<std::string>& header) {
        return decimalWitnesses(header, options.map);
    };
    head.format =
        tableFormat(options, sniffTable(fromHeader(head), head.atEnd, delimiter, witnesses));
    head.format.byteOrderMark =
        head.format.output != OutputFormat::Jsonl &&
        (input.isUtf16() || std::string_view(head.start).starts_with(utf8Mark));
    if (head.format.output != OutputFormat::Jsonl) {
        head.format.lineEnd = lineEndOf(fromHeader(head));
    }
    return head;
}

} // namespace lx::cli
