// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "docx_stream_check.h"

#include "check_text.h"

#include "text_check/docx_body.h"
#include "text_check/finder.h"
#include "text_check/judge.h"

#include <new>

namespace lx::check {

FileReport checkDocxStream(const QString& path, double alpha, const StreamLimits& limits, int jobs,
                           const std::function<void(FileReport&&)>& rows) {
    try {
        text_check::DocxBody body(path);
        if (body.problem() != text_check::DecodeProblem::None) {
            return {path, problemText(body.problem()), {}, {}};
        }
        const ByteSource read = [&](char* buffer, qint64 size) { return body.read(buffer, size); };
        FileReport report = checkStream(path, read, false, alpha, limits, jobs, rows);
        if (body.problem() != text_check::DecodeProblem::None) {
            report.error = problemText(body.problem());
        }
        if (!report.error.isEmpty()) {
            return report;
        }
        for (const auto& [name, text] : body.otherParts()) {
            FileReport part;
            part.name = path;
            for (text_check::FoundResult& found : text_check::findResults(text)) {
                const text_check::Judgement judgement = text_check::judge(found, alpha);
                part.results.push_back({std::move(found), judgement, name});
            }
            rows(std::move(part));
        }
        return report;
    } catch (const std::bad_alloc&) {
        return {path, CheckText::tr("cannot be checked: out of memory"), {}, {}};
    } catch (const std::exception& error) {
        return {path,
                CheckText::tr("cannot be checked: %1").arg(QString::fromLocal8Bit(error.what())),
                {},
                {}};
    }
}

qint64 docxBodyBytes(const QString& path) {
    const text_check::DocxBody body(path);
    return body.problem() == text_check::DecodeProblem::None ? body.bodyBytes() : -1;
}

} // namespace lx::check
