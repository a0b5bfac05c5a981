// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "table_input.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lx::cli {

TableInput::TableInput(const QString& file)
    : m_standard(file.isEmpty() || file == QLatin1String("-")) {
    m_name = m_standard ? std::string("standard input") : file.toStdString();
    m_fd = m_standard ? STDIN_FILENO : ::open(file.toLocal8Bit().constData(), O_RDONLY);
    struct stat info {};
    if (m_fd >= 0 && ::fstat(m_fd, &info) == 0) {
        if (S_ISDIR(info.st_mode)) {
            ::close(m_fd);
            m_fd = -1;
            errno = EISDIR;
        } else if (S_ISREG(info.st_mode)) {
            m_size = static_cast<std::size_t>(info.st_size);
        }
    }
}

TableInput::~TableInput() {
    if (!m_standard && m_fd >= 0) {
        ::close(m_fd);
    }
}

ssize_t TableInput::readRaw(char* buffer, std::size_t size) {
    for (;;) {
        const ssize_t got = ::read(m_fd, buffer, size);
        if (got >= 0 || errno != EINTR) {
            m_consumed += got > 0 ? static_cast<std::size_t>(got) : 0;
            return got;
        }
    }
}

bool TableInput::detectEncoding() {
    // A pipe may hand over a single byte first: the mark needs two.
    char byte[2];
    while (m_head.size() < 2) {
        const ssize_t got = readRaw(byte, 2 - m_head.size());
        if (got < 0) {
            return false;
        }
        if (got == 0) {
            break;
        }
        m_head.append(byte, static_cast<std::size_t>(got));
    }
    m_detected = true;
    if (m_head == "\xFF\xFE") {
        m_utf16.emplace(QStringDecoder::Utf16LE);
    } else if (m_head == "\xFE\xFF") {
        m_utf16.emplace(QStringDecoder::Utf16BE);
    }
    if (m_utf16) {
        m_head.clear(); // the decoder would drop the mark anyway
    }
    return true;
}

ssize_t TableInput::read(char* buffer, std::size_t size) {
    if (!m_detected && !detectEncoding()) {
        return -1;
    }
    if (!m_head.empty()) { // the first bytes of a file read as it is
        const std::size_t taken = std::min(size, m_head.size());
        std::memcpy(buffer, m_head.data(), taken);
        m_head.erase(0, taken);
        return static_cast<ssize_t>(taken);
    }
    if (!m_utf16) {
        return readRaw(buffer, size);
    }
    while (m_decodedAt == m_decoded.size()) {
        const ssize_t got = readRaw(buffer, size);
        if (got <= 0) {
            return got;
        }
        m_decoded = QString((*m_utf16)(QByteArrayView(buffer, got))).toStdString();
        m_decodedAt = 0;
    }
    const std::size_t taken = std::min(size, m_decoded.size() - m_decodedAt);
    std::memcpy(buffer, m_decoded.data() + m_decodedAt, taken);
    m_decodedAt += taken;
    return static_cast<ssize_t>(taken);
}

} // namespace lx::cli
