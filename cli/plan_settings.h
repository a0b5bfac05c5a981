// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "stats/power.h"

namespace lx::cli {

// How the planning columns plan the next study of each row.
struct PlanSettings {
    enum class Effect { Observed, Safeguard, Typed };
    double power = 0.8;
    power::TestDesign test;
    bool observedRatio = false; // n2/n1 as the row's N2/N1, else `ratio`
    double ratio = 1;
    Effect effect = Effect::Observed;
    double d = 0; // the typed effect
};

} // namespace lx::cli
