// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: LGPL-3.0-or-later
#include "figure_text.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace lx::figure_text {

namespace {

// From a million (this power of ten) up a figure is written with its exponent.
constexpr int exponentFrom = 6;
// A p closer to 1 than this many decimals can tell is written as beyond them.
constexpr int mostPDecimals = 6;

QLocale plain(const QLocale& locale) {
    QLocale copy = locale;
    copy.setNumberOptions(QLocale::OmitGroupSeparator);
    return copy;
}

// The decimal exponent of a value once rounded to `digits` significant digits.
int roundedExponent(double value, int digits) {
    int exponent = static_cast<int>(std::floor(std::log10(std::fabs(value))));
    const double scaled = std::round(std::fabs(value) / std::pow(10.0, exponent - digits + 1));
    if (scaled >= std::pow(10.0, digits)) {
        ++exponent;
    }
    return exponent;
}

} // namespace

QString decimals(double value, int decimals, const QLocale& locale) {
    const bool huge = std::round(std::fabs(value) * std::pow(10.0, decimals)) >=
                      std::pow(10.0, exponentFrom + decimals);
    return plain(locale).toString(value, huge ? 'e' : 'f', decimals);
}

QString whole(double value, const QLocale& locale) {
    return plain(locale).toString(value, 'f', 0);
}

QString significant(double value, int digits, const QLocale& locale) {
    const QLocale numbers = plain(locale);
    if (value == 0 || !std::isfinite(value)) {
        return numbers.toString(value, 'f', digits - 1);
    }
    const int exponent = roundedExponent(value, digits);
    if (exponent < -4 || exponent >= exponentFrom) {
        return numbers.toString(value, 'e', digits - 1);
    }
    return numbers.toString(value, 'f', std::max(0, digits - 1 - exponent));
}

QString pValue(double p, int digits, const QLocale& locale) {
    const QLocale numbers = plain(locale);
    if (p == 0) {
        return QStringLiteral("< ") +
               significant(std::numeric_limits<double>::min(), digits, locale);
    }
    if (p == 1) {
        return numbers.toString(1); // t = 0: exactly 1, and no rounding
    }
    if (!(p > 0 && p < 1) || roundedExponent(p, digits) < 0) {
        return significant(p, digits, locale);
    }
    // It rounds to 1: the fewest decimals that keep it below.
    for (int decimals = digits; decimals <= mostPDecimals; ++decimals) {
        if (std::round(p * std::pow(10.0, decimals)) < std::pow(10.0, decimals)) {
            return numbers.toString(p, 'f', decimals);
        }
    }
    return QStringLiteral("> ") +
           numbers.toString(1 - std::pow(10.0, -mostPDecimals), 'f', mostPDecimals);
}

QString bayesFactor(double logBf, int digits, const QLocale& locale) {
    const QLocale numbers = plain(locale);
    const double log10 = logBf / std::log(10.0);
    if (std::isnan(log10)) {
        return QStringLiteral("\u2013");
    }
    const double factor = std::exp(logBf);
    if (log10 >= -4 && log10 < 4) {
        const QString text = significant(factor, digits, locale);
        // 9999.5 and up round to five digits: written as 1.00e+04 instead.
        if (factor < 1e4 && roundedExponent(factor, digits) < 4) {
            return text;
        }
    }
    if (std::isfinite(factor) && factor > 0) {
        return numbers.toString(factor, 'e', digits - 1);
    }
    // Beyond the range of a double: the mantissa and exponent from the log.
    double exponent = std::floor(log10);
    double mantissa = std::pow(10.0, log10 - exponent);
    if (std::round(mantissa * std::pow(10.0, digits - 1)) >= std::pow(10.0, digits)) {
        mantissa /= 10;
        exponent += 1;
    }
    const QString sign = exponent < 0 ? numbers.negativeSign() : numbers.positiveSign();
    return numbers.toString(mantissa, 'f', digits - 1) + numbers.exponential() + sign +
           QString::number(std::fabs(exponent), 'f', 0).rightJustified(2, u'0');
}

} // namespace lx::figure_text
