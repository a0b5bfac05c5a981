// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "docx_archive.h"

#include <QFile>
#include <QRegularExpression>

#include <algorithm>

namespace lx::text_check {

Archive openArchive(const QByteArray& bytes) {
    zip_error_t error;
    zip_error_init(&error);
    // The source reads the bytes in place and is not freed with them (freep 0).
    zip_source_t* source = zip_source_buffer_create(
        bytes.constData(), static_cast<zip_uint64_t>(bytes.size()), 0, &error);
    if (!source) {
        zip_error_fini(&error);
        return nullptr;
    }
    Archive archive(zip_open_from_source(source, ZIP_RDONLY, &error));
    zip_error_fini(&error);
    if (!archive) {
        zip_source_free(source);
    }
    return archive;
}

Archive openArchive(const QString& path) {
    int error = 0;
    return Archive(zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY, &error));
}

std::vector<std::pair<QByteArray, QString>> otherParts(zip_t* archive) {
    static const QRegularExpression numbered(QStringLiteral(R"(^word/(header|footer)(\d+)\.xml$)"));
    std::vector<std::pair<QByteArray, QString>> parts;
    for (const char* notes : {"footnotes", "endnotes"}) {
        const QByteArray path = QByteArray("word/") + notes + ".xml";
        if (zip_name_locate(archive, path.constData(), 0) >= 0) {
            parts.emplace_back(path, QString::fromLatin1(notes));
        }
    }
    std::vector<std::pair<int, std::pair<QByteArray, QString>>> margins;
    const zip_int64_t entries = zip_get_num_entries(archive, 0);
    for (zip_int64_t k = 0; k < entries; ++k) {
        const char* name = zip_get_name(archive, static_cast<zip_uint64_t>(k), 0);
        const auto match =
            name ? numbered.match(QString::fromUtf8(name)) : QRegularExpressionMatch();
        if (match.hasMatch()) {
            const bool footer = match.captured(1) == QLatin1String("footer");
            margins.push_back({(footer ? 1 << 20 : 0) + match.captured(2).toInt(),
                               {QByteArray(name), match.captured(1)}});
        }
    }
    std::sort(margins.begin(), margins.end());
    for (auto& margin : margins) {
        parts.push_back(std::move(margin.second));
    }
    return parts;
}

QByteArray partXml(zip_t* archive, const char* name, zip_uint64_t& budget, DecodeProblem& problem) {
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat(archive, name, 0, &stat) != 0 || !(stat.valid & ZIP_STAT_SIZE)) {
        problem = DecodeProblem::NotDocx;
        return {};
    }
    const ArchiveEntry entry(zip_fopen(archive, name, 0));
    if (stat.size > budget || !entry) {
        problem = DecodeProblem::DamagedDocx;
        return {};
    }
    budget -= stat.size;
    QByteArray xml(static_cast<qsizetype>(stat.size), Qt::Uninitialized);
    qsizetype read = 0;
    while (read < xml.size()) {
        const zip_int64_t got =
            zip_fread(entry.get(), xml.data() + read, static_cast<zip_uint64_t>(xml.size() - read));
        if (got <= 0) {
            problem = DecodeProblem::DamagedDocx;
            return {};
        }
        read += static_cast<qsizetype>(got);
    }
    return xml;
}

} // namespace lx::text_check
