// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "found_result.h"
#include "judge.h"

#include "stats/interval.h"

namespace lx::text_check {

// Whether the confidence interval printed with a result fits it, each printed number standing
// for its rounding. Of a mean difference: the half-width over the critical t is the standard
// error, and the centre over that error is a t, which must fall within the reported t's
// rounding (`absoluteT`, as sizes). Of a d or g, with the group sizes known: the noncentral-t
// interval of the reported effect, over its rounding, must reach each printed bound's rounding.
// NotChecked without an interval, or for a d's without sizes.
EffectVerdict checkInterval(const FoundResult& result, Interval absoluteT);

} // namespace lx::text_check
