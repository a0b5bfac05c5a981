#include "bag_values.h"

#include "platform/number_text.h"
#include "platform/runtime_error.h"

#include <cmath>
#include <limits>

namespace lx::bag_values {

namespace {

bool isWholeNumberType(const QVariant& v) {
    switch (v.typeId()) {
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
        return true;
    default:
        return false;
    }
}

bool isRealType(const QVariant& v) {
    return v.typeId() == QMetaType::Double || v.typeId() == QMetaType::Float;
}

// The value as a whole number, fractions rounded half to even; True is -1.
qint64 wholeNumber(const QVariant& v) {
    if (v.typeId() == QMetaType::Bool) {
        return v.toBool() ? -1 : 0;
    }
    if (isWholeNumberType(v)) {
        return v.toLongLong();
    }
    if (v.typeId() == QMetaType::ULongLong) {
        const qulonglong u = v.toULongLong();
        if (u > static_cast<qulonglong>(std::numeric_limits<qint64>::max())) {
            throw RuntimeError(ErrorNumber::Overflow);
        }
        return static_cast<qint64>(u);
    }
    if (isRealType(v)) {
        const double d = std::nearbyint(v.toDouble());
        // Anything beyond +-2^62 is far outside every range asked for here.
        if (!std::isfinite(d) || std::fabs(d) > 4.6e18) {
            throw RuntimeError(ErrorNumber::Overflow);
        }
        return static_cast<qint64>(d);
    }
    if (v.typeId() == QMetaType::QString) {
        return number_text::toLong(v.toString(), QLocale::c());
    }
    throw RuntimeError(ErrorNumber::TypeMismatch);
}

qint64 wholeNumberIn(const QVariant& v, qint64 lowest, qint64 highest) {
    const qint64 n = wholeNumber(v);
    if (n < lowest || n > highest) {
        throw RuntimeError(ErrorNumber::Overflow);
    }
    return n;
}

} // namespace

OleColor toColour(const QVariant& value) {
    const qint64 n = wholeNumberIn(value, std::numeric_limits<std::int32_t>::min(),
                                   std::numeric_limits<std::uint32_t>::max());
    return static_cast<OleColor>(static_cast<std::uint32_t>(n));
}

std::int16_t toInteger(const QVariant& value) {
    return static_cast<std::int16_t>(wholeNumberIn(value, std::numeric_limits<std::int16_t>::min(),
                                                   std::numeric_limits<std::int16_t>::max()));
}

std::int32_t toLong(const QVariant& value) {
    return static_cast<std::int32_t>(wholeNumberIn(value, std::numeric_limits<std::int32_t>::min(),
                                                   std::numeric_limits<std::int32_t>::max()));
}

bool toBoolean(const QVariant& value) {
    if (value.typeId() == QMetaType::Bool) {
        return value.toBool();
    }
    if (value.typeId() == QMetaType::QString) {
        const QString text = value.toString().trimmed();
        if (text.compare(u"True", Qt::CaseInsensitive) == 0) {
            return true;
        }
        if (text.compare(u"False", Qt::CaseInsensitive) == 0) {
            return false;
        }
        return number_text::toDouble(text, QLocale::c()) != 0.0;
    }
    if (isRealType(value)) {
        return value.toDouble() != 0.0;
    }
    return wholeNumber(value) != 0;
}

QString toText(const QVariant& value) {
    if (value.typeId() == QMetaType::QString) {
        return value.toString();
    }
    if (value.typeId() == QMetaType::Bool) {
        return value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    }
    if (isRealType(value)) {
        return number_text::fromDouble(value.toDouble(), QLocale::c());
    }
    if (isWholeNumberType(value) || value.typeId() == QMetaType::ULongLong) {
        return value.toString();
    }
    throw RuntimeError(ErrorNumber::TypeMismatch);
}

QFont toFont(const QVariant& value) {
    if (value.typeId() != QMetaType::QFont) {
        throw RuntimeError(ErrorNumber::TypeMismatch);
    }
    return value.value<QFont>();
}

} // namespace lx::bag_values
