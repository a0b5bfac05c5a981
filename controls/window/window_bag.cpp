#include "window_bag.h"

#include "platform/number_text.h"
#include "platform/runtime_error.h"

#include <cmath>
#include <limits>

namespace lx::window_bag {

namespace {

bool isNumber(const QVariant& value) {
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Float:
        return true;
    default:
        return false;
    }
}

} // namespace

bool toBool(const QVariant& value) {
    if (value.typeId() == QMetaType::Bool) {
        return value.toBool();
    }
    if (isNumber(value)) {
        return value.toDouble() != 0.0;
    }
    if (value.typeId() == QMetaType::QString) {
        const QString text = value.toString().trimmed();
        if (text.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0) {
            return true;
        }
        if (text.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0) {
            return false;
        }
        return number_text::toDouble(text) != 0.0;
    }
    throw RuntimeError(ErrorNumber::TypeMismatch);
}

std::int32_t toLong(const QVariant& value) {
    if (value.typeId() == QMetaType::Bool) {
        return value.toBool() ? -1 : 0;
    }
    if (value.typeId() == QMetaType::QString) {
        return number_text::toLong(value.toString());
    }
    if (!isNumber(value)) {
        throw RuntimeError(ErrorNumber::TypeMismatch);
    }
    const double rounded = std::nearbyint(value.toDouble());
    if (!(rounded >= std::numeric_limits<std::int32_t>::min() &&
          rounded <= std::numeric_limits<std::int32_t>::max())) {
        throw RuntimeError(ErrorNumber::Overflow);
    }
    return static_cast<std::int32_t>(rounded);
}

} // namespace lx::window_bag
