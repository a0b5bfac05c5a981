// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "df_text.h"

#include "stats/reported_p.h"

#include <QString>

namespace lx::text_check {

std::optional<double> dfNumber(QStringView text, bool decimalCommas) {
    QString number = text.trimmed().toString();
    const qsizetype comma = number.indexOf(QLatin1Char(','));
    if (comma >= 0 && !decimalCommas) {
        if (number.size() - comma - 1 != 3) {
            return std::nullopt;
        }
        number.remove(comma, 1);
    }
    const auto typed = reported::typedNumber(number);
    if (!typed || !(typed->value > 0)) {
        return std::nullopt;
    }
    return typed->value;
}

} // namespace lx::text_check
