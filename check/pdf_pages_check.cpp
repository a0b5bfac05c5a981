// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "pdf_pages_check.h"

#include "check_text.h"

#include "cli/work_queue.h"
#include "text_check/finder.h"
#include "text_check/pdf_text.h"

#include <algorithm>
#include <deque>
#include <future>
#include <new>

namespace lx::check {

namespace {

std::vector<CheckedResult> checkedPage(const QString& text, int page, double alpha) {
    std::vector<CheckedResult> checked;
    for (text_check::FoundResult& found : text_check::findResults(text)) {
        found.page = page;
        const text_check::Judgement judgement = text_check::judge(found, alpha);
        checked.push_back({std::move(found), judgement, {}});
    }
    return checked;
}

} // namespace

FileReport checkPdfPages(const QString& name, const QByteArray& bytes, double alpha, int jobs,
                         const std::function<void(FileReport&&)>& rows) {
    FileReport report;
    report.name = name;
    try {
        const text_check::PdfPages pages(bytes);
        report.error = problemText(pages.problem());
        if (!report.error.isEmpty()) {
            return report;
        }
        text_check::DecodedSource damage;
        damage.warning = pages.warning();
        damage.warningAt = pages.warningAt();
        report.warning = warningText(damage, bytes);
        // Poppler makes the pages' text here, one after the other; the workers search it.
        cli::WorkQueue<std::vector<CheckedResult>> workers(std::max(jobs, 1));
        std::deque<std::future<std::vector<CheckedResult>>> pending;
        const auto writeNext = [&] {
            FileReport part;
            part.name = name;
            part.results = pending.front().get();
            pending.pop_front();
            rows(std::move(part));
        };
        for (int k = 0; k < pages.count(); ++k) {
            pending.push_back(workers.submit([text = pages.text(k), page = k + 1, alpha] {
                return checkedPage(text, page, alpha);
            }));
            while (pending.size() > static_cast<std::size_t>(2 * std::max(jobs, 1))) {
                writeNext();
            }
        }
        while (!pending.empty()) {
            writeNext();
        }
    } catch (const std::bad_alloc&) {
        report.error = CheckText::tr("cannot be checked: out of memory");
    } catch (const std::exception& error) {
        report.error =
            CheckText::tr("cannot be checked: %1").arg(QString::fromLocal8Bit(error.what()));
    }
    return report;
}

} // namespace lx::check
