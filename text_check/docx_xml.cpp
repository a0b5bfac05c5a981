// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "docx_xml.h"

namespace lx::text_check {

namespace {

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

} // namespace

bool DocxXmlText::add(const QByteArray& xml, QString& text) {
    m_reader.addData(xml);
    return readTokens(text);
}

bool DocxXmlText::finish(QString& text) {
    return readTokens(text) && m_reader.atEnd() && !m_reader.hasError();
}

// The tokens the XML read so far completes. A piece that ends within a token stops the reader
// with a premature end, which the next piece mends.
bool DocxXmlText::readTokens(QString& text) {
    while (!m_reader.atEnd()) {
        const QXmlStreamReader::TokenType token = m_reader.readNext();
        if (token == QXmlStreamReader::Characters) {
            if (m_inText) {
                text += m_reader.text();
            }
            continue;
        }
        const QStringView name = m_reader.name();
        if (token == QXmlStreamReader::StartElement) {
            if (name == u"t") {
                m_inText = true;
            } else if (name == u"tab") {
                text += QLatin1Char('\t');
            } else if (name == u"br" || name == u"cr") {
                text += QLatin1Char('\n');
            } else if (name == u"noBreakHyphen") {
                text += QLatin1Char('-');
            } else if (name == u"sym") {
                text += symbolCharacter(m_reader.attributes().value(QLatin1String("w:char")));
            }
        } else if (token == QXmlStreamReader::EndElement) {
            if (name == u"t") {
                m_inText = false;
            } else if (name == u"p") {
                text += QStringLiteral("\u2029\n");
            }
        }
    }
    return !m_reader.hasError() ||
           m_reader.error() == QXmlStreamReader::PrematureEndOfDocumentError;
}

} // namespace lx::text_check
