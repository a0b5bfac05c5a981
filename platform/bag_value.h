// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: LGPL-3.0-or-later
#pragma once

#include "ole_color.h"

#include <QFont>
#include <QPixmap>
#include <QString>
#include <QVariant>
#include <cstdint>

// Converts a value read from a property bag to the type of the property it
// restores, the way a loader coerces: numbers across widths and from text,
// True as -1. A value that cannot become the type throws RuntimeError
// TypeMismatch; a number outside the type's range throws Overflow.
namespace lx::bag_value {

// Whether the value is a whole number of any width, as bags written by different hosts store
// the same property.
bool isWholeNumber(const QVariant& value);

bool toBool(const QVariant& value);
std::int16_t toInteger(const QVariant& value);
std::int32_t toLong(const QVariant& value);
OleColor toColor(const QVariant& value);
QString toText(const QVariant& value);
QFont toFont(const QVariant& value);
// An invalid value or a null pixmap is "no picture".
QPixmap toPicture(const QVariant& value);

} // namespace lx::bag_value
