// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringDecoder>

#include <cstddef>
#include <optional>
#include <string>
#include <sys/types.h>

namespace lx::cli {

// The table's bytes from a file or standard input, as UTF-8: a file that starts with a UTF-16
// byte-order mark (Excel's "Unicode Text") is decoded on the way, anything else passes as read.
class TableInput {
public:
    // An empty name or "-" is standard input.
    explicit TableInput(const QString& file);
    ~TableInput();
    TableInput(const TableInput&) = delete;
    TableInput& operator=(const TableInput&) = delete;

    bool isOpen() const { return m_fd >= 0; }
    const std::string& name() const { return m_name; }
    std::size_t size() const { return m_size; } // 0 when not a regular file
    bool isFile() const { return !m_standard && m_size > 0; }
    // Bytes taken from the file so far, for progress against size().
    std::size_t consumed() const { return m_consumed; }

    // The file is UTF-16, found by its byte-order mark; known after the first read.
    bool isUtf16() const { return m_utf16.has_value(); }

    // Up to size bytes of UTF-8, 0 at the end, -1 on an error (errno says which).
    ssize_t read(char* buffer, std::size_t size);

private:
    ssize_t readRaw(char* buffer, std::size_t size);
    // Looks at the first bytes for a UTF-16 byte-order mark; false on a read error.
    bool detectEncoding();

    bool m_standard;
    std::string m_name;
    int m_fd = -1;
    std::size_t m_size = 0;
    std::size_t m_consumed = 0;
    bool m_detected = false;
    std::string m_head; // the first bytes, read to find the byte-order mark
    std::optional<QStringDecoder> m_utf16;
    std::string m_decoded; // decoded and not yet handed out
    std::size_t m_decodedAt = 0;
};

} // namespace lx::cli
