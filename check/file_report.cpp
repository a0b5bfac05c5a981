// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "file_report.h"

#include "check_text.h"

#include "text_check/document_decode.h"
#include "text_check/finder.h"

#include <QFile>

#include <new>

#include <algorithm>
#include <exception>

namespace lx::check {

// Why a file gave no text, for the message that names it.
QString problemText(text_check::DecodeProblem problem) {
    using text_check::DecodeProblem;
    switch (problem) {
    case DecodeProblem::None:
        break;
    case DecodeProblem::NotText:
        return CheckText::tr("not a text file");
    case DecodeProblem::DamagedPdf:
        return CheckText::tr("a PDF file that cannot be read (damaged or incomplete)");
    case DecodeProblem::EncryptedPdf:
        return CheckText::tr("an encrypted PDF file");
    case DecodeProblem::NotDocx:
        return CheckText::tr("a zip archive without word/document.xml, so no DOCX file");
    case DecodeProblem::DamagedDocx:
        return CheckText::tr("a DOCX file whose document cannot be read");
    }
    return {};
}

// What was read in spite of damage, for the warning that names the file.
QString warningText(const text_check::DecodedSource& source, const QByteArray& bytes) {
    using text_check::DecodeWarning;
    switch (source.warning) {
    case DecodeWarning::None:
        break;
    case DecodeWarning::BadUtf8:
        return CheckText::tr("byte %1 (0x%2) is not UTF-8: it and any others like it were read as "
                             "U+FFFD")
            .arg(source.warningAt + 1)
            .arg(static_cast<unsigned char>(bytes.at(source.warningAt)), 2, 16, QLatin1Char('0'));
    case DecodeWarning::DamagedPageTree:
        return CheckText::tr("the page tree is damaged: read the %1 pages that are there")
            .arg(source.warningAt);
    }
    return {};
}

namespace {

// A result in a part after the body (a footnote, a header) is placed by that part and its
// line counted from the part's start.
void placeInPart(const text_check::DecodedSource& source, CheckedResult& result) {
    const auto after = std::find_if(
        source.parts.rbegin(), source.parts.rend(),
        [&](const text_check::SourcePart& part) { return part.start <= result.found.start; });
    if (after == source.parts.rend()) {
        return;
    }
    result.part = after->name;
    result.found.line =
        1 + static_cast<int>(QStringView(source.text)
                                 .sliced(after->start, result.found.start - after->start)
                                 .count(QLatin1Char('\n')));
}

} // namespace

FileReport checkBytes(const QString& name, const QByteArray& bytes, double alpha) {
    FileReport report;
    report.name = name;
    try {
        const text_check::DecodedSource source =
            text_check::decodeSource(bytes, text_check::kindOf(name, bytes));
        report.error = problemText(source.problem);
        if (!report.error.isEmpty()) {
            return report;
        }
        report.warning = warningText(source, bytes);
        for (text_check::FoundResult& found : text_check::findResults(source.text)) {
            const text_check::Judgement judgement = text_check::judge(found, alpha);
            report.results.push_back({std::move(found), judgement, {}});
            placeInPart(source, report.results.back());
        }
    } catch (const std::exception& error) {
        report.results.clear();
        report.error =
            CheckText::tr("cannot be checked: %1").arg(QString::fromLocal8Bit(error.what()));
    }
    return report;
}

FileReport checkFile(const Source& source, double alpha, qint64 maxBytes) {
    if (!source.problem.isEmpty()) {
        return {source.name, source.problem, {}, {}};
    }
    QFile file(source.name);
    if (!file.open(QIODevice::ReadOnly)) {
        return {source.name, CheckText::tr("cannot be read: %1").arg(file.errorString()), {}, {}};
    }
    if (file.size() > maxBytes) {
        return {source.name,
                CheckText::tr("longer than %1 bytes (--max-size sets the limit)").arg(maxBytes),
                {},
                {}};
    }
    QByteArray bytes;
    try {
        bytes = file.readAll();
    } catch (const std::bad_alloc&) {
        return {source.name, CheckText::tr("cannot be checked: out of memory"), {}, {}};
    }
    if (file.error() != QFileDevice::NoError) {
        return {source.name, CheckText::tr("cannot be read: %1").arg(file.errorString()), {}, {}};
    }
    return checkBytes(source.name, bytes, alpha);
}

} // namespace lx::check
