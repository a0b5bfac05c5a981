// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calculator_view.h"

namespace lx {

// Reads the six input boxes, checks them, and writes the degrees of freedom,
// t and the P class into the result boxes, hands the summary and what its
// report holds to the view, then moves the focus to N2.
// Numbers are read and written in the user's locale (QLocale()).
// Unusable input never reaches the arithmetic: the first unusable box is
// named in an "Error!" message, gets the focus, and no result box changes.
void Calculate(CalculatorView& view);

} // namespace lx
