// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "header_column.h"

#include "batch_text.h"
#include "shown_text.h"

#include <QStringList>

namespace lx::cli {

std::variant<std::size_t, QString> headerColumn(const std::vector<std::string>& header,
                                                const QString& wanted, const QString& option) {
    const QString name = wanted.trimmed().toLower();
    bool isNumber = false;
    const qulonglong number = name.toULongLong(&isNumber);
    if (isNumber && number >= 1 && number <= header.size()) {
        return static_cast<std::size_t>(number - 1);
    }
    QStringList names;
    for (std::size_t k = 0; k < header.size(); ++k) {
        if (cellText(header[k]).trimmed().toLower() == name) {
            return k;
        }
        names.append(shownName(header[k]));
    }
    return BatchText::tr("%1: there is no column \"%2\"; the table has %3")
        .arg(option, wanted.trimmed(), names.join(QLatin1String(", ")));
}

} // namespace lx::cli
