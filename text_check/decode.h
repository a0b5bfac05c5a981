#pragma once

#include <QByteArray>
#include <QString>

namespace lx::text_check {

// How a file's bytes are laid out.
enum class SourceKind { PlainText, Html };

// The kind a file name says, plain text unless it ends in .html, .htm or .xhtml.
SourceKind kindOfName(const QString& fileName);

// Text bytes as the batch tool reads a table: UTF-16 by its byte-order mark, else UTF-8 (a
// UTF-8 mark dropped), else the Windows code page, which is what a file that is not UTF-8
// almost always is.
QString decodeTextBytes(const QByteArray& bytes);

// The text a browser would show of an HTML page: tags, comments, scripts and styles become
// blanks, entities their characters. The page's line breaks stay where they were, so a result
// found is on the line of the source it came from.
QString textOfHtml(const QString& html);

// The readable text of a file's bytes.
QString decodeSource(const QByteArray& bytes, SourceKind kind);

} // namespace lx::text_check
