// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "bayes_text.h"

#include "axis.h"

#include <cmath>
#include <numbers>

namespace lx::plots {

namespace {

QString superscript(int exponent) {
    static const char16_t digits[] =
        u"\u2070\u00b9\u00b2\u00b3\u2074\u2075\u2076\u2077\u2078\u2079";
    QString text;
    for (const QChar c : QString::number(exponent)) {
        text += c == u'-' ? QChar(u'\u207b') : QChar(digits[c.digitValue()]);
    }
    return text;
}

} // namespace

QString powerOfTenText(int exponent, const QLocale& locale) {
    if (exponent >= -3 && exponent <= 3) {
        return locale.toString(std::pow(10.0, exponent), 'f', std::max(0, -exponent));
    }
    return QStringLiteral("10") + superscript(exponent);
}

std::vector<LogTick> logTicks(double low, double high, int maxTicks, const QLocale& locale) {
    std::vector<LogTick> ticks;
    if (high - low >= 2) {
        const Axis decades(low, high, 0, 1, maxTicks, 1);
        for (const double tick : decades.ticks()) {
            const int exponent = static_cast<int>(std::lround(tick));
            ticks.push_back({double(exponent), powerOfTenText(exponent, locale)});
        }
        return ticks;
    }
    const Axis values(std::pow(10.0, low), std::pow(10.0, high), 0, 1, maxTicks);
    for (const double tick : values.ticks()) {
        if (tick > 0) {
            ticks.push_back({std::log10(tick), values.label(tick, locale)});
        }
    }
    return ticks;
}

} // namespace lx::plots
