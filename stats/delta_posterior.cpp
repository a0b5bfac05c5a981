// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "delta_posterior.h"

#include "bayes_factor.h"
#include "boost_policy.h"

#include <boost/math/quadrature/gauss.hpp>
#include <boost/math/quadrature/gauss_kronrod.hpp>
#include <boost/math/tools/toms748_solve.hpp>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <numbers>
#include <optional>

namespace lx {

namespace {

namespace bm = boost::math;

using PanelRule = bm::quadrature::gauss<double, 10>;

constexpr int panelCount = 100;
constexpr int gridPoints = 201;

// The noncentral t density of t with nu df at lambda, as the mixture it is: given S = sqrt(W / nu)
// with W chi-square on nu df, t S is normal about lambda with unit variance. Boost's own density
// drops its odd part for a small nonzero t (t = -0.03 with 262 df gives the same density at
// lambda = +-3.9, 14% off each way), which the posterior of a small effect meets at once. The
// integrand peaks where the scale's density and the normal's meet; the quadrature is cut there
// so that a narrow peak (large nu) is not missed.
double noncentralDensity(double t, double nu, double lambda) {
    const double logConstant = std::log(2.0) + nu / 2 * std::log(nu / 2) - std::lgamma(nu / 2) -
                               0.5 * std::log(2 * std::numbers::pi);
    const auto integrand = [&](double s) {
        if (!(s > 0) || !std::isfinite(s)) {
            return 0.0;
        }
        const double z = t * s - lambda;
        return std::exp(logConstant + nu * std::log(s) - nu * s * s / 2 - z * z / 2);
    };
    const double scalePrecision = 2 * nu; // the scale's density near its mode, as a normal's
    const double precision = scalePrecision + t * t;
    const double peak = std::max(0.0, (scalePrecision + t * lambda) / precision);
    const double width = 1 / std::sqrt(precision);
    std::array<double, 6> cuts{0,
                               peak - 40 * width,
                               peak - 8 * width,
                               peak + 8 * width,
                               peak + 40 * width,
                               std::numeric_limits<double>::infinity()};
    for (std::size_t k = 1; k + 1 < cuts.size(); ++k) {
        cuts[k] = std::max(cuts[k], cuts[k - 1]);
    }
    double density = 0;
    for (std::size_t k = 0; k + 1 < cuts.size(); ++k) {
        if (cuts[k + 1] > cuts[k]) {
            density += bm::quadrature::gauss_kronrod<double, 31>::integrate(integrand, cuts[k],
                                                                            cuts[k + 1], 10, 1e-12);
        }
    }
    return density;
}

struct Posterior {
    double t = 0;
    double nu = 0;
    double rootN = 0; // sqrt of the effective N
    double r = 0;
    double logConstant = 0; // log of the marginal density of t

    // The normalised posterior density at delta.
    double operator()(double delta) const {
        const double likelihood = noncentralDensity(t, nu, delta * rootN);
        if (!(likelihood > 0) || !std::isfinite(likelihood)) {
            return 0; // beyond the range of a double: checked by the total
        }
        const double logPrior =
            -std::log(std::numbers::pi * r) - std::log1p((delta / r) * (delta / r));
        return std::exp(std::log(likelihood) + logPrior - logConstant);
    }
};

// log of Student's t density of t with nu df, without underflow for the large t of large N.
double logCentralDensity(double t, double nu) {
    return std::lgamma((nu + 1) / 2) - std::lgamma(nu / 2) - 0.5 * std::log(nu * std::numbers::pi) -
           (nu + 1) / 2 * std::log1p(t * t / nu);
}

// The posterior's mass over [low, high].
double mass(const Posterior& posterior, double low, double high) {
    return PanelRule::integrate(posterior, low, high);
}

// delta at which the cumulative mass reaches p, given the cumulative masses at the panel edges.
std::optional<double> quantile(const Posterior& posterior,
                               const std::array<double, panelCount + 1>& edges,
                               const std::array<double, panelCount + 1>& cumulative, double p) {
    const auto above = std::upper_bound(cumulative.begin(), cumulative.end(), p);
    if (above == cumulative.begin() || above == cumulative.end()) {
        return std::nullopt;
    }
    const auto k = static_cast<std::size_t>(above - cumulative.begin()) - 1;
    const double low = edges[k];
    const auto shortfall = [&](double x) { return cumulative[k] + mass(posterior, low, x) - p; };
    std::uintmax_t iterations = 60;
    const auto bracket = bm::tools::toms748_solve(
        shortfall, low, edges[k + 1], cumulative[k] - p, cumulative[k + 1] - p,
        bm::tools::eps_tolerance<double>(45), iterations, BoostPolicy());
    return (bracket.first + bracket.second) / 2;
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
    const Posterior posterior{*t, nu, std::sqrt(effectiveN), priorScale,
                              *logBf10 + logCentralDensity(*t, nu)};
    // The likelihood falls like a normal density in delta with about this spread, about the
    // estimate t / sqrt(N); the prior draws it towards 0. Forty spreads on each side leave
    // nothing a double can hold.
    const double estimate = *t / posterior.rootN;
    const double spread = std::sqrt((1 + *t * *t / nu) / effectiveN);
    const double low = std::min(0.0, estimate) - 40 * spread;
    const double high = std::max(0.0, estimate) + 40 * spread;
    std::array<double, panelCount + 1> edges{};
    std::array<double, panelCount + 1> cumulative{};
    for (int k = 0; k <= panelCount; ++k) {
        edges[k] = low + (high - low) * k / panelCount;
        cumulative[k] = k == 0 ? 0 : cumulative[k - 1] + mass(posterior, edges[k - 1], edges[k]);
    }
    // The constant is BF10's: where the noncentral t's density or the factor's integral is off,
    // the mass is not 1.
    if (!(std::fabs(cumulative[panelCount] - 1) < 1e-7)) {
        return Undefined::NotFound;
    }
    const double tail = (1 - level) / 2;
    const auto median = quantile(posterior, edges, cumulative, 0.5);
    const auto lower = quantile(posterior, edges, cumulative, tail);
    const auto upper = quantile(posterior, edges, cumulative, 1 - tail);
    const auto lowest = quantile(posterior, edges, cumulative, 5e-4);
    const auto highest = quantile(posterior, edges, cumulative, 1 - 5e-4);
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
        result.density.push_back({x, posterior(x)});
    }
    return result;
}

} // namespace lx
