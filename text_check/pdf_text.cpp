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

using Document = std::unique_ptr<poppler::document>;

// The document reads the bytes in place: they must outlive it.
Document load(const QByteArray& bytes) {
    return Document(
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

DecodedSource textOfPdf(const QByteArray& bytes) {
    static std::once_flag quiet;
    std::call_once(quiet, [] { poppler::set_debug_error_function(ignoreMessage, nullptr); });
    if (bytes.size() > std::numeric_limits<int>::max()) {
        return {{}, {}, DecodeProblem::DamagedPdf};
    }
    Document document = load(bytes);
    if (!document) {
        // Poppler gives no reason; an encrypted file says so in its trailer.
        return {{},
                {},
                bytes.contains("/Encrypt") ? DecodeProblem::EncryptedPdf
                                           : DecodeProblem::DamagedPdf};
    }
    if (document->is_locked()) {
        return {{}, {}, DecodeProblem::EncryptedPdf};
    }
    DecodedSource source;
    int pages = document->pages();
    // A page tree that miscounts its pages (0, -1, a billion) hides pages that are there: count
    // them in the bytes, and where there are more, read the file again with the tree's count
    // set right, if then every page can be made.
    QByteArray repaired;
    const qsizetype objects = pageObjects(bytes);
    if (objects > std::max(pages, 0) && objects < std::numeric_limits<int>::max()) {
        if (auto fixed = withPageCount(bytes, objects)) {
            repaired = std::move(*fixed);
            Document again = load(repaired);
            bool whole = again && again->pages() == objects;
            for (int k = 0; whole && k < objects; ++k) {
                whole = std::unique_ptr<poppler::page>(again->create_page(k)) != nullptr;
            }
            if (whole) {
                document = std::move(again);
                pages = static_cast<int>(objects);
                source.warning = DecodeWarning::DamagedPageTree;
                source.warningAt = objects;
            }
        }
    }
    for (int k = 0; k < pages; ++k) {
        const std::unique_ptr<poppler::page> page(document->create_page(k));
        if (page) {
            const poppler::byte_array utf8 =
                page->text(poppler::rectf(), poppler::page::raw_order_layout).to_utf8();
            // Poppler ends a page's text with a form feed of its own, or not: one page, one.
            QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
            source.text += text.replace(QLatin1Char('\f'), QLatin1Char('\n'));
        }
        source.text += QLatin1Char('\f');
    }
    return source;
}

} // namespace lx::text_check
