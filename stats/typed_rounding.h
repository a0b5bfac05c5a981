// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "interval.h"
#include "summary_input.h"

#include <QLocale>
#include <QString>

#include <optional>

namespace lx {

// How closely a typed value is known. A number typed with k decimals stands for anything within
// half a unit of its last digit. A value worked out from a typed one (an SD from a typed SE)
// carries the typed one's half-width scaled with it, but has no decimals of its own. An exponent
// form or a computed value is exact.
struct Rounding {
    std::optional<int> decimals; // as typed; nullopt when the value was not typed as a decimal
    double halfWidth = 0;        // 0 for an exact value

    // The rounding of a number typed with these decimals (nullopt: exact).
    static Rounding ofDecimals(std::optional<int> decimals);
    // The rounding of factor (>= 0) times the value: its half-width scaled, its decimals gone.
    Rounding scaled(double factor) const;
    // Every value the typed one may stand for.
    Interval around(double value) const { return {value - halfWidth, value + halfWidth}; }
};

// Half a unit of the last of `decimals` digits (0.05 for one).
double halfUnit(int decimals);

// The rounding of each mean and SD of a summary; all exact unless they came from typed text.
struct TypedRounding {
    Rounding m1, sd1, m2, sd2;

    static TypedRounding ofDecimals(std::optional<int> m1, std::optional<int> sd1,
                                    std::optional<int> m2, std::optional<int> sd2);
    bool allExact() const;
};

// |M1 - M2| and each SD over every summary the typed values allow, the SDs floored at 0.
struct SummaryBounds {
    Interval difference;
    Interval sd1;
    Interval sd2;
};
SummaryBounds summaryBounds(const Summary& summary, const TypedRounding& rounding);

// The decimals of a number as typed: the digits after the decimal separator, 0 for none,
// nullopt for an exponent form (taken as exact). The text must be one checkSummary accepted.
std::optional<int> typedDecimals(const QString& text, const QLocale& locale);

} // namespace lx
