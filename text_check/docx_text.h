// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "decode.h"

namespace lx::text_check {

// The text of a DOCX file: its body (word/document.xml), then its footnotes, endnotes, headers
// and footers, each a part of its own; runs' text, hidden ones too, a tab and a
// line break as themselves, each paragraph ended by U+2029 and a line break, so that a result
// is on the line of its paragraph's number.
DecodedSource textOfDocx(const QByteArray& bytes);

} // namespace lx::text_check
