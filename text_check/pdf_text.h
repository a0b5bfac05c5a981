// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "decode.h"

#include <QByteArray>
#include <QString>

#include <memory>

namespace poppler {
class document;
} // namespace poppler

namespace lx::text_check {

// The text of each page of a PDF in the order it was set (a column after the other, as TeX and
// word processors write them; reading by position interleaves the lines of columns set on one
// baseline grid), each page ended by a form feed. Poppler's own complaints about a damaged file are
// kept off the terminal: the problem says what went wrong.
DecodedSource textOfPdf(const QByteArray& bytes);

// A PDF's pages one at a time, for a long document read page by page: the same text as
// textOfPdf's, each page without its form feed.
class PdfPages {
public:
    using Document = std::unique_ptr<poppler::document>;

    // The document reads the bytes in place: they must outlive it.
    explicit PdfPages(const QByteArray& bytes);
    ~PdfPages();
    PdfPages(const PdfPages&) = delete;
    PdfPages& operator=(const PdfPages&) = delete;

    DecodeProblem problem() const { return m_problem; }
    DecodeWarning warning() const { return m_warning; }
    qsizetype warningAt() const { return m_warningAt; } // the pages read, for a repaired tree
    int count() const { return m_count; }
    QString text(int page) const; // from 0

private:
    Document m_document;
    QByteArray m_repaired; // the bytes with the page tree's count set right, when it was wrong
    DecodeProblem m_problem = DecodeProblem::None;
    DecodeWarning m_warning = DecodeWarning::None;
    qsizetype m_warningAt = -1;
    int m_count = 0;
};

} // namespace lx::text_check
