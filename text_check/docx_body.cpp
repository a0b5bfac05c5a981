// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "docx_body.h"

#include "docx_archive.h"
#include "docx_xml.h"

#include <algorithm>
#include <cstring>

namespace lx::text_check {

namespace {

constexpr const char* bodyName = "word/document.xml";

// XML inflated at a time.
constexpr zip_uint64_t chunkBytes = 64 << 10;

} // namespace

struct DocxBody::State {
    Archive archive;
    ArchiveEntry entry;
    qint64 bodyBytes = -1;
    DocxXmlText xml;
    QByteArray chunk;
    QString carry;      // a text's last high surrogate, whose pair the next piece brings
    QByteArray pending; // text not yet read, from `given` on
    qsizetype given = 0;
    bool ended = false;
    DecodeProblem problem = DecodeProblem::None;

    // Inflates and reads the next chunk of the body's XML.
    void readChunk() {
        const zip_int64_t got = zip_fread(entry.get(), chunk.data(), chunkBytes);
        QString text = std::move(carry);
        carry.clear();
        bool sound = got >= 0;
        if (got > 0) {
            sound = xml.add(chunk.first(static_cast<qsizetype>(got)), text);
        } else if (got == 0) {
            sound = xml.finish(text);
            ended = true;
        }
        if (!sound) {
            problem = DecodeProblem::DamagedDocx;
            ended = true;
        }
        if (!ended && !text.isEmpty() && text.back().isHighSurrogate()) {
            carry = text.back();
            text.chop(1);
        }
        pending.remove(0, given);
        given = 0;
        pending += text.toUtf8();
    }
};

DocxBody::DocxBody(const QString& path)
    : m(std::make_unique<State>()) {
    m->archive = openArchive(path);
    if (!m->archive) {
        m->problem = DecodeProblem::DamagedDocx;
        return;
    }
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat(m->archive.get(), bodyName, 0, &stat) != 0 || !(stat.valid & ZIP_STAT_SIZE)) {
        m->problem = DecodeProblem::NotDocx;
        return;
    }
    m->bodyBytes = static_cast<qint64>(stat.size);
    m->entry.reset(zip_fopen(m->archive.get(), bodyName, 0));
    if (!m->entry) {
        m->problem = DecodeProblem::DamagedDocx;
        return;
    }
    m->chunk.resize(static_cast<qsizetype>(chunkBytes));
}

DocxBody::~DocxBody() = default;

DecodeProblem DocxBody::problem() const {
    return m->problem;
}

qint64 DocxBody::bodyBytes() const {
    return m->bodyBytes;
}

qint64 DocxBody::read(char* buffer, qint64 size) {
    if (!m->entry) {
        return -1;
    }
    while (m->pending.size() - m->given < size && !m->ended) {
        m->readChunk();
    }
    const qint64 count = std::min<qint64>(size, m->pending.size() - m->given);
    if (count == 0 && m->problem != DecodeProblem::None) {
        return -1;
    }
    std::memcpy(buffer, m->pending.constData() + m->given, static_cast<std::size_t>(count));
    m->given += count;
    return count;
}

std::vector<std::pair<QString, QString>> DocxBody::otherParts() {
    std::vector<std::pair<QString, QString>> texts;
    if (!m->archive) {
        return texts;
    }
    zip_uint64_t budget = largestXml;
    for (const auto& [path, name] : text_check::otherParts(m->archive.get())) {
        DecodeProblem problem = DecodeProblem::None;
        const QByteArray xml = partXml(m->archive.get(), path.constData(), budget, problem);
        DocxXmlText reader;
        QString text;
        if (problem == DecodeProblem::None && reader.add(xml, text) && reader.finish(text) &&
            !text.trimmed().isEmpty()) {
            texts.emplace_back(name, std::move(text));
        }
    }
    return texts;
}

} // namespace lx::text_check
