// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "delta_posterior.h"

#include "bayes_factor.h"
#include "chebyshev_pieces.h"
#include "noncentral_t_density.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>
#include <vector>

namespace lx {

namespace {

constexpr int gridPoints = 201;
constexpr int maxPieces = 400;
// Each piece holds the density to this share of its largest value: the masses to some 1e-10.
constexpr double tolerance = 1e-11;

// log of Student's t density of t with nu df, without underflow for the large t of large N.
double logCentralDensity(double t, double nu) {
    return std::lgamma((nu + 1) / 2) - std::lgamma(nu / 2) - 0.5 * std::log(nu * std::numbers::pi) -
           (nu + 1) / 2 * std::log1p(t * t / nu);
}

} // namespace

Figure<DeltaPosterior> deltaPosterior(const Figure<double>& t, double n1, double n2,
                                      double priorScale, double level) {
    if (!t) {
        return t.why();
    }
    const Figure<double> logBf10 = defaultLogBf10(t, n1, n2, priorScale);
    if (!logBf10) {
        return logBf10.why();
    }
    const double nu = n1 + n2 - 2;
    const double effectiveN = n1 * n2 / (n1 + n2);
    const double rootN = std::sqrt(effectiveN);
    const NoncentralTLogDensity likelihood(*t, nu);
    // The marginal density of t is BF10 times the central t density: the posterior's constant.
    const double logConstant = *logBf10 + logCentralDensity(*t, nu);
    const double r = priorScale;
    const auto density = [&](double delta) {
        const double logPrior =
            -std::log(std::numbers::pi * r) - std::log1p((delta / r) * (delta / r));
        return std::exp(likelihood(delta * rootN) + logPrior - logConstant);
    };
    // Far from 0 the likelihood falls like a normal density in delta with this spread, about
    // the estimate t / sqrt(N); the prior draws it towards 0. Twelve spreads beyond both leave
    // less than 1e-30 of it. The pieces start with the prior's peak and the estimate at their
    // ends and split where the density needs it. A wide first piece can miss a narrow feature
    // inside it, which the mass then shows: the pieces start again at most two spreads wide.
    const double estimate = *t / rootN;
    const double spread = std::sqrt((1 + *t * *t / nu) / effectiveN);
    const double low = std::min(0.0, estimate) - 12 * spread;
    const double high = std::max(0.0, estimate) + 12 * spread;
    const auto fitFrom = [&](std::vector<double> breaks) {
        breaks.push_back(low);
        breaks.push_back(high);
        breaks.erase(std::remove_if(breaks.begin(), breaks.end(),
                                    [&](double x) { return !(x >= low && x <= high); }),
                     breaks.end());
        std::sort(breaks.begin(), breaks.end());
        breaks.erase(std::unique(breaks.begin(), breaks.end()), breaks.end());
        auto fitted = ChebyshevPieces::fit(density, breaks, tolerance, maxPieces);
        return fitted && std::fabs(fitted->total() - 1) < 1e-7 ? fitted : std::nullopt;
    };
    auto pieces = fitFrom({0.0, estimate, estimate - 3 * spread, estimate + 3 * spread,
                           estimate - 7 * spread, estimate + 7 * spread});
    if (!pieces) {
        const int count = static_cast<int>(std::min(200.0, std::ceil((high - low) / (2 * spread))));
        std::vector<double> breaks{0.0, estimate};
        for (int k = 1; k < count; ++k) {
            breaks.push_back(low + (high - low) * k / count);
        }
        pieces = fitFrom(breaks);
    }
    // The constant is BF10's: where the likelihood or the factor's integral is off, or the range
    // misses some of the mass, the mass is not 1.
    if (!pieces) {
        return Undefined::NotFound;
    }
    const double tail = (1 - level) / 2;
    const auto median = pieces->quantile(0.5);
    const auto lower = pieces->quantile(tail);
    const auto upper = pieces->quantile(1 - tail);
    const auto lowest = pieces->quantile(5e-4);
    const auto highest = pieces->quantile(1 - 5e-4);
    if (!median || !lower || !upper || !lowest || !highest) {
        return Undefined::NotFound;
    }
    DeltaPosterior result;
    result.median = *median;
    result.credible = {*lower, *upper};
    // The curve over the central 99.9% and a margin, so that it visibly comes down to 0.
    const double margin = (*highest - *lowest) / 8;
    const double from = *lowest - margin;
    const double to = *highest + margin;
    result.density.reserve(gridPoints);
    for (int k = 0; k < gridPoints; ++k) {
        const double x = from + (to - from) * k / (gridPoints - 1);
        result.density.push_back({x, std::max(0.0, (*pieces)(x))});
    }
    return result;
}

} // namespace lx
