// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "number_text.h"

#include <QString>

#include <cmath>

namespace lx::text_check {

std::optional<reported::Typed> typedNumber(QStringView text) {
    QString number = text.trimmed().toString();
    number.replace(QLatin1Char(','), QLatin1Char('.'));
    if (number.startsWith(QLatin1Char('+'))) {
        number.remove(0, 1);
    }
    const qsizetype point = number.indexOf(QLatin1Char('.'));
    bool ok = false;
    const double value = number.toDouble(&ok);
    if (!ok || !std::isfinite(value) || number.contains(QLatin1Char('e'), Qt::CaseInsensitive)) {
        return std::nullopt;
    }
    const int decimals = point < 0 ? 0 : static_cast<int>(number.size() - point - 1);
    return reported::Typed{value, decimals};
}

std::optional<reported::Typed> scaledNumber(QStringView mantissa, int exponent) {
    const auto typed = typedNumber(mantissa);
    if (!typed || exponent < -300 || exponent > 300) {
        return std::nullopt;
    }
    return reported::Typed{typed->value * std::pow(10.0, exponent), typed->decimals - exponent};
}

std::optional<double> dfNumber(QStringView text) {
    QString number = text.trimmed().toString();
    const qsizetype comma = number.indexOf(QLatin1Char(','));
    if (comma > 0 && number.size() - comma - 1 == 3) {
        number.remove(comma, 1);
    }
    const auto typed = typedNumber(number);
    if (!typed || !(typed->value > 0)) {
        return std::nullopt;
    }
    return typed->value;
}

} // namespace lx::text_check
