// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "figure.h"
#include "interval.h"
#include "summary_input.h"
#include "typed_rounding.h"

// What a summary of rounded figures allows of its t and df: every summary its typed means and
// SDs may have been rounded from. The report's p range and the checks of a paper's t and df
// both read it.
namespace lx::reported {

// |t| over every summary the typed means and SDs allow, for the pooled test and Welch's.
struct TRanges {
    Figure<Interval> pooled = Undefined::NotRequested;
    Figure<Interval> welch = Undefined::NotRequested;
};
TRanges tRanges(const Summary& summary, const TypedRounding& rounding);

// Welch's df over every summary the typed SDs allow (N1, N2 >= 2, not both SDs 0).
Figure<Interval> welchDfRange(const Summary& summary, const TypedRounding& rounding);

} // namespace lx::reported
