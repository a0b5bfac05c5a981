// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "typed_rounding.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace lx {

double halfUnit(int decimals) {
    // Exact to the last bit for the usual counts, whatever the platform's pow does.
    static constexpr std::array<double, 10> halves = {0.5,  0.05, 0.005, 5e-4, 5e-5,
                                                      5e-6, 5e-7, 5e-8,  5e-9, 5e-10};
    return decimals >= 0 && decimals < 10 ? halves[static_cast<std::size_t>(decimals)]
                                          : 0.5 * std::pow(10.0, -decimals);
}

Rounding Rounding::ofDecimals(std::optional<int> decimals) {
    return {decimals, decimals ? halfUnit(*decimals) : 0.0};
}

Rounding Rounding::scaled(double factor) const {
    return {std::nullopt, halfWidth * factor};
}

TypedRounding TypedRounding::ofDecimals(std::optional<int> m1, std::optional<int> sd1,
                                        std::optional<int> m2, std::optional<int> sd2) {
    return {Rounding::ofDecimals(m1), Rounding::ofDecimals(sd1), Rounding::ofDecimals(m2),
            Rounding::ofDecimals(sd2)};
}

bool TypedRounding::allExact() const {
    return m1.halfWidth == 0 && sd1.halfWidth == 0 && m2.halfWidth == 0 && sd2.halfWidth == 0;
}

SummaryBounds summaryBounds(const Summary& s, const TypedRounding& rounding) {
    const double difference = std::fabs(s.m1 - s.m2);
    const double slack = rounding.m1.halfWidth + rounding.m2.halfWidth;
    const auto sdBounds = [](double sd, const Rounding& typed) {
        const Interval range = typed.around(sd);
        return Interval{std::max(0.0, range.lower), range.upper};
    };
    return {{std::max(0.0, difference - slack), difference + slack},
            sdBounds(s.sd1, rounding.sd1),
            sdBounds(s.sd2, rounding.sd2)};
}

std::optional<int> typedDecimals(const QString& text, const QLocale& locale) {
    const QString trimmed = text.trimmed();
    if (trimmed.contains(QLatin1Char('e'), Qt::CaseInsensitive)) {
        return std::nullopt;
    }
    const qsizetype point = trimmed.lastIndexOf(locale.decimalPoint());
    if (point < 0) {
        return 0;
    }
    int digits = 0;
    for (qsizetype k = point + 1; k < trimmed.size() && trimmed.at(k).isDigit(); ++k) {
        ++digits;
    }
    return digits;
}

} // namespace lx
