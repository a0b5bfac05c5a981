// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shown_text.h"

#include <QStringDecoder>

namespace lx::cli {

namespace {

constexpr int shownCharacters = 60;

// The bytes a UTF-8 sequence takes by its lead byte, 0 for a byte that cannot lead one.
std::size_t sequenceLength(unsigned char lead) {
    if (lead < 0x80) {
        return 1;
    }
    if ((lead & 0xE0) == 0xC0) {
        return 2;
    }
    if ((lead & 0xF0) == 0xE0) {
        return 3;
    }
    return (lead & 0xF8) == 0xF0 ? 4 : 0;
}

// The character the sequence at the start of bytes spells when it is valid and printable.
QString printableCharacter(std::string_view bytes, std::size_t length) {
    if (length == 0 || length > bytes.size()) {
        return {};
    }
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString character =
        utf8.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(length)));
    if (utf8.hasError() || character.isEmpty()) {
        return {};
    }
    const char32_t code = character.size() == 2
                              ? QChar::surrogateToUcs4(character.at(0), character.at(1))
                              : character.at(0).unicode();
    if (!QChar::isPrint(code)) {
        return {};
    }
    return character;
}

} // namespace

QString shownText(std::string_view bytes) {
    QString shown;
    for (int characters = 0; !bytes.empty(); ++characters) {
        if (characters == shownCharacters) {
            shown += QChar(0x2026); // the rest is left out
            break;
        }
        const auto lead = static_cast<unsigned char>(bytes.front());
        const std::size_t length = sequenceLength(lead);
        if (const QString character = printableCharacter(bytes, length); !character.isEmpty()) {
            shown += character;
            bytes.remove_prefix(length);
        } else {
            shown += QStringLiteral("\\x%1").arg(lead, 2, 16, QLatin1Char('0'));
            bytes.remove_prefix(1);
        }
    }
    return shown;
}

QString cellText(std::string_view bytes) {
    const QByteArrayView view(bytes.data(), static_cast<qsizetype>(bytes.size()));
    // A mark at the start of a cell is part of its text: it is kept, as every other byte.
    QStringDecoder utf8(QStringDecoder::Utf8,
                        QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    QString text = utf8.decode(view);
    if (!utf8.hasError()) {
        return text;
    }
    QStringDecoder windows("windows-1252", QStringDecoder::Flag::Stateless);
    return windows.isValid() ? QString(windows.decode(view))
                             : QString::fromLatin1(bytes.data(), view.size());
}

QString shownName(std::string_view name) {
    constexpr std::string_view blanks = " \t\r\n\v\f";
    const std::size_t first = name.find_first_not_of(blanks);
    if (first == std::string_view::npos) {
        return {};
    }
    return shownText(name.substr(first, name.find_last_not_of(blanks) - first + 1));
}

} // namespace lx::cli
