#include "file_report.h"

#include "check_text.h"

#include "text_check/decode.h"
#include "text_check/finder.h"

#include <QFile>
#include <QFileInfo>

#include <exception>

namespace lx::check {

namespace {

// A file the program cannot read as text, named by what it is.
QString unreadableKind(const QString& name, const QByteArray& bytes) {
    const QString suffix = QFileInfo(name).suffix().toLower();
    if (bytes.startsWith("%PDF") || suffix == QLatin1String("pdf")) {
        return CheckText::tr("a PDF file, which this program cannot read yet");
    }
    if (bytes.startsWith("PK\x03\x04")) {
        return CheckText::tr("a zip archive (such as a DOCX file), which this program cannot "
                             "read yet");
    }
    // Text has no NUL bytes, except as UTF-16, which starts with its mark.
    if (bytes.contains('\0') && !bytes.startsWith("\xFF\xFE") && !bytes.startsWith("\xFE\xFF")) {
        return CheckText::tr("not a text file");
    }
    return {};
}

} // namespace

FileReport checkBytes(const QString& name, const QByteArray& bytes, double alpha) {
    FileReport report;
    report.name = name;
    try {
        report.error = unreadableKind(name, bytes);
        if (!report.error.isEmpty()) {
            return report;
        }
        const QString text = text_check::decodeSource(bytes, text_check::kindOfName(name));
        for (text_check::FoundResult& found : text_check::findResults(text)) {
            const text_check::Judgement judgement = text_check::judge(found, alpha);
            report.results.push_back({std::move(found), judgement});
        }
    } catch (const std::exception& error) {
        report.results.clear();
        report.error =
            CheckText::tr("cannot be checked: %1").arg(QString::fromLocal8Bit(error.what()));
    }
    return report;
}

FileReport checkFile(const Source& source, double alpha) {
    if (!source.problem.isEmpty()) {
        return {source.name, source.problem, {}};
    }
    QFile file(source.name);
    if (!file.open(QIODevice::ReadOnly)) {
        return {source.name, CheckText::tr("cannot be read: %1").arg(file.errorString()), {}};
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        return {source.name, CheckText::tr("cannot be read: %1").arg(file.errorString()), {}};
    }
    return checkBytes(source.name, bytes, alpha);
}

} // namespace lx::check
