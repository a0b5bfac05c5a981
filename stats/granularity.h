// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// Granularity tests for summaries of whole-number data: the mean of N whole numbers is a
// multiple of 1/N, and their SD can only take certain values for a given sum. Each respondent's
// score may average several whole-number items, which makes the grid finer.
namespace lx::granularity {

enum class Verdict { Consistent, Inconsistent, Untestable };

// A typed decimal value: value rounded to `decimals` digits after the point.
struct Rounded {
    double value = 0;
    int decimals = 0;
};

// Whether some N scores (each the mean of `items` whole numbers) have a mean that rounds to the
// typed mean, under rounding half up or half to even. Untestable when N * items >= 10^decimals
// (every value of that precision is possible) or the mean is too large to hold exactly.
Verdict meanVerdict(std::int32_t n, Rounded mean, std::int32_t items);

// Whether some N such scores with a mean that rounds to the typed mean have a sample SD that
// rounds to the typed SD. Untestable when N * items >= 10^(SD's decimals), when N < 2, or
// when the search would not stay short.
Verdict sdVerdict(std::int32_t n, Rounded mean, Rounded sd, std::int32_t items);

} // namespace lx::granularity
