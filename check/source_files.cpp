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

// The papers below a folder, by name, in the order of their paths; a file or folder that may
// not be read is named with its reason instead of being passed over.
void walkFolder(const QString& folder, std::vector<Source>& sources) {
    std::vector<Source> found;
    QDirIterator walk(folder, QDir::AllEntries | QDir::NoDotAndDotDot,
                      QDirIterator::Subdirectories);
    while (walk.hasNext()) {
        const QString path = walk.next();
        const QFileInfo info = walk.fileInfo();
        if (info.isDir()) {
            // The walk cannot go into such a folder and would say nothing of it.
            if (!info.isReadable() || !info.isExecutable()) {
                found.push_back({path, false, CheckText::tr("permission denied")});
            }
        } else if (readByName(path)) {
            found.push_back(
                {path, false, info.isReadable() ? QString() : CheckText::tr("permission denied")});
        }
    }
    std::sort(found.begin(), found.end(),
              [](const Source& a, const Source& b) { return a.name < b.name; });
    sources.insert(sources.end(), found.begin(), found.end());
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
        walkFolder(input, sources);
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
