// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "decode.h"

#include <QHash>
#include <QRegularExpression>
#include <QStringDecoder>

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
        if (ok && code > 0 && code <= 0x10FFFF) {
            const char32_t character = code;
            return QString::fromUcs4(&character, 1);
        }
        return {};
    }
    return named.value(name.toString());
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

QString decodeTextBytes(const QByteArray& bytes) {
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        QStringDecoder utf16(bytes.startsWith("\xFF\xFE") ? QStringDecoder::Utf16LE
                                                          : QStringDecoder::Utf16BE);
        return utf16.decode(QByteArrayView(bytes).sliced(2));
    }
    const QByteArrayView view =
        bytes.startsWith("\xEF\xBB\xBF") ? QByteArrayView(bytes).sliced(3) : QByteArrayView(bytes);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(view);
    if (!utf8.hasError()) {
        return text;
    }
    QStringDecoder windows("windows-1252", QStringDecoder::Flag::Stateless);
    return windows.isValid() ? QString(windows.decode(view)) : QString::fromLatin1(view);
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
    // Text has no NUL bytes, except as UTF-16, which starts with its mark.
    if (bytes.contains('\0') && !bytes.startsWith("\xFF\xFE") && !bytes.startsWith("\xFE\xFF")) {
        return {{}, DecodeProblem::NotText};
    }
    const QString text = decodeTextBytes(bytes);
    return {html ? textOfHtml(text) : text, DecodeProblem::None};
}

} // namespace lx::text_check
