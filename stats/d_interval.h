// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "figure.h"
#include "interval.h"

#include <cstdint>

namespace lx {

// The central interval of Cohen's d at the given level, by inverting the noncentral t at the
// pooled t: the noncentralities that put t at the upper and the lower (1 - level) / 2 point of
// its distribution with n1 + n2 - 2 df, scaled back to d by sqrt(1/n1 + 1/n2). The report's
// interval of d and the planning's safeguard d are both this one. NotFound where the noncentral t
// cannot be inverted (extreme inputs).
Figure<Interval> cohensDInterval(double t, std::int32_t n1, std::int32_t n2, double level);

} // namespace lx
