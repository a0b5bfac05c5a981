// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "decode.h"

namespace lx::text_check {

// The text of each page of a PDF in the order it was set (a column after the other, as TeX and
// word processors write them; reading by position interleaves the lines of columns set on one
// baseline grid), each page ended by a form feed. Poppler's own complaints about a damaged file are
// kept off the terminal: the problem says what went wrong.
DecodedSource textOfPdf(const QByteArray& bytes);

} // namespace lx::text_check
