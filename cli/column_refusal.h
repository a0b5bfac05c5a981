// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "column_names.h"

#include <QString>

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace lx::cli {

// Why a header cannot be read: the inputs missing, the header as read with its delimiter, the
// names that would have matched and, where the header makes it plain, a --map line to type
// (found holds the columns already found, in the order of SummaryInput).
QString missingMessage(const std::vector<std::string>& header, char delimiter,
                       const std::vector<int>& missing,
                       const std::array<std::optional<std::size_t>, summaryInputCount>& found);

} // namespace lx::cli
