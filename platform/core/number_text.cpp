// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: LGPL-3.0-or-later
#include "number_text.h"

#include "runtime_error.h"

#include <cmath>
#include <limits>

namespace lx::number_text {

namespace {

// Words Qt's parser accepts as numbers but a user never means as one.
bool looksLikeNonFinite(const QString& text) {
    const QString lower = text.toLower();
    return lower.contains(QLatin1String("inf")) || lower.contains(QLatin1String("nan"));
}

QLocale withoutGrouping(const QLocale& locale) {
    QLocale plain = locale;
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    return plain;
}

// 'G' gives exactly the general form: trailing zeros dropped, plain notation
// inside [1E-4, 10^digits), otherwise "1.5E+16" with a two-digit exponent.
QString shortestText(double value, int significantDigits, const QLocale& locale) {
    if (value == 0.0) {
        value = 0.0; // no "-0"
    }
    return withoutGrouping(locale).toString(value, 'G', significantDigits);
}

} // namespace

double toDouble(const QString& text, const QLocale& locale) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty() || looksLikeNonFinite(trimmed)) {
        throw RuntimeError(ErrorNumber::TypeMismatch);
    }
    bool ok = false;
    const double value = locale.toDouble(trimmed, &ok);
    if (!ok) {
        // Qt reports an out-of-range magnitude as a failed conversion to infinity.
        if (std::isinf(value)) {
            throw RuntimeError(ErrorNumber::Overflow);
        }
        throw RuntimeError(ErrorNumber::TypeMismatch);
    }
    return value;
}

float toSingle(const QString& text, const QLocale& locale) {
    const double value = toDouble(text, locale);
    if (std::fabs(value) > static_cast<double>(std::numeric_limits<float>::max())) {
        throw RuntimeError(ErrorNumber::Overflow);
    }
    return static_cast<float>(value);
}

std::int32_t toLong(const QString& text, const QLocale& locale) {
    return roundToLong(toDouble(text, locale));
}

std::int32_t roundToLong(double value) {
    // nearbyint rounds in the default mode, to nearest with halves to even.
    const double rounded = std::nearbyint(value);
    if (rounded < static_cast<double>(std::numeric_limits<std::int32_t>::min()) ||
        rounded > static_cast<double>(std::numeric_limits<std::int32_t>::max())) {
        throw RuntimeError(ErrorNumber::Overflow);
    }
    return static_cast<std::int32_t>(rounded);
}

QString fromLong(std::int32_t value, const QLocale& locale) {
    return withoutGrouping(locale).toString(value);
}

QString fromSingle(float value, const QLocale& locale) {
    return shortestText(static_cast<double>(value), 7, locale);
}

QString fromDouble(double value, const QLocale& locale) {
    return shortestText(value, 15, locale);
}

QString fromDoubleFitting(double value, const std::function<bool(const QString&)>& fits,
                          const QLocale& locale) {
    for (int digits = 15; digits > 0; --digits) {
        QString text = shortestText(value, digits, locale);
        if (fits(text)) {
            return text;
        }
    }
    return QString();
}

QString interval(const QString& lower, const QString& upper, const QLocale& locale) {
    const QString separator =
        locale.decimalPoint() == QStringLiteral(",") ? QStringLiteral("; ") : QStringLiteral(", ");
    return u'[' + lower + separator + upper + u']';
}

} // namespace lx::number_text
