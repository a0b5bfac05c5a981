// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "scan_progress.h"

#include "check_text.h"

#include <QLocale>

#include <unistd.h>

namespace lx::check {

namespace {
constexpr auto redrawEvery = std::chrono::milliseconds(200);
} // namespace

ScanProgress::ScanProgress(std::FILE* err, std::size_t files)
    : m_terminal(isatty(fileno(err)) ? err : nullptr)
    , m_files(files) {}

void ScanProgress::update(std::size_t filesDone, std::size_t results) {
    const Clock::time_point now = Clock::now();
    if (!m_terminal || now - m_lastDrawn < redrawEvery) {
        return;
    }
    m_lastDrawn = now;
    const double seconds = std::chrono::duration<double>(now - m_start).count();
    const double rate = seconds > 0 ? static_cast<double>(filesDone) / seconds : 0;
    const QLocale locale;
    QString line =
        CheckText::tr("%1 of %2 files, %3 results, %4 files/s")
            .arg(locale.toString(qulonglong(filesDone)), locale.toString(qulonglong(m_files)),
                 locale.toString(qulonglong(results)),
                 locale.toString(rate, 'f', rate < 10 ? 1 : 0));
    if (rate > 0 && filesDone < m_files) {
        const double left = static_cast<double>(m_files - filesDone) / rate;
        line += CheckText::tr(", %1 s left").arg(locale.toString(left, 'f', 0));
    }
    std::fprintf(m_terminal, "\r\033[K%s", line.toLocal8Bit().constData());
    std::fflush(m_terminal);
    m_drawn = true;
}

void ScanProgress::clear() {
    if (m_terminal && m_drawn) {
        std::fprintf(m_terminal, "\r\033[K");
        std::fflush(m_terminal);
        m_drawn = false;
    }
}

} // namespace lx::check
