// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

namespace lx::text_check {

// How a file's bytes are laid out.
enum class SourceKind { PlainText, Html, Pdf, Docx };

// The kind a file's first bytes say (a PDF's "%PDF", a zip archive's "PK"), else the kind its
// name says: plain text unless it ends in .html, .htm or .xhtml.
SourceKind kindOf(const QString& fileName, const QByteArray& bytes);

// Why a file gave no text.
enum class DecodeProblem {
    None,
    NotText,      // NUL bytes without a UTF-16 mark: some binary file
    DamagedPdf,   // a PDF that cannot be opened
    EncryptedPdf, // a PDF locked by a password
    NotDocx,      // a zip archive without word/document.xml
    DamagedDocx,  // a DOCX file whose document cannot be read
};

struct DecodedSource {
    QString text; // pages of a PDF end in a form feed; paragraphs of a DOCX in U+2029
    DecodeProblem problem = DecodeProblem::None;
};

// Text bytes as the batch tool reads a table: UTF-16 by its byte-order mark, else UTF-8 (a
// UTF-8 mark dropped), else the Windows code page, which is what a file that is not UTF-8
// almost always is.
QString decodeTextBytes(const QByteArray& bytes);

// The text a browser would show of an HTML page: tags, comments, scripts and styles become
// blanks, a block's tags (a paragraph's, a heading's, a list item's, ...) a paragraph separator
// (U+2029), entities their characters. The page's line breaks stay where they were, so a result
// found is on the line of the source it came from.
QString textOfHtml(const QString& html);

// The readable text of a plain text or HTML file's bytes. PDF and DOCX files need the document
// readers (document_decode.h), which only the command-line checker links.
DecodedSource decodeTextSource(const QByteArray& bytes, bool html);

} // namespace lx::text_check
