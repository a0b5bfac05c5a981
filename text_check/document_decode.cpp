// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "document_decode.h"

#include "docx_text.h"
#include "pdf_text.h"

namespace lx::text_check {

DecodedSource decodeSource(const QByteArray& bytes, SourceKind kind) {
    switch (kind) {
    case SourceKind::Pdf:
        return textOfPdf(bytes);
    case SourceKind::Docx:
        return textOfDocx(bytes);
    case SourceKind::PlainText:
    case SourceKind::Html:
        break;
    }
    return decodeTextSource(bytes, kind == SourceKind::Html);
}

} // namespace lx::text_check
