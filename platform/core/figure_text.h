// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: LGPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QString>

// How the program writes a figure for a person to read, one function for each kind, so that the
// details, the copied lines, the pictures and their descriptions state a figure alike. No group
// separators; the locale's decimal mark and signs.
namespace lx::figure_text {

// A value to `digits` significant digits, trailing zeros kept; exponent form below 0.0001 and
// from a million up, where more digits would say little and could fill a screen.
QString significant(double value, int digits, const QLocale& locale);

// Reporting style: a fixed number of decimals ("2.11"), or as many in the mantissa of a figure
// that reaches a million once rounded ("1.23e+06").
QString decimals(double value, int decimals, const QLocale& locale);

// A whole number in full, without group separators.
QString whole(double value, const QLocale& locale);

// A p value to `digits` significant digits that never reads as a p it is not: one that would
// round to 1 gets the decimals that tell it from 1 ("0.9999"; "> 0.999999" from there on), a p
// of exactly 1 (t = 0) reads "1", and a 0 (only an underflow gives one) "< 2.23E-308".
QString pValue(double p, int digits, const QLocale& locale);

// A Bayes factor given by its natural log, to `digits` significant digits: plain from 1e-4 to
// 1e4, in exponent form beyond ("3.16E+15"), however far beyond the range of a double it lies.
// An en dash for a log that is not a number.
QString bayesFactor(double logBf, int digits, const QLocale& locale);

} // namespace lx::figure_text
