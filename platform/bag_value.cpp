// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: LGPL-3.0-or-later
#include "bag_value.h"

#include "core/number_text.h"
#include "core/runtime_error.h"

#include <cmath>
#include <limits>

namespace lx::bag_value {

namespace {

[[noreturn]] void mismatch() {
    throw RuntimeError(ErrorNumber::TypeMismatch);
}

bool isNumber(const QVariant& value) {
    const int type = value.typeId();
    return isWholeNumber(value) || type == QMetaType::Bool || type == QMetaType::Float ||
           type == QMetaType::Double;
}

// The value as a number: True is -1, text in the user's notation.
double number(const QVariant& value) {
    double number = 0.0;
    if (value.typeId() == QMetaType::Bool) {
        number = value.toBool() ? -1.0 : 0.0;
    } else if (isNumber(value)) {
        number = value.toDouble();
    } else if (value.typeId() == QMetaType::QString) {
        number = number_text::toDouble(value.toString());
    } else {
        mismatch();
    }
    if (!std::isfinite(number)) {
        throw RuntimeError(ErrorNumber::Overflow);
    }
    return number;
}

// The value as a whole number, fractions rounded half to even.
double wholeNumber(const QVariant& value) {
    return std::nearbyint(number(value));
}

template <typename Int> Int inRange(double whole) {
    if (whole < std::numeric_limits<Int>::min() || whole > std::numeric_limits<Int>::max()) {
        throw RuntimeError(ErrorNumber::Overflow);
    }
    return static_cast<Int>(whole);
}

} // namespace

bool isWholeNumber(const QVariant& value) {
    switch (value.typeId()) {
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        return true;
    default:
        return false;
    }
}

bool toBool(const QVariant& value) {
    if (value.typeId() == QMetaType::QString) {
        const QString text = value.toString().trimmed();
        if (text.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0) {
            return true;
        }
        if (text.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0) {
            return false;
        }
    }
    return number(value) != 0.0; // any fraction but 0 is True
}

std::int16_t toInteger(const QVariant& value) {
    return inRange<std::int16_t>(wholeNumber(value));
}

std::int32_t toLong(const QVariant& value) {
    return inRange<std::int32_t>(wholeNumber(value));
}

OleColor toColor(const QVariant& value) {
    // Colours are stored unsigned but often written as signed 32-bit numbers.
    const double number = wholeNumber(value);
    if (number < std::numeric_limits<std::int32_t>::min() ||
        number > std::numeric_limits<std::uint32_t>::max()) {
        throw RuntimeError(ErrorNumber::Overflow);
    }
    return static_cast<OleColor>(static_cast<std::int64_t>(number));
}

QString toText(const QVariant& value) {
    switch (value.typeId()) {
    case QMetaType::QString:
        return value.toString();
    case QMetaType::Bool:
        return value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    case QMetaType::Float:
    case QMetaType::Double:
        return number_text::fromDouble(value.toDouble());
    default:
        if (isNumber(value)) {
            return QString::number(value.toLongLong());
        }
        mismatch();
    }
}

QFont toFont(const QVariant& value) {
    if (value.typeId() != QMetaType::QFont) {
        mismatch();
    }
    return value.value<QFont>();
}

QPixmap toPicture(const QVariant& value) {
    if (!value.isValid()) {
        return QPixmap();
    }
    if (value.typeId() != QMetaType::QPixmap) {
        mismatch();
    }
    return value.value<QPixmap>();
}

} // namespace lx::bag_value
