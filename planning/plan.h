// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "plan_settings.h"

#include "stats/figure.h"
#include "stats/power.h"

#include <optional>
#include <variant>

namespace lx::planning {

// Why a figure of a plan is missing where the power figures themselves have nothing to say.
enum class Missing {
    NotRequested,    // the caller did not ask for it
    NoStudyD,        // the effect is the study's d (or its safeguard) and nothing is calculated
    NoStudyRatio,    // n2/n1 is the study's and nothing is calculated
    NoStudySample,   // what the study's Ns can detect, and nothing is calculated
    UndefinedStudyD, // the study has no d: its pooled SD is 0
    TypedDNotNumber, // the typed d is no number
    TypedRatioNotNumber
};

// Why a figure of a plan is missing: one of the plan's own reasons or the power figures'.
using Reason = std::variant<Missing, power::Problem>;

template <typename T> using Decided = Figure<T, Reason>;

// Which of a plan's figures to work out; each search costs a few hundred noncentral t's.
struct PlanNeeds {
    bool sample = true;      // the sample that reaches the power, with the effect and ratio
    bool safeguard = true;   // the study's safeguard d, whatever effect is planned for
    bool sensitivity = true; // the d the study's Ns detect with the power
    bool critical = true;    // the smallest d the study's Ns show significant
};

// A plan and every figure behind it. A figure past a double's range is no figure.
struct Plan {
    PlanSettings settings;
    Decided<double> d = Reason{Missing::NotRequested}; // the effect planned for
    Decided<double> ratio = Reason{Missing::NotRequested};
    Decided<power::SampleSize> sample = Reason{Missing::NotRequested};
    Decided<double> safeguard = Reason{Missing::NotRequested};
    Decided<double> sensitivity = Reason{Missing::NotRequested};
    Decided<double> critical = Reason{Missing::NotRequested};
};

// The plan for the next study from the one in hand (none before a calculation) and the
// settings.
Plan decidePlan(const std::optional<StudyInHand>& study, const PlanSettings& settings,
                const PlanNeeds& needs = {});

} // namespace lx::planning
