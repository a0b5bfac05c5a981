// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "stats/power.h"

#include <cstdint>

namespace lx {

// The plan the planning view shows, as the power curve draws it.
struct PowerPlan {
    double d = 0;
    double targetPower = 0.8;
    power::TestDesign test;
    double ratio = 1; // n2/n1
    std::int32_t n1 = 0;
};

} // namespace lx
