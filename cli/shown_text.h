// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <string_view>

namespace lx::cli {

// A table's bytes as a message shows them: UTF-8 that prints as it is, every other byte as
// \xNN (a NUL too, which would end the message there), and no more than the first 60
// characters, so a binary file's first line stays readable.
QString shownText(std::string_view bytes);

// A cell as text. A cell that is not UTF-8 comes, in practice, from a spreadsheet saved in the
// Windows code page ("M\xfcller" from a German Excel export): read that way, not as U+FFFD, so
// that the name survives.
QString cellText(std::string_view bytes);

// A header name as messages show it: shownText without the blanks around it.
QString shownName(std::string_view name);

} // namespace lx::cli
