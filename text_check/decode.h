// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringDecoder>

#include <vector>

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

// What was read in spite of damage: the reader went on, and says where.
enum class DecodeWarning {
    None,
    BadUtf8,         // bytes that are not UTF-8 in a UTF-8 file, each read as U+FFFD
    DamagedPageTree, // a PDF whose page tree miscounts its pages
};

// A stretch of a document's text that is not its body: a DOCX file's footnotes, endnotes,
// headers and footers follow the body, each from its `start` on.
struct SourcePart {
    qsizetype start = 0;
    QString name; // "footnotes", "endnotes", "header", "footer"
};

struct DecodedSource {
    QString text; // pages of a PDF end in a form feed; paragraphs of a DOCX in U+2029
    std::vector<SourcePart> parts; // in the order of the text
    DecodeProblem problem = DecodeProblem::None;
    DecodeWarning warning = DecodeWarning::None;
    qsizetype warningAt = -1; // the offset of the first bad byte; the first page not listed
};

// How a text's bytes are read, as decodeTextBytes chooses it from them; a long text read in
// pieces is read throughout as its first piece says.
struct TextEncoding {
    QByteArray name;         // for QStringDecoder: "UTF-8", "UTF-16LE", ..., "windows-1252"
    qsizetype markBytes = 0; // of the byte-order mark, skipped
};
TextEncoding textEncodingOf(QByteArrayView bytes, bool declaredUtf8 = false);

// A decoder of that encoding (Latin-1 where Qt lacks the Windows code page).
QStringDecoder decoderFor(const TextEncoding& encoding, QStringDecoder::Flags flags);

// Whether a page's first bytes say it is UTF-8 (<meta charset="utf-8">, in its first 4 KB).
bool declaresUtf8(QByteArrayView start);

// The offset of the first byte in no well-formed UTF-8 sequence; -1 where there is none.
qsizetype firstNonUtf8Byte(QByteArrayView bytes);

// Text bytes: UTF-32 or UTF-16 by its byte-order mark, else UTF-8 (a UTF-8 mark dropped), else
// the Windows code page, which is what a file that is not UTF-8 almost always is. A file is UTF-8
// when it says so (`declaredUtf8`) or has at least as many well-formed multi-byte sequences as
// bytes that are not UTF-8, so one stray byte does not turn a UTF-8 paper's minus signs into
// three letters each: that byte reads as U+FFFD, and `firstBadByte` (when given) gets its
// offset, else -1. Unpaired surrogates read as U+FFFD too, so the text is always well-formed.
QString decodeTextBytes(const QByteArray& bytes, qsizetype* firstBadByte = nullptr,
                        bool declaredUtf8 = false);

// The text a browser would show of an HTML page: tags, comments, scripts and styles become
// blanks, a block's tags (a paragraph's, a heading's, a list item's, ...) a paragraph separator
// (U+2029), entities their characters (a reference to a surrogate or beyond Unicode U+FFFD). The
// page's line breaks stay where they were, so a result found is on the line of the source it came
// from.
QString textOfHtml(const QString& html);

// The readable text of a plain text or HTML file's bytes. PDF and DOCX files need the document
// readers (document_decode.h), which only the command-line checker links.
DecodedSource decodeTextSource(const QByteArray& bytes, bool html);

} // namespace lx::text_check
