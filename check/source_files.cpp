// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "source_files.h"

#include "check_text.h"

#include <QDirIterator>
#include <QFileInfo>

#include <algorithm>

namespace lx::check {

namespace {

bool readByName(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    static const QStringList known = {QStringLiteral("txt"), QStringLiteral("text"),
                                      QStringLiteral("md"),  QStringLiteral("html"),
                                      QStringLiteral("htm"), QStringLiteral("xhtml"),
                                      QStringLiteral("pdf"), QStringLiteral("docx")};
    return known.contains(suffix);
}

} // namespace

std::vector<Source> expandInputs(const QStringList& inputs) {
    std::vector<Source> sources;
    for (const QString& input : inputs) {
        if (input == QLatin1String("-")) {
            sources.push_back({input, true, {}});
            continue;
        }
        const QFileInfo info(input);
        if (!info.exists()) {
            sources.push_back({input, false, CheckText::tr("no such file or folder")});
            continue;
        }
        if (!info.isDir()) {
            sources.push_back({input, false, {}});
            continue;
        }
        QStringList files;
        QDirIterator walk(input, QDir::Files | QDir::Readable | QDir::NoDotAndDotDot,
                          QDirIterator::Subdirectories);
        while (walk.hasNext()) {
            const QString path = walk.next();
            if (readByName(path)) {
                files.append(path);
            }
        }
        std::sort(files.begin(), files.end());
        for (const QString& file : files) {
            sources.push_back({file, false, {}});
        }
    }
    return sources;
}

QStringList inputsOfList(const QByteArray& list) {
    QStringList inputs;
    for (QByteArray line : list.split('\n')) {
        if (line.endsWith('\r')) {
            line.chop(1);
        }
        if (!line.trimmed().isEmpty()) {
            inputs.append(QString::fromUtf8(line));
        }
    }
    return inputs;
}

} // namespace lx::check
