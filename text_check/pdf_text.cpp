// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "pdf_text.h"

#include <poppler-document.h>
#include <poppler-global.h>
#include <poppler-page.h>

#include <limits>
#include <memory>
#include <mutex>

namespace lx::text_check {

namespace {

void ignoreMessage(const std::string& /*message*/, void* /*closure*/) {}

} // namespace

DecodedSource textOfPdf(const QByteArray& bytes) {
    static std::once_flag quiet;
    std::call_once(quiet, [] { poppler::set_debug_error_function(ignoreMessage, nullptr); });
    if (bytes.size() > std::numeric_limits<int>::max()) {
        return {{}, DecodeProblem::DamagedPdf};
    }
    // The document reads the bytes in place: they outlive it here.
    const std::unique_ptr<poppler::document> document(
        poppler::document::load_from_raw_data(bytes.constData(), static_cast<int>(bytes.size())));
    if (!document) {
        // Poppler gives no reason; an encrypted file says so in its trailer.
        return {{},
                bytes.contains("/Encrypt") ? DecodeProblem::EncryptedPdf
                                           : DecodeProblem::DamagedPdf};
    }
    if (document->is_locked()) {
        return {{}, DecodeProblem::EncryptedPdf};
    }
    DecodedSource source;
    for (int k = 0; k < document->pages(); ++k) {
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
