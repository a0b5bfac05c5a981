// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace lx::cli {

// Qt's QCommandLineParser::addHelpOption (Debian 12's Qt 6.4) returns with the upper halves of
// the AVX registers in use, and new threads inherit that state. Until a vzeroupper clears it,
// every call from our SSE code into glibc's AVX math functions (exp, log, pow) pays a state
// transition: the full report ran ten times slower. Cleared before each row's arithmetic, so
// nothing Qt does along the way can bring the penalty back.
inline void clearUpperVectorState() {
#if defined(__x86_64__) && defined(__GNUC__)
    static const bool hasAvx = __builtin_cpu_supports("avx");
    if (hasAvx) {
        __asm__ volatile("vzeroupper");
    }
#endif
}

} // namespace lx::cli
