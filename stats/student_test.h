// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "summary_input.h"

#include <cstdint>

namespace lx {

// What the window shows: Student's pooled test, handed to Statistics::TStudent as two standard
// errors formed from the pooled SD (SE = pooled SD / sqrt(N)), with N1 + N2 - 2 degrees of
// freedom. The window, the batch tool and the checks of a summary all go through here.
struct StudentInputs {
    double se1 = 0;
    double se2 = 0;
    std::int64_t df = 0; // N1 + N2 - 2, summed in 64 bits
};

// The inputs of a summary with N1, N2 >= 1; both SEs are 0 when df is 0.
StudentInputs studentInputs(const Summary& summary);

// Student's t of a summary, never negative, as Statistics::TStudent gives it (and raises).
double studentT(const Summary& summary);

// The same t with the sign of M1 - M2: what the details, the copied text, the batch tool's
// t_pooled and the Bayes factors read, so that no view's t differs from the window's even in its
// last digit.
double signedStudentT(const Summary& summary);

} // namespace lx
