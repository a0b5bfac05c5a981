// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "source_files.h"

#include "text_check/decode.h"
#include "text_check/found_result.h"
#include "text_check/judge.h"

#include <QByteArray>
#include <QString>

#include <vector>

namespace lx::check {

struct CheckedResult {
    text_check::FoundResult found; // its line counted in its part
    text_check::Judgement judgement;
    QString part; // where it is when not in the body: a DOCX file's "footnotes", "header", ...
};

// What a file gave: its results, or why it could not be read.
struct FileReport {
    QString name;
    QString error;   // empty when the file was read
    QString warning; // what was read in spite of damage, and where; empty for none
    std::vector<CheckedResult> results;
};

// Why a file gave no text, for the message that names it.
QString problemText(text_check::DecodeProblem problem);
// What was read in spite of damage, for the warning that names the file.
QString warningText(const text_check::DecodedSource& source, const QByteArray& bytes);

// Reads a file (never standard input) and checks every result in it. Never throws.
// One longer than maxBytes is refused unread.
FileReport checkFile(const Source& source, double alpha, qint64 maxBytes);

// Checks the text of bytes already read, as a file of this name.
FileReport checkBytes(const QString& name, const QByteArray& bytes, double alpha);

} // namespace lx::check
