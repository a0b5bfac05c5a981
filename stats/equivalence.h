// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "figure.h"
#include "interval.h"
#include "summary_input.h"

namespace lx {

// The equivalence bounds +-Delta on M1 - M2, in raw units or in units of the pooled SD.
struct EquivalenceMargin {
    double delta = 0; // > 0
    bool inPooledSd = false;
};

// Two one-sided tests of one t test against the bounds.
struct Tost {
    Figure<double> p = Undefined::NotRequested; // the larger of the two one-sided p values
    // The (1 - 2 alpha) interval of M1 - M2: inside the bounds exactly when p < alpha.
    Figure<Interval> interval = Undefined::NotRequested;
};

struct Equivalence {
    Figure<double> bound = Undefined::NotRequested; // Delta in raw units
    Tost pooled;                                    // Student's test, N1 + N2 - 2 df
    Tost welch;                                     // Welch's test
};

// The equivalence tests of a checked summary at alpha = (1 - level) / 2, so that level 0.90
// gives the usual 90% interval and alpha 0.05.
Equivalence equivalenceTests(const Summary& summary, const EquivalenceMargin& margin, double level);

} // namespace lx
