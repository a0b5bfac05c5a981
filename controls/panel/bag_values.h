#pragma once

#include "platform/ole_color.h"

#include <QFont>
#include <QString>
#include <QVariant>
#include <cstdint>

// Conversions of values read from a property bag to the types the panel's
// properties hold. A form file may hold anything, so each conversion checks:
// a value of the wrong kind raises TypeMismatch, one out of range Overflow.
namespace lx::bag_values {

// A colour: any whole number that fits 32 bits, signed or unsigned, taken
// as its bit pattern (0x8000000F and -2147483633 are the same colour).
OleColor toColour(const QVariant& value);
// A 16-bit signed integer.
std::int16_t toInteger(const QVariant& value);
// A 32-bit signed integer.
std::int32_t toLong(const QVariant& value);
// True, False, or a number (non-zero is True).
bool toBoolean(const QVariant& value);
// Text; numbers and Booleans are written out.
QString toText(const QVariant& value);
QFont toFont(const QVariant& value);

} // namespace lx::bag_values
