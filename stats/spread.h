// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// The spread figures both t tests are built from, computed so that no intermediate square
// overflows or underflows before the result does.
namespace lx::spread {

// The standard error of a mean: SD / sqrt(N).
double standardError(double sd, std::int32_t n);

// The pooled SD of two sets, sqrt(((N1-1) SD1^2 + (N2-1) SD2^2) / (N1 + N2 - 2)); N1 + N2 > 2.
double pooledSd(double sd1, std::int32_t n1, double sd2, std::int32_t n2);

// Welch-Satterthwaite degrees of freedom of two standard errors (not both 0; N1, N2 >= 2).
double welchDf(double se1, std::int32_t n1, double se2, std::int32_t n2);

// The same of each set's share of the squared standard error of the difference,
// SE1^2 / (SE1^2 + SE2^2) and SE2^2 / (SE1^2 + SE2^2), which add up to 1.
double welchDfOfShares(double share1, std::int32_t n1, double share2, std::int32_t n2);

} // namespace lx::spread
