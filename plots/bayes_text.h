// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QString>

#include <vector>

namespace lx::plots {

// A power of ten as a tick label: plain from 0.001 to 1000, "10^k" with a superscript beyond.
QString powerOfTenText(int exponent, const QLocale& locale);

// A tick of a logarithmic axis: where it lies (log10 of its value) and its text.
struct LogTick {
    double log10 = 0;
    QString label;
};

// Ticks between 10^low and 10^high, about maxTicks of them: whole powers of ten (every one, or
// every second, fifth, ...) over a wide range; over less than two decades, nice steps of the
// value itself, which a single power of ten would leave unmarked.
std::vector<LogTick> logTicks(double low, double high, int maxTicks, const QLocale& locale);

} // namespace lx::plots
