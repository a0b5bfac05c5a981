// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "bayes_factor.h"

#include "boost_policy.h"
#include "log_quadrature.h"
#include "t_log_tail.h"

#include <boost/math/tools/toms748_solve.hpp>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace lx {

// With the prior written as delta | g ~ N(0, g), g ~ inverse gamma(1/2, r^2 / 2), t given g is
// sqrt(1 + N g) times a central t with nu df (N the effective N1 N2 / (N1 + N2),
// nu = N1 + N2 - 2), which leaves one integral over g for BF10. Given g, a delta truncated to
// one side makes t a scaled skew-t (Azzalini's, with shape sqrt(N g)): its density is the
// two-sided one times 2 P(T[nu + 1] < +-q), q = sqrt(N g) y sqrt((nu + 1) / (nu + y^2)) with
// y = t / sqrt(1 + N g). That is exact and needs only the central t's tail, taken in logs.
//
// The integrals run over v = 1/g, where the two-sided integrand is smooth, falls from its
// largest value at v = 0 and decays exponentially: the 61-point Kronrod rule on a mapping of
// [0, 1] onto v nearly always settles at once, as its embedded Gauss rule shows; an adaptive
// pass on a second mapping settles the rest.
namespace {

namespace bm = boost::math;

constexpr double logSqrt2Pi = 0.91893853320467274178;
constexpr double ln2 = 0.69314718055994530942;

using log_quadrature::logIntegral;

struct Model {
    double t = 0;
    double n = 0;  // effective N
    double nu = 0; // df
    double r = 0;  // prior scale
    double logConstant = 0;

    Model(double tValue, double n1, double n2, double scale)
        : t(tValue)
        , n(n1 * n2 / (n1 + n2))
        , nu(n1 + n2 - 2)
        , r(scale) {
        // The prior's constant over the null's likelihood.
        logConstant = std::log(r) - logSqrt2Pi + (nu + 1) / 2 * std::log1p(t * t / nu);
    }

    // log of the two-sided integrand at v = 1/g: the likelihood ratio times the prior density.
    double logTwoSided(double v) const {
        return logConstant - 0.5 * std::log(v + n) - r * r * v / 2 -
               (nu + 1) / 2 * std::log1p(t * t / nu * (v / (v + n)));
    }

    // q at v: P(T[nu + 1] < -q) is the one-sided factor's share against the sign of t. It falls
    // from |t| sqrt((nu + 1) / nu) at v = 0 towards 0.
    double againstQ(double v) const {
        const double shrink = n / (n + v); // N g / (1 + N g)
        return std::fabs(t) * std::sqrt(shrink * (nu + 1) / (nu + t * t * (1 - shrink)));
    }
    double largestQ() const { return againstQ(0); }

    // A v beyond which the one-sided integrand, whatever its factor, holds at most exp(logShare)
    // of the one-sided integral, or 0 when none is found. The factor is at most 1, and the
    // two-sided integrand beyond v holds at most exp(logTwoSided(v)) 2 / r^2, as it falls at
    // least at the rate r^2 / 2; the one-sided integral is at least the two-sided one times the
    // factor at v = 0, since the factor rises with v.
    double negligibleFrom(double logTwoSidedIntegral, double logFactorAtZero,
                          double logShare) const {
        const double target =
            logShare + logTwoSidedIntegral + logFactorAtZero + std::log(r * r / 2);
        const auto excess = [&](double v) { return logTwoSided(v) - target; };
        double high = 1 / againstRate();
        while (excess(high) > 0) {
            high *= 4;
            if (!std::isfinite(high)) {
                return 0;
            }
        }
        const double low = 0;
        const double excessLow = excess(low);
        if (!(excessLow > 0)) {
            return 0;
        }
        std::uintmax_t iterations = 30;
        const auto bracket = bm::tools::toms748_solve(excess, low, high, excessLow, excess(high),
                                                      bm::tools::eps_tolerance<double>(8),
                                                      iterations, BoostPolicy());
        return excess(bracket.second) <= 0 ? bracket.second : 0;
    }

    // How fast the two-sided integrand falls at v = 0.
    double twoSidedRate() const {
        return r * r / 2 + 1 / (2 * n) + (nu + 1) * t * t / (2 * n * nu);
    }
    // Beyond the likelihood's scale, only the prior's factor exp(-r^2 v / 2) cuts the integrands
    // off.
    double priorRate() const { return r * r / 2; }
    // The one-sided integrand against t rises from v = 0 and is cut off by the prior.
    double againstRate() const { return r * r / 2 + 1 / (2 * n); }
};

// The one-sided factor against the observed sign: the small one, so it is integrated. Its t tail
// is interpolated only where q is not yet so small that the integrand beyond is lost in the
// sum; without BF10 to judge that by, over the whole range of q.
Figure<double> logAgainstFactor(const Model& model, const Figure<double>& log10) {
    const double df = model.nu + 1;
    const double largestQ = model.largestQ();
    const double logTailAtTop = logLowerTail(-largestQ, df);
    const double cut =
        log10 ? model.negligibleFrom(*log10, ln2 + logTailAtTop, std::log(1e-15)) : 0;
    const double smallestQ = cut > 0 ? model.againstQ(cut) : 0;
    const auto tail = LogTailOnRange::build(df, smallestQ, largestQ, logTailAtTop);
    return logIntegral(
        [&](double v) {
            const double q = model.againstQ(v);
            return model.logTwoSided(v) + ln2 + (tail ? (*tail)(q) : logLowerTail(-q, df));
        },
        model.againstRate(), model.priorRate());
}

} // namespace

Figure<double> defaultLogBf10(const Figure<double>& t, double n1, double n2, double priorScale) {
    if (!t) {
        return t.why();
    }
    const Model model(*t, n1, n2, priorScale);
    return logIntegral([&](double v) { return model.logTwoSided(v); }, model.twoSidedRate(),
                       model.priorRate());
}

Figure<double> defaultLogBf10Slope(const Figure<double>& t, double n1, double n2,
                                   double priorScale) {
    if (!t) {
        return t.why();
    }
    // The prior's density of v is r v^(-1/2) exp(-r^2 v / 2) up to a constant, so the integrand's
    // log changes with r by 1/r - r v: the slope is 1/r - r E[v], E over the normalised
    // integrand.
    const Model model(*t, n1, n2, priorScale);
    const double rate = model.twoSidedRate();
    const auto whole =
        logIntegral([&](double v) { return model.logTwoSided(v); }, rate, model.priorRate());
    const auto weighted = logIntegral([&](double v) { return std::log(v) + model.logTwoSided(v); },
                                      rate, model.priorRate());
    if (!whole || !weighted) {
        return Undefined::NotFound;
    }
    return 1 / priorScale - priorScale * std::exp(*weighted - *whole);
}

BayesFactors defaultBayesFactors(const Figure<double>& t, double n1, double n2, double priorScale) {
    if (!t) {
        return {t.why(), t.why(), t.why()};
    }
    const Model model(*t, n1, n2, priorScale);
    const Figure<double> log10 = defaultLogBf10(t, n1, n2, priorScale);
    const Figure<double> against = logAgainstFactor(model, log10);
    // The factor with the observed sign is what the other leaves of 2 BF10, which loses nothing
    // since it is at least BF10.
    Figure<double> with = log10 ? against : log10; // the reason, where either has none
    if (log10 && against) {
        with = *log10 + ln2 + std::log1p(-std::exp(*against - *log10 - ln2));
    }
    const bool positive = model.t >= 0;
    return {log10, positive ? with : against, positive ? against : with};
}

} // namespace lx
