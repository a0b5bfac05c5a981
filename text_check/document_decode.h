// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "decode.h"

namespace lx::text_check {

// The readable text of a file's bytes of any kind: PDF through Poppler, DOCX through libzip,
// plain text and HTML as decodeTextSource reads them.
DecodedSource decodeSource(const QByteArray& bytes, SourceKind kind);

} // namespace lx::text_check
