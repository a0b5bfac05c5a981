#pragma once

#include <QVariant>
#include <cstdint>

// Conversions of property-bag values to the types the window helpers hold.
// A value of the wrong kind throws RuntimeError(TypeMismatch), one out of
// range RuntimeError(Overflow), as assigning it to the property would.
namespace lx::window_bag {

// Booleans as they are, numbers as "not zero", texts "True" and "False".
bool toBool(const QVariant& value);

// Whole numbers as they are, fractions rounded half to even, numeric text
// in the user's notation.
std::int32_t toLong(const QVariant& value);

} // namespace lx::window_bag
