// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: LGPL-3.0-or-later
#include "form_file.h"

#include "bag_text.h"
#include "core/runtime_error.h"

#include <QStringList>

#include <algorithm>

namespace lx {

namespace {

[[noreturn]] void fail(qsizetype lineNumber, const QString& what) {
    throw RuntimeError(
        ErrorNumber::TypeMismatch,
        QStringLiteral("form file line %1: %2").arg(lineNumber).arg(what).toStdString());
}

// "Begin <Type> <Name>" or "Begin <Type> <Name>(<index>)", split by blanks.
FormNode parseBegin(const QString& line, qsizetype lineNumber) {
    const QStringList words = line.simplified().split(u' ');
    FormNode node;
    QStringView name = words.size() == 3 ? QStringView(words[2]) : QStringView();
    QStringView index;
    if (const qsizetype open = name.indexOf(u'('); open > 0 && name.endsWith(u')')) {
        index = name.sliced(open + 1, name.size() - open - 2);
        name = name.first(open);
        bool ok = false;
        node.index = index.toInt(&ok);
        const bool digitsOnly =
            std::all_of(index.begin(), index.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
        if (!ok || !digitsOnly) {
            name = {};
        }
    }
    if (words.size() != 3 || words[0] != QLatin1String("Begin") ||
        !bag_text::isIdentifier(words[1]) || !bag_text::isIdentifier(name)) {
        fail(lineNumber, QStringLiteral("expected Begin <Type> <Name>"));
    }
    node.type = words[1];
    node.name = name.toString();
    return node;
}

void write(const FormNode& node, const QString& indent, QString& out) {
    out += indent + QStringLiteral("Begin ") + node.type + u' ' + node.name;
    if (node.index >= 0) {
        out += QStringLiteral("(%1)").arg(node.index);
    }
    out += u'\n';
    const QString inner = indent + QStringLiteral("   ");
    out += bag_text::toText(node.properties, inner);
    for (const FormNode& child : node.children) {
        write(child, inner, out);
    }
    out += indent + QStringLiteral("End\n");
}

} // namespace

QString FormNode::objectName() const {
    return index < 0 ? name : QStringLiteral("%1_%2").arg(name).arg(index);
}

FormNode parseFormFile(const QString& text) {
    QList<FormNode> open; // the chain of Begin blocks not yet ended
    FormNode root;
    bool haveRoot = false;
    const QStringList lines = text.split(u'\n');
    for (qsizetype n = 0; n < lines.size(); ++n) {
        const QString line = lines[n].trimmed();
        const qsizetype lineNumber = n + 1;
        if (line.isEmpty() || line.startsWith(u'#')) {
            continue;
        }
        if (line.startsWith(QLatin1String("Begin "))) {
            if (haveRoot && open.isEmpty()) {
                fail(lineNumber, QStringLiteral("text after the form's End"));
            }
            open.append(parseBegin(line, lineNumber));
        } else if (line == QLatin1String("End")) {
            if (open.isEmpty()) {
                fail(lineNumber, QStringLiteral("End without Begin"));
            }
            FormNode done = open.takeLast();
            if (open.isEmpty()) {
                root = done;
                haveRoot = true;
            } else {
                open.last().children.append(done);
            }
        } else {
            QString key;
            QString value;
            if (open.isEmpty() || !bag_text::splitAssignment(line, key, value)) {
                fail(lineNumber, QStringLiteral("expected Key = value inside a Begin block"));
            }
            try {
                open.last().properties.insert(key, bag_text::valueFromText(value));
            } catch (const RuntimeError& error) {
                fail(lineNumber, QString::fromUtf8(error.what()));
            }
        }
    }
    if (!open.isEmpty()) {
        fail(lines.size(), QStringLiteral("missing End"));
    }
    if (!haveRoot) {
        fail(lines.size(), QStringLiteral("no form in the file"));
    }
    return root;
}

QString writeFormFile(const FormNode& root) {
    QString out;
    write(root, QString(), out);
    return out;
}

} // namespace lx
