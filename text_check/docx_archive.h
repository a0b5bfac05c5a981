// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A DOCX file's zip archive through libzip: the readers of a DOCX file's text share these; no
// header outside this library includes libzip's.

#include "decode.h"

#include <QByteArray>
#include <QString>

#include <zip.h>

#include <memory>
#include <utility>
#include <vector>

namespace lx::text_check {

struct ArchiveCloser {
    void operator()(zip_t* archive) const { zip_discard(archive); }
};
struct EntryCloser {
    void operator()(zip_file_t* entry) const { zip_fclose(entry); }
};
using Archive = std::unique_ptr<zip_t, ArchiveCloser>;
using ArchiveEntry = std::unique_ptr<zip_file_t, EntryCloser>;

// The archive in a file's bytes, which must outlive it, or in a file, read as needed; null
// where there is none.
Archive openArchive(const QByteArray& bytes);
Archive openArchive(const QString& path);

// The document's parts beside the body that hold text, with their names in the output, in a
// fixed order: footnotes, endnotes, then the headers and footers by their numbers.
std::vector<std::pair<QByteArray, QString>> otherParts(zip_t* archive);

// A DOCX file's parts together larger than 1 GB are no paper: those read whole are refused
// beyond that rather than allocated.
constexpr zip_uint64_t largestXml = zip_uint64_t(1) << 30;

// One part's XML read whole, or the problem that keeps it unread. `budget` is what the parts
// read so far leave of largestXml.
QByteArray partXml(zip_t* archive, const char* name, zip_uint64_t& budget, DecodeProblem& problem);

} // namespace lx::text_check
