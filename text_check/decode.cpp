// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "decode.h"

#include <QHash>
#include <QRegularExpression>
#include <QStringDecoder>

#include <algorithm>

namespace lx::text_check {

namespace {

// Skips what lies between `from` and the end of `close`, leaving its line breaks as blanks
// would lose them: each kept as a line break, anything else as nothing.
qsizetype skipTo(const QString& html, qsizetype from, QStringView close, QString& out) {
    qsizetype end = html.indexOf(close, from, Qt::CaseInsensitive);
    end = end < 0 ? html.size() : end + close.size();
    for (qsizetype k = from; k < end; ++k) {
        if (html[k] == QLatin1Char('\n')) {
            out += QLatin1Char('\n');
        }
    }
    return end;
}

// Whether a tag opens or closes a block of its own: a paragraph, a heading, a list item, a
// table row, a division.
bool startsBlock(QStringView tag) {
    static const QRegularExpression block(
        QStringLiteral(R"(^</?(?:p|div|li|h[1-6]|blockquote|section|article|tr|table|ul|ol|dd|dt|)"
                       R"(figcaption|header|footer|main|aside)(?=[\s>/]))"),
        QRegularExpression::CaseInsensitiveOption);
    return block.match(tag.left(16).toString()).hasMatch();
}

QString entity(QStringView name) {
    static const QHash<QString, QString> named = {
        {QStringLiteral("amp"), QStringLiteral("&")},
        {QStringLiteral("lt"), QStringLiteral("<")},
        {QStringLiteral("gt"), QStringLiteral(">")},
        {QStringLiteral("quot"), QStringLiteral("\"")},
        {QStringLiteral("apos"), QStringLiteral("'")},
        {QStringLiteral("nbsp"), QStringLiteral(" ")},
        {QStringLiteral("minus"), QStringLiteral("-")},
        {QStringLiteral("ndash"), QStringLiteral("-")},
        {QStringLiteral("le"), QStringLiteral("\u2264")},
        {QStringLiteral("ge"), QStringLiteral("\u2265")},
        {QStringLiteral("thinsp"), QStringLiteral(" ")},
        {QStringLiteral("rsquo"), QStringLiteral("'")},
        {QStringLiteral("times"), QStringLiteral("\u00d7")}};
    if (name.startsWith(QLatin1Char('#'))) {
        bool ok = false;
        const uint code =
            name.size() > 1 && (name[1] == QLatin1Char('x') || name[1] == QLatin1Char('X'))
                ? name.mid(2).toUInt(&ok, 16)
                : name.mid(1).toUInt(&ok, 10);
        if (!ok || code == 0) {
            return {};
        }
        // A lone surrogate would leave the text ill-formed, and then no pattern matches in it.
        const char32_t character =
            code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF) ? 0xFFFD : code;
        return QString::fromUcs4(&character, 1);
    }
    return named.value(name.toString());
}

// Unpaired surrogates (a UTF-16 file can hold them) as U+FFFD.
QString wellFormed(QString text) {
    for (qsizetype k = 0; k < text.size(); ++k) {
        const QChar c = text[k];
        if (c.isHighSurrogate() && k + 1 < text.size() && text[k + 1].isLowSurrogate()) {
            ++k;
        } else if (c.isSurrogate()) {
            text[k] = QChar::ReplacementCharacter;
        }
    }
    return text;
}

// The well-formed multi-byte UTF-8 sequences in some bytes and the bytes that belong to none.
struct Utf8Count {
    qsizetype multiByte = 0;
    qsizetype bad = 0;
    qsizetype firstBad = -1;
};

Utf8Count countUtf8(QByteArrayView bytes) {
    Utf8Count count;
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
    const qsizetype size = bytes.size();
    for (qsizetype k = 0; k < size;) {
        const unsigned char lead = data[k];
        if (lead < 0x80) {
            ++k;
            continue;
        }
        // The lead byte's length and the range its first continuation byte may take, which
        // rules out overlong forms and surrogates.
        int length = 0;
        unsigned char low = 0x80;
        unsigned char high = 0xBF;
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            low = lead == 0xE0 ? 0xA0 : 0x80;
            high = lead == 0xED ? 0x9F : 0xBF;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            low = lead == 0xF0 ? 0x90 : 0x80;
            high = lead == 0xF4 ? 0x8F : 0xBF;
        }
        bool formed = length > 0 && k + length <= size && data[k + 1] >= low && data[k + 1] <= high;
        for (int j = 2; formed && j < length; ++j) {
            formed = data[k + j] >= 0x80 && data[k + j] <= 0xBF;
        }
        if (formed) {
            ++count.multiByte;
            k += length;
        } else {
            if (count.bad == 0) {
                count.firstBad = k;
            }
            ++count.bad;
            ++k;
        }
    }
    return count;
}

} // namespace

SourceKind kindOf(const QString& fileName, const QByteArray& bytes) {
    if (bytes.startsWith("%PDF")) {
        return SourceKind::Pdf;
    }
    if (bytes.startsWith("PK\x03\x04")) {
        return SourceKind::Docx;
    }
    const QString lower = fileName.toLower();
    for (const char* suffix : {".html", ".htm", ".xhtml"}) {
        if (lower.endsWith(QLatin1String(suffix))) {
            return SourceKind::Html;
        }
    }
    return SourceKind::PlainText;
}

TextEncoding textEncodingOf(QByteArrayView bytes, bool declaredUtf8) {
    // Sized views: a literal's NUL bytes would end it.
    if (bytes.startsWith(QByteArrayView("\xFF\xFE\0\0", 4))) {
        return {"UTF-32LE", 4};
    }
    if (bytes.startsWith(QByteArrayView("\0\0\xFE\xFF", 4))) {
        return {"UTF-32BE", 4};
    }
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        return {bytes.startsWith("\xFF") ? "UTF-16LE" : "UTF-16BE", 2};
    }
    const qsizetype mark = bytes.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    const Utf8Count count = countUtf8(bytes.sliced(mark));
    if (count.bad == 0 || declaredUtf8 || (count.multiByte > 0 && count.multiByte >= count.bad)) {
        return {"UTF-8", mark};
    }
    return {"windows-1252", 0};
}

bool declaresUtf8(QByteArrayView start) {
    static const QRegularExpression utf8Declared(
        QStringLiteral(R"(<meta[^>]*charset\s*=\s*["']?utf-?8)"),
        QRegularExpression::CaseInsensitiveOption);
    return utf8Declared
        .match(QString::fromLatin1(start.first(std::min<qsizetype>(start.size(), 4096))))
        .hasMatch();
}

qsizetype firstNonUtf8Byte(QByteArrayView bytes) {
    return countUtf8(bytes).firstBad;
}

QStringDecoder decoderFor(const TextEncoding& encoding, QStringDecoder::Flags flags) {
    QStringDecoder decoder(encoding.name.constData(), flags);
    // Without the Windows code page (a Qt built without ICU), Latin-1 is the nearest.
    return decoder.isValid() ? std::move(decoder) : QStringDecoder(QStringDecoder::Latin1, flags);
}

QString decodeTextBytes(const QByteArray& bytes, qsizetype* firstBadByte, bool declaredUtf8) {
    const TextEncoding encoding = textEncodingOf(bytes, declaredUtf8);
    const QByteArrayView view = QByteArrayView(bytes).sliced(encoding.markBytes);
    if (firstBadByte) {
        const qsizetype bad = encoding.name == "UTF-8" ? firstNonUtf8Byte(view) : -1;
        *firstBadByte = bad < 0 ? -1 : bad + encoding.markBytes;
    }
    // Qt's decoder reads each byte that is not UTF-8 as U+FFFD.
    QStringDecoder decoder = decoderFor(encoding, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(view);
    return encoding.name.startsWith("UTF-16") || encoding.name.startsWith("UTF-32")
               ? wellFormed(std::move(text))
               : text;
}

QString textOfHtml(const QString& html) {
    QString out;
    out.reserve(html.size());
    qsizetype k = 0;
    while (k < html.size()) {
        const QChar c = html[k];
        if (c == QLatin1Char('<')) {
            const QStringView rest = QStringView(html).mid(k);
            if (rest.startsWith(QLatin1String("<!--"))) {
                k = skipTo(html, k, u"-->", out);
            } else if (rest.startsWith(QLatin1String("<script"), Qt::CaseInsensitive)) {
                k = skipTo(html, k, u"</script>", out);
            } else if (rest.startsWith(QLatin1String("<style"), Qt::CaseInsensitive)) {
                k = skipTo(html, k, u"</style>", out);
            } else {
                const bool block = startsBlock(rest);
                k = skipTo(html, k, u">", out);
                if (block) {
                    // A paragraph's words are not about the next paragraph's results.
                    out += QChar(0x2029);
                    continue;
                }
            }
            out += QLatin1Char(' '); // a tag separates words, as a cell does
            continue;
        }
        if (c == QLatin1Char('&')) {
            const qsizetype end = html.indexOf(QLatin1Char(';'), k);
            if (end > k && end - k <= 10) {
                const QString character = entity(QStringView(html).mid(k + 1, end - k - 1));
                if (!character.isEmpty()) {
                    out += character;
                    k = end + 1;
                    continue;
                }
            }
        }
        out += c;
        ++k;
    }
    return out;
}

DecodedSource decodeTextSource(const QByteArray& bytes, bool html) {
    // Text has no NUL bytes, except as UTF-16 or UTF-32, which start with their marks.
    if (bytes.contains('\0') && !bytes.startsWith("\xFF\xFE") && !bytes.startsWith("\xFE\xFF") &&
        !bytes.startsWith(QByteArrayView("\0\0\xFE\xFF", 4))) { // sized: it holds NULs
        return {{}, {}, DecodeProblem::NotText};
    }
    DecodedSource source;
    qsizetype firstBad = -1;
    // A page that says it is UTF-8 is, whatever a few of its bytes are.
    const bool declared = html && declaresUtf8(bytes);
    const QString text = decodeTextBytes(bytes, &firstBad, declared);
    source.text = html ? textOfHtml(text) : text;
    if (firstBad >= 0) {
        source.warning = DecodeWarning::BadUtf8;
        source.warningAt = firstBad;
    }
    return source;
}

} // namespace lx::text_check
