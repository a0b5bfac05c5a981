// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "stats/figure.h"
#include "stats/power.h"

#include <cstdint>

namespace lx::planning {

// How the next study is planned: the batch tool's --plan options, the planning view's boxes.
struct PlanSettings {
    enum class Effect { Observed, Safeguard, Typed };
    double power = 0.8;
    power::TestDesign test;
    bool observedRatio = false; // n2/n1 as the study's N2/N1, else `ratio`
    double ratio = 1;           // NaN when what was typed is no number
    Effect effect = Effect::Observed;
    double d = 0; // the typed effect; NaN when what was typed is no number
};

// The study a plan starts from: its Ns and its observed d (undefined without a spread).
struct StudyInHand {
    std::int32_t n1 = 0;
    std::int32_t n2 = 0;
    Figure<double> d = Undefined::NotRequested;
};

} // namespace lx::planning
