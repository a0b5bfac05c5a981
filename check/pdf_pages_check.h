// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "file_report.h"

#include <QByteArray>
#include <QString>

#include <functional>

namespace lx::check {

// Checks a PDF page by page, so that a long document's results are never all in memory: each
// page's text is searched and judged on one of `jobs` workers, a few pages ahead of the one
// written, and its results, on their page and line, go to `rows` in the order of the pages. Each
// page is read with the start of the next, so that a result the page break cuts is found on the
// page it starts on. The report returned holds the problem or the warning, and no results.
// Never throws.
FileReport checkPdfPages(const QString& name, const QByteArray& bytes, double alpha, int jobs,
                         const std::function<void(FileReport&&)>& rows);

} // namespace lx::check
