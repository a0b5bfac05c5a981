// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace lx {

// Hedges' exact small-sample factor Gamma(df/2) / (sqrt(df/2) Gamma((df-1)/2)), which turns
// Cohen's d into Hedges' g; df > 1.
double hedgesFactor(double df);

} // namespace lx
