// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "file_report.h"
#include "streamed_check.h"

#include <QString>

#include <functional>

namespace lx::check {

// Checks a DOCX file whose body is too long to hold, never all of it at once: the body's text
// in pieces as checkStream checks a plain text (limits.maxBytes bounding the text), then the
// footnotes, endnotes, headers and footers, each whole, its results with its name and their
// lines counted from its start, as checkBytes gives them. Rows go to `rows` in that order; the
// report returned holds the problem, and no results. Never throws.
FileReport checkDocxStream(const QString& path, double alpha, const StreamLimits& limits, int jobs,
                           const std::function<void(FileReport&&)>& rows);

// The uncompressed length of a DOCX file's body, or -1 where the file has none.
qint64 docxBodyBytes(const QString& path);

} // namespace lx::check
