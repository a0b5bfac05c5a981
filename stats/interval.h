// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace lx {

// A confidence interval or a range.
struct Interval {
    double lower = 0;
    double upper = 0;
};

} // namespace lx
