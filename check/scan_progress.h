// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdio>

namespace lx::check {

// How far a long run has come, on one line of a terminal redrawn in place at most a few times
// a second: "120 of 400 files, 9,015 results, 36 files/s, 8 s left". Only on a terminal: a log
// or a pipe gets the summary lines alone.
class ScanProgress {
public:
    // Draws nothing where `err` is no terminal.
    ScanProgress(std::FILE* err, std::size_t files);

    void update(std::size_t filesDone, std::size_t results);
    // Wipes the line, before another is written to the terminal or at the end.
    void clear();

private:
    using Clock = std::chrono::steady_clock;
    std::FILE* m_terminal; // null where err is no terminal
    std::size_t m_files;
    bool m_drawn = false;
    Clock::time_point m_start = Clock::now();
    Clock::time_point m_lastDrawn = m_start - std::chrono::seconds(1); // the first at once
};

} // namespace lx::check
