// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// DOCX files made for tests through libzip, as a word processor writes them; tests that use
// this link PkgConfig::LIBZIP.

#include <QByteArray>
#include <QList>
#include <QString>

#include <utility>

#include <zip.h>

namespace lx::test {

// A DOCX file of these parts (name and XML body of each).
inline bool writeDocx(const QString& path, const QList<std::pair<QByteArray, QByteArray>>& parts) {
    int error = 0;
    zip_t* archive = zip_open(path.toLocal8Bit().constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (!archive) {
        return false;
    }
    QList<QByteArray> kept; // libzip reads the buffers when it closes the archive
    for (const auto& [name, body] : parts) {
        const QByteArray root = name.split('/').last().chopped(4);
        kept.append("<?xml version=\"1.0\" encoding=\"UTF-8\"?><w:" + root +
                    " xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\">" +
                    body + "</w:" + root + ">");
        zip_source_t* source =
            zip_source_buffer(archive, kept.last().constData(), kept.last().size(), 0);
        if (!source || zip_file_add(archive, name.constData(), source, ZIP_FL_OVERWRITE) < 0) {
            zip_source_free(source);
            zip_discard(archive);
            return false;
        }
    }
    return zip_close(archive) == 0;
}

inline QByteArray docxParagraph(const QByteArray& runs) {
    return "<w:p>" + runs + "</w:p>";
}

inline QByteArray docxRun(const QByteArray& text) {
    return "<w:r><w:t xml:space=\"preserve\">" + text + "</w:t></w:r>";
}

} // namespace lx::test
