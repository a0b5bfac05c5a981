// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "file_report.h"

#include <QtGlobal>

#include <functional>

namespace lx::check {

// Reads up to `size` bytes of an input into `buffer`: how many, 0 at its end, -1 on an error.
using ByteSource = std::function<qint64(char* buffer, qint64 size)>;

struct StreamLimits {
    qint64 maxBytes = qint64(1) << 30; // an input beyond this is refused, after its rows
    qint64 pieceBytes = qint64(256) << 10;
};

// Checks a plain text or an HTML page (`html`: cut after a block's end tag, outside scripts,
// styles and comments, each piece read as decodeTextSource reads a page) piece by piece, never
// all of it at once, so that memory stays within a few pieces whatever its length, and its rows
// are written as they are found. Each piece of about pieceBytes, cut after a page's, a
// paragraph's or a line's end (else a sentence's or a blank), is decoded as the first piece says
// (decode.h), then searched and judged on one of `jobs` workers, a few pieces ahead of the one
// written; its results, their lines and pages counted in the whole input, go to `rows` in the
// order of the text. The report returned holds the error or the warning, and no results. An
// input longer than maxBytes, or one that never ends, is refused once maxBytes are checked.
// Never throws.
FileReport checkStream(const QString& name, const ByteSource& read, bool html, double alpha,
                       const StreamLimits& limits, int jobs,
                       const std::function<void(FileReport&&)>& rows);

} // namespace lx::check
