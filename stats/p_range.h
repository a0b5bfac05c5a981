// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "two_sample_report.h"

namespace lx {

// The lowest and highest two-tailed p of the pooled and of Welch's test over every summary the
// typed (rounded) means and SDs could stand for: each within its half-width (half a unit of
// its last digit; for an SD worked out from a typed SE, the SE's times sqrt(N)), SDs floored
// at 0. p falls as |M1 - M2| grows, so only the smallest and the largest difference matter.
// The pooled p is monotone in each SD, so two corners hold its extremes. Welch's df is not (it
// peaks where SE1^2 / SE2^2 = (N1 - 1) / (N2 - 1)): its extremes lie on the edges of the SDs'
// rectangle, never inside, and each edge is searched numerically, which finds an edge's extreme
// unless two dips lie within an eighth of it: where bounds from p's monotonicity in t and in df
// show that the scan would take an end, that end; else a scan, then Brent's method.
Figure<Interval> pooledPRange(const Summary& summary, const TypedRounding& rounding);
Figure<Interval> welchPRange(const Summary& summary, const TypedRounding& rounding);

} // namespace lx
