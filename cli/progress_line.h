// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdio>

namespace lx::cli {

// A one-line progress bar on a terminal: the share of the file read and rows per second,
// redrawn at most a few times a second.
class ProgressLine {
public:
    ProgressLine(std::FILE* terminal, std::size_t totalBytes);
    void update(std::size_t bytesRead, std::size_t rowsDone);
    void clear();

private:
    using Clock = std::chrono::steady_clock;
    std::FILE* m_terminal;
    std::size_t m_totalBytes;
    Clock::time_point m_start = Clock::now();
    Clock::time_point m_lastDrawn = m_start;
};

} // namespace lx::cli
