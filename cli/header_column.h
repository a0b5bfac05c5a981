// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <cstddef>
#include <string>
#include <variant>
#include <vector>

namespace lx::cli {

// The column of header that an option names, by name (as --columns matches names: without case
// and the blanks around it) or by number from 1; else the message, which starts with the
// option's name and says what the table has.
std::variant<std::size_t, QString> headerColumn(const std::vector<std::string>& header,
                                                const QString& wanted, const QString& option);

} // namespace lx::cli
