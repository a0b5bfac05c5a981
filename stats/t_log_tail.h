// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>

// The lower tail of a central t in logs, as the one-sided Bayes factors need it far beyond the
// range of a double.
namespace lx {

// log P(T[df] < x), NaN only where the far tail's continued fraction does not settle.
double logLowerTail(double x, double df);

// log P(T[df] < -q) for q in [low, high], interpolated from its values at the Chebyshev points of
// that range, and held at the nearer end outside it. The one-sided integrand needs it at every
// node of every pass, and it is far smoother in q than the integrand is in v: mostly 17 exact
// tails stand in for 61 or more.
class LogTailOnRange {
public:
    // Nothing when the highest degree does not resolve it to within its rounding.
    // logAtHigh is its value at high, which the caller has already worked.
    static std::optional<LogTailOnRange> build(double df, double low, double high,
                                               double logAtHigh);

    double operator()(double q) const;

private:
    static constexpr int maxDegree = 32; // tried in turn: 8, 16, 32

    static double cosine(int j);
    bool fit(const std::array<double, maxDegree + 1>& values, int degree);

    std::array<double, maxDegree + 1> coefficients_{};
    int degree_ = 0;
    double middle_ = 0;
    double half_ = 0;
};

} // namespace lx
