// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFile>
#include <QList>
#include <QString>
#include <QStringList>

#include <map>

// A reference table worked outside the program: a header row, then numbers; empty cells are
// left out of their row.
namespace lx::test {

using ReferenceRow = std::map<QString, double>;

inline QList<ReferenceRow> readReference(const QString& path) {
    QFile file(path);
    QList<ReferenceRow> rows;
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return rows;
    }
    const QStringList names = QString::fromUtf8(file.readLine()).trimmed().split(u',');
    while (!file.atEnd()) {
        const QStringList cells = QString::fromUtf8(file.readLine()).trimmed().split(u',');
        ReferenceRow row;
        for (qsizetype k = 0; k < cells.size() && k < names.size(); ++k) {
            if (!cells[k].isEmpty()) {
                row[names[k]] = cells[k].toDouble();
            }
        }
        rows.append(row);
    }
    return rows;
}

} // namespace lx::test
