// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace lx {

// The log of the noncentral t density of t with nu df at noncentrality lambda, for the
// likelihood of delta, which needs it at a few hundred lambda per posterior. -infinity where it
// is below the range of a log's double. nu >= 1.
class NoncentralTLogDensity {
public:
    NoncentralTLogDensity(double t, double nu);

    double operator()(double lambda) const;

private:
    double t_ = 0;
    double nu_ = 0;
    double a_ = 0; // nu + t^2
    double logConstant_ = 0;
};

} // namespace lx
