// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The parts of the patterns that find results in a text, which every form and the search around
// a result share. Functions, not globals: the window that links this starts without building
// them.
namespace lx::text_check::pattern_parts {

inline QString number() {
    return QStringLiteral(R"([-+]?(?:\d+(?:[.,]\d+)?|[.,]\d+))");
}
inline QString df() {
    return QStringLiteral(R"(\d+(?:[.,]\d+)?)");
}
inline QString noLetterBefore() {
    return QStringLiteral(R"((?<![\p{L}\d]))");
}
} // namespace lx::text_check::pattern_parts
