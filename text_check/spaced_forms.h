// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "found_result.h"

#include <QString>

#include <vector>

namespace lx::text_check {

// Results whose characters a PDF set apart, one blank between each: "t ( 1 5 ) = . 4 9 7 ,
// P = . 6 3" is t(15) = .497, P = .63. Only a result with such a blank inside a number is read
// here, so that none is read twice; each is marked repaired. In the normalised text (finder.h).
std::vector<FoundResult> readLetterSpaced(const QString& plain);

} // namespace lx::text_check
