// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "text_drop_edit.h"

#include "platform/error_guard.h"

#include <QMimeData>
#include <QUrl>

namespace lx {

QStringList localFiles(const QMimeData& data) {
    QStringList paths;
    if (data.hasUrls()) {
        for (const QUrl& url : data.urls()) {
            if (url.isLocalFile()) {
                paths.append(url.toLocalFile());
            }
        }
    }
    return paths;
}

bool TextDropEdit::canInsertFromMimeData(const QMimeData* source) const {
    return !localFiles(*source).isEmpty() || QPlainTextEdit::canInsertFromMimeData(source);
}

void TextDropEdit::insertFromMimeData(const QMimeData* source) {
    guarded([&] {
        const QStringList files = localFiles(*source);
        if (files.isEmpty()) {
            QPlainTextEdit::insertFromMimeData(source);
        } else {
            emit filesGiven(files);
        }
    });
}

} // namespace lx
