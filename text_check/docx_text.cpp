// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "docx_text.h"

#include <QRegularExpression>
#include <QXmlStreamReader>

#include <zip.h>

#include <algorithm>
#include <memory>
#include <utility>

namespace lx::text_check {

namespace {

struct ArchiveCloser {
    void operator()(zip_t* archive) const { zip_discard(archive); }
};
struct EntryCloser {
    void operator()(zip_file_t* entry) const { zip_fclose(entry); }
};
using Archive = std::unique_ptr<zip_t, ArchiveCloser>;

// A DOCX file's parts together larger than 1 GB are no paper: refuse them rather than
// allocate them.
constexpr zip_uint64_t largestXml = zip_uint64_t(1) << 30;

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

// One part's XML, or the problem that keeps it unread. `budget` is what the parts read so far
// leave of largestXml.
QByteArray partXml(zip_t* archive, const char* name, zip_uint64_t& budget, DecodeProblem& problem) {
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat(archive, name, 0, &stat) != 0 || !(stat.valid & ZIP_STAT_SIZE)) {
        problem = DecodeProblem::NotDocx;
        return {};
    }
    const std::unique_ptr<zip_file_t, EntryCloser> entry(zip_fopen(archive, name, 0));
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

// The parts beside the body that hold text, in a fixed order: footnotes, endnotes, then the
// headers and footers by their numbers.
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

// A character of the Symbol font that a result may hold, as the character it shows: Word writes
// a minus typed from its symbol table as <w:sym w:font="Symbol" w:char="F02D"/>.
QString symbolCharacter(QStringView code) {
    bool ok = false;
    const uint value = code.toUInt(&ok, 16);
    if (!ok) {
        return {};
    }
    const uint symbol = value >= 0xF000 ? value - 0xF000 : value;
    switch (symbol) {
    case 0x2D:
        return QStringLiteral("\u2212");
    case 0x63:
        return QStringLiteral("\u03C7"); // chi, so that a chi-square is not taken for a t
    case 0x68:
        return QStringLiteral("\u03B7");
    case 0xA3:
        return QStringLiteral("\u2264");
    case 0xB3:
        return QStringLiteral("\u2265");
    case 0xB4:
        return QStringLiteral("\u00D7");
    case 0xB1:
        return QStringLiteral("\u00B1");
    default:
        break;
    }
    // Digits, brackets and the comparison signs are where ASCII has them.
    if ((symbol >= 0x20 && symbol <= 0x40) || (symbol >= 0x5B && symbol <= 0x5F) ||
        (symbol >= 0x7B && symbol <= 0x7E)) {
        return QChar(static_cast<char16_t>(symbol));
    }
    return {};
}

// A part's text: its runs' text, hidden ones too (a result does not stop being reported for
// being hidden), a tab and a line break as themselves, each paragraph ended by U+2029 and a line
// break. False when its XML is damaged.
bool appendText(const QByteArray& xml, QString& text) {
    QXmlStreamReader reader(xml);
    while (!reader.atEnd()) {
        const QXmlStreamReader::TokenType token = reader.readNext();
        const QStringView name = reader.name();
        if (token == QXmlStreamReader::StartElement) {
            if (name == u"t") {
                text += reader.readElementText();
            } else if (name == u"tab") {
                text += QLatin1Char('\t');
            } else if (name == u"br" || name == u"cr") {
                text += QLatin1Char('\n');
            } else if (name == u"noBreakHyphen") {
                text += QLatin1Char('-');
            } else if (name == u"sym") {
                text += symbolCharacter(reader.attributes().value(QLatin1String("w:char")));
            }
        } else if (token == QXmlStreamReader::EndElement && name == u"p") {
            text += QStringLiteral("\u2029\n");
        }
    }
    return !reader.hasError();
}

} // namespace

DecodedSource textOfDocx(const QByteArray& bytes) {
    DecodedSource source;
    const Archive archive = openArchive(bytes);
    if (!archive) {
        return {{}, {}, DecodeProblem::DamagedDocx};
    }
    zip_uint64_t budget = largestXml;
    const QByteArray body = partXml(archive.get(), "word/document.xml", budget, source.problem);
    if (source.problem != DecodeProblem::None) {
        return source;
    }
    if (!appendText(body, source.text)) {
        return {{}, {}, DecodeProblem::DamagedDocx};
    }
    for (const auto& [path, name] : otherParts(archive.get())) {
        DecodeProblem problem = DecodeProblem::None;
        const QByteArray xml = partXml(archive.get(), path.constData(), budget, problem);
        QString text;
        if (problem != DecodeProblem::None || !appendText(xml, text)) {
            // The body was read: a damaged note is no reason to give up the paper.
            continue;
        }
        if (!text.trimmed().isEmpty()) {
            source.parts.push_back({source.text.size(), name});
            source.text += text;
        }
    }
    return source;
}

} // namespace lx::text_check
