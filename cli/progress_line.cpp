// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "progress_line.h"

#include <algorithm>
#include <string>

namespace lx::cli {

namespace {
constexpr int barWidth = 30;
constexpr auto redrawEvery = std::chrono::milliseconds(200);
} // namespace

ProgressLine::ProgressLine(std::FILE* terminal, std::size_t totalBytes)
    : m_terminal(terminal)
    , m_totalBytes(std::max<std::size_t>(totalBytes, 1)) {}

void ProgressLine::update(std::size_t bytesRead, std::size_t rowsDone) {
    const Clock::time_point now = Clock::now();
    if (now - m_lastDrawn < redrawEvery) {
        return;
    }
    m_lastDrawn = now;
    const double share = std::min(1.0, static_cast<double>(bytesRead) / m_totalBytes);
    const int filled = static_cast<int>(share * barWidth);
    const double seconds = std::chrono::duration<double>(now - m_start).count();
    const std::string bar =
        std::string(static_cast<std::size_t>(filled), '#') + std::string(barWidth - filled, ' ');
    std::fprintf(m_terminal, "\r[%s] %3.0f%%  %.0f rows/s", bar.c_str(), share * 100,
                 seconds > 0 ? rowsDone / seconds : 0.0);
    std::fflush(m_terminal);
}

void ProgressLine::clear() {
    std::fprintf(m_terminal, "\r\033[K");
    std::fflush(m_terminal);
}

} // namespace lx::cli
