// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "decode.h"

#include <QString>

#include <memory>
#include <utility>
#include <vector>

namespace lx::text_check {

// A DOCX file's text read from its file a piece at a time, for a body too long to hold whole:
// the body's text (as textOfDocx makes it) as UTF-8, inflated and read as it is asked for, then
// the other parts whole, which are small. Memory stays within a few pieces of the body.
class DocxBody {
public:
    explicit DocxBody(const QString& path);
    ~DocxBody();
    DocxBody(const DocxBody&) = delete;
    DocxBody& operator=(const DocxBody&) = delete;

    // Why the body cannot be read (any further): not a DOCX file, or a damaged one.
    DecodeProblem problem() const;
    // The body's XML, uncompressed, as the archive says; -1 where there is none.
    qint64 bodyBytes() const;

    // Up to `size` bytes of the body's text: how many, 0 at its end, -1 where the rest
    // cannot be read (problem() says why).
    qint64 read(char* buffer, qint64 size);

    // The footnotes', endnotes', headers' and footers' texts with their names, in that order;
    // empty and damaged ones left out.
    std::vector<std::pair<QString, QString>> otherParts();

private:
    struct State;
    std::unique_ptr<State> m;
};

} // namespace lx::text_check
