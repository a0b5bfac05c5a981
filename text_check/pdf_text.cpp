// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "pdf_text.h"

#include <poppler-document.h>
#include <poppler-global.h>
#include <poppler-page.h>

#include <QRegularExpression>

#include <algorithm>
#include <limits>
#include <memory>
#include <mutex>
#include <optional>
#include <utility>

namespace lx::text_check {

namespace {

void ignoreMessage(const std::string& /*message*/, void* /*closure*/) {}

// The document reads the bytes in place: they must outlive it.
PdfPages::Document load(const QByteArray& bytes) {
    return PdfPages::Document(
        poppler::document::load_from_raw_data(bytes.constData(), static_cast<int>(bytes.size())));
}

// The page objects a file holds, as its bytes show them (none where they sit in compressed
// object streams): each "/Type /Page" not followed by a letter.
qsizetype pageObjects(QByteArrayView bytes) {
    const auto isLetter = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); };
    qsizetype count = 0;
    for (qsizetype at = bytes.indexOf("/Type"); at >= 0; at = bytes.indexOf("/Type", at)) {
        at += 5;
        while (at < bytes.size() && (bytes[at] == ' ' || bytes[at] == '\n' || bytes[at] == '\r')) {
            ++at;
        }
        if (bytes.sliced(at).startsWith("/Page") &&
            (at + 5 == bytes.size() || !isLetter(bytes[at + 5]))) {
            ++count;
        }
    }
    return count;
}

// The bytes with the page tree's count set to `count`, where the tree is one node (one /Pages
// object, as small writers make it); else nothing.
std::optional<QByteArray> withPageCount(const QByteArray& bytes, qsizetype count) {
    const QString latin1 = QString::fromLatin1(bytes);
    static const QRegularExpression pages(QStringLiteral(R"(/Type\s*/Pages\b)"));
    static const QRegularExpression node(
        QStringLiteral(R"(<<(?:(?!<<|>>).)*?/Type\s*/Pages\b(?:(?!<<|>>).)*>>)"),
        QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression stated(QStringLiteral(R"(/Count\s+[-+]?\d+)"));
    auto all = pages.globalMatch(latin1);
    if (!all.hasNext() || (all.next(), all.hasNext())) {
        return std::nullopt;
    }
    const QRegularExpressionMatch tree = node.match(latin1);
    const QRegularExpressionMatch counted =
        tree.hasMatch() ? stated.match(latin1, tree.capturedStart()) : QRegularExpressionMatch();
    if (!counted.hasMatch() || counted.capturedEnd() > tree.capturedEnd()) {
        return std::nullopt;
    }
    QByteArray repaired = bytes;
    // The same length, padded, so that the cross-reference table's offsets stay right.
    QByteArray replacement = QByteArray("/Count ") + QByteArray::number(count);
    if (replacement.size() > counted.capturedLength()) {
        return std::nullopt;
    }
    replacement = replacement.leftJustified(counted.capturedLength(), ' ');
    repaired.replace(counted.capturedStart(), counted.capturedLength(), replacement);
    return repaired;
}

} // namespace

PdfPages::PdfPages(const QByteArray& bytes) {
    static std::once_flag quiet;
    std::call_once(quiet, [] { poppler::set_debug_error_function(ignoreMessage, nullptr); });
    if (bytes.size() > std::numeric_limits<int>::max()) {
        m_problem = DecodeProblem::DamagedPdf;
        return;
    }
    m_document = load(bytes);
    if (!m_document) {
        // Poppler gives no reason; an encrypted file says so in its trailer.
        m_problem =
            bytes.contains("/Encrypt") ? DecodeProblem::EncryptedPdf : DecodeProblem::DamagedPdf;
        return;
    }
    if (m_document->is_locked()) {
        m_problem = DecodeProblem::EncryptedPdf;
        m_document.reset();
        return;
    }
    m_count = m_document->pages();
    // A page tree that miscounts its pages (0, -1, a billion) hides pages that are there: count
    // them in the bytes, and where there are more, read the file again with the tree's count
    // set right, if then every page can be made.
    const qsizetype objects = pageObjects(bytes);
    if (objects > std::max(m_count, 0) && objects < std::numeric_limits<int>::max()) {
        if (auto fixed = withPageCount(bytes, objects)) {
            QByteArray repaired = std::move(*fixed);
            Document again = load(repaired);
            bool whole = again && again->pages() == objects;
            for (int k = 0; whole && k < objects; ++k) {
                whole = std::unique_ptr<poppler::page>(again->create_page(k)) != nullptr;
            }
            if (whole) {
                m_document = std::move(again);
                m_repaired = std::move(repaired); // the document reads it in place
                m_count = static_cast<int>(objects);
                m_warning = DecodeWarning::DamagedPageTree;
                m_warningAt = objects;
            }
        }
    }
    m_count = std::max(m_count, 0);
}

PdfPages::~PdfPages() = default;

QString PdfPages::text(int page) const {
    const std::unique_ptr<poppler::page> made(m_document ? m_document->create_page(page) : nullptr);
    if (!made) {
        return {};
    }
    const poppler::byte_array utf8 =
        made->text(poppler::rectf(), poppler::page::raw_order_layout).to_utf8();
    // Poppler ends a page's text with a form feed of its own, or not: the caller ends each.
    QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    return text.replace(QLatin1Char('\f'), QLatin1Char('\n'));
}

DecodedSource textOfPdf(const QByteArray& bytes) {
    const PdfPages pages(bytes);
    DecodedSource source;
    source.problem = pages.problem();
    source.warning = pages.warning();
    source.warningAt = pages.warningAt();
    for (int k = 0; source.problem == DecodeProblem::None && k < pages.count(); ++k) {
        source.text += pages.text(k);
        source.text += QLatin1Char('\f');
    }
    return source;
}

} // namespace lx::text_check
