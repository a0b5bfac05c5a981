// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "docx_text.h"

#include "docx_archive.h"
#include "docx_xml.h"

namespace lx::text_check {

namespace {

// A part's text; false when its XML is damaged.
bool appendText(const QByteArray& xml, QString& text) {
    DocxXmlText reader;
    return reader.add(xml, text) && reader.finish(text);
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
