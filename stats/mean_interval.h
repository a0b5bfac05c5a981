// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "figure.h"
#include "interval.h"

#include <cstdint>

namespace lx {

// The confidence interval of one group's mean: t with n - 1 df times SD / sqrt(n). Of zero width
// when the SD is 0; TooFewObservations below two observations.
Figure<Interval> meanInterval(std::int32_t n, double mean, double sd, double level = 0.95);

} // namespace lx
