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

// How much of the next page is read with a page: a result the page break cuts in two is then
// whole, and one that starts there is left to the next page.
constexpr qsizetype lookahead = 400;

// A page's results, with the start of the next page after a page end: `length` is the page's.
std::vector<CheckedResult> checkedPage(const QString& text, qsizetype length, int page,
                                       double alpha) {
    std::vector<CheckedResult> checked;
    for (text_check::FoundResult& found : text_check::findResults(text)) {
        if (found.start >= length) {
            break;
        }
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
        QString next = pages.count() > 0 ? pages.text(0) : QString();
        for (int k = 0; k < pages.count(); ++k) {
            QString text = std::move(next);
            next = k + 1 < pages.count() ? pages.text(k + 1) : QString();
            const qsizetype length = text.size();
            if (!next.isEmpty()) {
                text += QLatin1Char('\f') + next.left(lookahead);
            }
            pending.push_back(workers.submit([text = std::move(text), length, page = k + 1, alpha] {
                return checkedPage(text, length, page, alpha);
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
