// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: LGPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QString>
#include <cstdint>
#include <functional>

// Locale-aware conversions between text and numbers, the way the user's
// regional settings say numbers are written. Every function takes the locale
// explicitly; pass QLocale() for the user's own.
namespace lx::number_text {

// Text to a 32-bit integer: surrounding blanks allowed, the locale's decimal
// and group separators, a fraction rounded half to even. Throws RuntimeError
// TypeMismatch for text that is not a number and Overflow when the rounded
// value does not fit 32 bits.
std::int32_t toLong(const QString& text, const QLocale& locale = QLocale());

// The integer toLong makes of a converted value: rounded half to even, Overflow when it does
// not fit 32 bits.
std::int32_t roundToLong(double value);

// Text to a finite double, same rules for blanks and separators. "inf", "nan"
// and the like are not numbers (TypeMismatch); a magnitude beyond double's
// range is Overflow.
double toDouble(const QString& text, const QLocale& locale = QLocale());

// Text to a single-precision value (parsed as double, then range-checked).
float toSingle(const QString& text, const QLocale& locale = QLocale());

// The shortest decimal text of a value: no group separators, the locale's
// decimal separator and minus sign, exponent form ("1.5E+16") only outside
// the plain range. Single keeps up to 7 significant digits, Double 15.
QString fromLong(std::int32_t value, const QLocale& locale = QLocale());
QString fromSingle(float value, const QLocale& locale = QLocale());
QString fromDouble(double value, const QLocale& locale = QLocale());

// The text of fromDouble where `fits` takes it; else the same value with fewer significant
// digits, as many as fit, in the same general form, so a magnitude outside the plain range keeps
// its exponent ("2.2361E-05"). Empty when not even one digit fits.
QString fromDoubleFitting(double value, const std::function<bool(const QString&)>& fits,
                          const QLocale& locale = QLocale());

// An interval written in brackets from its two bounds' texts: "[0.06, 1.94]", or with a
// semicolon where the comma is the decimal separator: "[-0,26; 3,26]".
QString interval(const QString& lower, const QString& upper, const QLocale& locale = QLocale());

} // namespace lx::number_text
