// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFile>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

// A reference table with quoted cells that may hold commas and line breaks, as Python's csv
// module writes it: each row a map from the header's names to its cells.
namespace lx::test {

inline QList<QMap<QString, QString>> readQuotedCsv(const QString& path) {
    QFile file(path);
    QList<QStringList> records;
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    const QString text = QString::fromUtf8(file.readAll());
    QStringList record;
    QString cell;
    bool quoted = false;
    for (qsizetype k = 0; k < text.size(); ++k) {
        const QChar c = text[k];
        if (quoted) {
            if (c == u'"' && k + 1 < text.size() && text[k + 1] == u'"') {
                cell += c;
                ++k;
            } else if (c == u'"') {
                quoted = false;
            } else {
                cell += c;
            }
        } else if (c == u'"') {
            quoted = true;
        } else if (c == u',') {
            record.append(cell);
            cell.clear();
        } else if (c == u'\n') {
            record.append(cell);
            records.append(record);
            record.clear();
            cell.clear();
        } else {
            cell += c;
        }
    }
    QList<QMap<QString, QString>> rows;
    for (qsizetype r = 1; r < records.size(); ++r) {
        QMap<QString, QString> row;
        for (qsizetype k = 0; k < records[0].size() && k < records[r].size(); ++k) {
            row[records[0][k]] = records[r][k];
        }
        rows.append(row);
    }
    return rows;
}

} // namespace lx::test
