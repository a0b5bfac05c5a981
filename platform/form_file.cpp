#include "form_file.h"

#include "bag_text.h"
#include "core/runtime_error.h"

#include <QRegularExpression>
#include <QStringList>

namespace lx {

namespace {

[[noreturn]] void fail(qsizetype lineNumber, const QString& what) {
    throw RuntimeError(
        ErrorNumber::TypeMismatch,
        QStringLiteral("form file line %1: %2").arg(lineNumber).arg(what).toStdString());
}

FormNode parseBegin(const QString& line, qsizetype lineNumber) {
    static const QRegularExpression begin(QStringLiteral(
        "^Begin\\s+([A-Za-z_][A-Za-z0-9_]*)\\s+([A-Za-z_][A-Za-z0-9_]*)(?:\\((\\d+)\\))?$"));
    const auto match = begin.match(line);
    if (!match.hasMatch()) {
        fail(lineNumber, QStringLiteral("expected Begin <Type> <Name>"));
    }
    FormNode node;
    node.type = match.captured(1);
    node.name = match.captured(2);
    if (match.hasCaptured(3)) {
        node.index = match.captured(3).toInt();
    }
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
