// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: LGPL-3.0-or-later
#include "bag_text.h"

#include "core/runtime_error.h"
#include "prepared_picture.h"

#include <QBuffer>
#include <QFont>
#include <QPixmap>
#include <QStringList>

#include <algorithm>

namespace lx::bag_text {

namespace {

// Plain character tests: a regular expression engine would cost the window's start-up more than
// reading its whole form file.
bool isAsciiLetter(QChar c) {
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
}

bool isAsciiDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// An optional minus, then one or more digits.
bool isInteger(QStringView text) {
    const QStringView digits = text.startsWith(u'-') ? text.mid(1) : text;
    return !digits.isEmpty() && std::all_of(digits.begin(), digits.end(), isAsciiDigit);
}

[[noreturn]] void fail(const QString& what) {
    throw RuntimeError(ErrorNumber::TypeMismatch, what.toStdString());
}

QString quoted(const QString& text) {
    QString out = QStringLiteral("\"");
    for (const QChar c : text) {
        if (c == u'"' || c == u'\\') {
            out += u'\\';
            out += c;
        } else if (c == u'\n') {
            out += QStringLiteral("\\n");
        } else if (c == u'\r') {
            out += QStringLiteral("\\r");
        } else if (c == u'\t') {
            out += QStringLiteral("\\t");
        } else {
            out += c;
        }
    }
    return out + u'"';
}

// Reads a quoted text starting at text[0] == '"'; the whole input must be used.
QString unquoted(const QString& text) {
    if (text.size() < 2 || !text.startsWith(u'"') || !text.endsWith(u'"')) {
        fail(QStringLiteral("unterminated text: %1").arg(text));
    }
    QString out;
    for (qsizetype i = 1; i < text.size() - 1; ++i) {
        QChar c = text[i];
        if (c == u'"') {
            fail(QStringLiteral("stray quote in text: %1").arg(text));
        }
        if (c == u'\\') {
            if (++i >= text.size() - 1) {
                fail(QStringLiteral("dangling escape in text: %1").arg(text));
            }
            c = text[i];
            switch (c.unicode()) {
            case 'n':
                c = u'\n';
                break;
            case 'r':
                c = u'\r';
                break;
            case 't':
                c = u'\t';
                break;
            case '"':
            case '\\':
                break;
            default:
                fail(QStringLiteral("unknown escape \\%1 in text").arg(c));
            }
        }
        out += c;
    }
    return out;
}

// "Name(...)" -> the quoted argument's text; empty optional when not that call.
bool callArgument(const QString& text, const QString& name, QString& argument) {
    if (!text.startsWith(name + u'(') || !text.endsWith(u')')) {
        return false;
    }
    argument = unquoted(text.mid(name.size() + 1, text.size() - name.size() - 2).trimmed());
    return true;
}

QString pictureToText(const QPixmap& pixmap) {
    if (pixmap.isNull()) {
        return QStringLiteral("Picture(\"\")");
    }
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    pixmap.save(&buffer, "PNG");
    return QStringLiteral("Picture(\"%1\")").arg(QString::fromLatin1(png.toBase64()));
}

QPixmap pictureFromText(const QString& data) {
    QPixmap pixmap;
    if (data.isEmpty()) {
        return pixmap;
    }
    if (data.startsWith(u':')) {
        pixmap = prepared_picture::builtIn(data);
    }
    const bool loaded = data.startsWith(u':')
                            ? !pixmap.isNull()
                            : pixmap.loadFromData(QByteArray::fromBase64(data.toLatin1()), "PNG");
    if (!loaded) {
        fail(QStringLiteral("not a picture: %1").arg(data.left(40)));
    }
    return pixmap;
}

} // namespace

QString valueToText(const QVariant& value) {
    switch (value.typeId()) {
    case QMetaType::Bool:
        return value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    case QMetaType::UInt:
        return QStringLiteral("0x") +
               QString::number(value.toUInt(), 16).toUpper().rightJustified(8, u'0');
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Int:
    case QMetaType::LongLong:
        return QString::number(value.toLongLong());
    case QMetaType::Float:
    case QMetaType::Double: {
        QString text = QString::number(value.toDouble(), 'g', 17);
        if (!text.contains(u'.') && !text.contains(u'e') && !text.contains(u'n') &&
            !text.contains(u'i')) {
            text += QStringLiteral(".0");
        }
        return text;
    }
    case QMetaType::QString:
        return quoted(value.toString());
    case QMetaType::QFont:
        return QStringLiteral("Font(%1)").arg(quoted(value.value<QFont>().toString()));
    case QMetaType::QPixmap:
        return pictureToText(value.value<QPixmap>());
    case QMetaType::UnknownType:
        return QStringLiteral("Picture(\"\")");
    default:
        fail(QStringLiteral("cannot store a value of type %1").arg(value.typeName()));
    }
}

QVariant valueFromText(const QString& rawText) {
    const QString text = rawText.trimmed();
    if (text == QLatin1String("True")) {
        return true;
    }
    if (text == QLatin1String("False")) {
        return false;
    }
    if (text.startsWith(u'"')) {
        return unquoted(text);
    }
    QString argument;
    if (callArgument(text, QStringLiteral("Font"), argument)) {
        QFont font;
        if (!font.fromString(argument)) {
            fail(QStringLiteral("not a font: %1").arg(argument));
        }
        return font;
    }
    if (callArgument(text, QStringLiteral("Picture"), argument)) {
        return pictureFromText(argument);
    }
    bool ok = false;
    if (text.startsWith(QLatin1String("0x"))) {
        const uint colour = text.mid(2).toUInt(&ok, 16);
        if (ok) {
            return colour;
        }
    } else if (isInteger(text)) {
        const qlonglong number = text.toLongLong(&ok);
        if (ok && number >= INT32_MIN && number <= INT32_MAX) {
            return static_cast<int>(number);
        }
        if (ok) {
            return number;
        }
    } else {
        const double number = text.toDouble(&ok);
        if (ok) {
            return number;
        }
    }
    fail(QStringLiteral("not a value: %1").arg(text));
}

bool splitAssignment(const QString& line, QString& key, QString& value) {
    const qsizetype equals = line.indexOf(u'=');
    if (equals <= 0) {
        return false;
    }
    key = line.left(equals).trimmed();
    value = line.mid(equals + 1).trimmed();
    return isIdentifier(key);
}

bool isIdentifier(QStringView text) {
    const auto letter = [](QChar c) { return isAsciiLetter(c) || c == u'_'; };
    return !text.isEmpty() && letter(text.front()) &&
           std::all_of(text.begin() + 1, text.end(),
                       [&](QChar c) { return letter(c) || isAsciiDigit(c); });
}

QString toText(const PropertyBag& bag, const QString& indent) {
    QString out;
    for (const QString& key : bag.keys()) {
        out += indent + key + QStringLiteral(" = ") + valueToText(bag.ReadProperty(key)) + u'\n';
    }
    return out;
}

PropertyBag fromText(const QString& text) {
    PropertyBag bag;
    const QStringList lines = text.split(u'\n');
    for (qsizetype n = 0; n < lines.size(); ++n) {
        const QString line = lines[n].trimmed();
        if (line.isEmpty()) {
            continue;
        }
        QString key;
        QString value;
        if (!splitAssignment(line, key, value)) {
            fail(QStringLiteral("line %1: expected Key = value").arg(n + 1));
        }
        try {
            bag.insert(key, valueFromText(value));
        } catch (const RuntimeError& error) {
            fail(
                QStringLiteral("line %1: %2").arg(n + 1).arg(QString::fromStdString(error.what())));
        }
    }
    return bag;
}

} // namespace lx::bag_text
