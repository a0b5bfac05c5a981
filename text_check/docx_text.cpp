// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "docx_text.h"

#include <QXmlStreamReader>

#include <zip.h>

#include <memory>

namespace lx::text_check {

namespace {

struct ArchiveCloser {
    void operator()(zip_t* archive) const { zip_discard(archive); }
};
struct EntryCloser {
    void operator()(zip_file_t* entry) const { zip_fclose(entry); }
};

// The main document's XML, or nullopt-like empty with the problem set.
QByteArray documentXml(const QByteArray& bytes, DecodeProblem& problem) {
    zip_error_t error;
    zip_error_init(&error);
    // The source reads the bytes in place and is not freed with them (freep 0).
    zip_source_t* source = zip_source_buffer_create(
        bytes.constData(), static_cast<zip_uint64_t>(bytes.size()), 0, &error);
    if (!source) {
        zip_error_fini(&error);
        problem = DecodeProblem::DamagedDocx;
        return {};
    }
    const std::unique_ptr<zip_t, ArchiveCloser> archive(
        zip_open_from_source(source, ZIP_RDONLY, &error));
    zip_error_fini(&error);
    if (!archive) {
        zip_source_free(source);
        problem = DecodeProblem::DamagedDocx;
        return {};
    }
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat(archive.get(), "word/document.xml", 0, &stat) != 0 ||
        !(stat.valid & ZIP_STAT_SIZE)) {
        problem = DecodeProblem::NotDocx;
        return {};
    }
    // A document.xml larger than 1 GB is no paper: refuse it rather than allocate it.
    if (stat.size > (zip_uint64_t(1) << 30)) {
        problem = DecodeProblem::DamagedDocx;
        return {};
    }
    const std::unique_ptr<zip_file_t, EntryCloser> entry(
        zip_fopen(archive.get(), "word/document.xml", 0));
    if (!entry) {
        problem = DecodeProblem::DamagedDocx;
        return {};
    }
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

} // namespace

DecodedSource textOfDocx(const QByteArray& bytes) {
    DecodedSource source;
    const QByteArray xml = documentXml(bytes, source.problem);
    if (source.problem != DecodeProblem::None) {
        return source;
    }
    QXmlStreamReader reader(xml);
    while (!reader.atEnd()) {
        const QXmlStreamReader::TokenType token = reader.readNext();
        const QStringView name = reader.name();
        if (token == QXmlStreamReader::StartElement) {
            if (name == u"t") {
                source.text += reader.readElementText();
            } else if (name == u"tab") {
                source.text += QLatin1Char('\t');
            } else if (name == u"br" || name == u"cr") {
                source.text += QLatin1Char('\n');
            }
        } else if (token == QXmlStreamReader::EndElement && name == u"p") {
            source.text += QStringLiteral("\u2029\n");
        }
    }
    if (reader.hasError()) {
        return {{}, DecodeProblem::DamagedDocx};
    }
    return source;
}

} // namespace lx::text_check
