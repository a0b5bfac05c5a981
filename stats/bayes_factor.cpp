// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "bayes_factor.h"

#include "boost_policy.h"

#include <boost/math/distributions/students_t.hpp>
#include <boost/math/quadrature/gauss.hpp>
#include <boost/math/quadrature/gauss_kronrod.hpp>
#include <boost/math/special_functions/chebyshev.hpp>
#include <boost/math/special_functions/gamma.hpp>
#include <boost/math/tools/fraction.hpp>
#include <boost/math/tools/toms748_solve.hpp>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <numbers>
#include <optional>
#include <utility>

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
constexpr double nan = std::numeric_limits<double>::quiet_NaN();

using Rule = bm::quadrature::gauss_kronrod<double, 61>;

// The terms of the incomplete beta function I_z(a, b)'s continued fraction
// 1 + d1 / (1 + d2 / (1 + ...)), b0 = 1 first, as Boost's evaluation takes them.
struct BetaFractionTerms {
    using result_type = std::pair<double, double>;
    double a = 0;
    double b = 0;
    double z = 0;
    int index = -1;

    result_type operator()() {
        ++index;
        if (index == 0) {
            return {0.0, 1.0};
        }
        const double m = index / 2;
        const double d = index % 2 == 0
                             ? m * (b - m) * z / ((a + 2 * m - 1) * (a + 2 * m))
                             : -(a + m) * (a + b + m) * z / ((a + 2 * m) * (a + 2 * m + 1));
        return {d, 1.0};
    }
};

// log P(T[df] < -x) for x > 0, where the tail is beyond the range of a double: the large t that
// take it there give the one-sided integrand weights beyond the largest. P(T < -x) is
// I_z(df / 2, 1 / 2) / 2 with z = df / (df + x^2); the incomplete beta function is its prefix
// z^a (1 - z)^b / (a B(a, b)), worked in logs, over its continued fraction (DLMF 8.17.8 and
// 8.17.22), which converges fast for z below (a + 1) / (a + b + 2) as it is in the far tail.
// NaN when the fraction does not settle.
double logFarLowerTail(double x, double df) {
    const double a = df / 2;
    constexpr double b = 0.5;
    const double x2 = x * x;
    const double z = df / (df + x2);
    const double logPrefix = -a * std::log1p(x2 / df) + b * (2 * std::log(x) - std::log(df + x2)) -
                             std::log(a) - std::log(std::sqrt(std::numbers::pi)) -
                             std::log(bm::tgamma_delta_ratio(a, b, BoostPolicy()));
    BetaFractionTerms terms{a, b, z};
    std::uintmax_t limit = 1000;
    const double fraction =
        bm::tools::continued_fraction_b(terms, std::numeric_limits<double>::epsilon(), limit);
    if (limit >= 1000 || !(fraction > 0)) {
        return nan;
    }
    return logPrefix - std::log(fraction) - ln2;
}

// A central t's lower tail in logs, NaN only where the far tail's fraction does not settle.
double logLowerTail(double x, double df) {
    const double tail = bm::cdf(bm::students_t_distribution<double, BoostPolicy>(df), x);
    return tail > 1e-290 ? std::log(tail) : logFarLowerTail(-x, df);
}

// log P(T[df] < -q) for q in [low, high], interpolated from its values at the Chebyshev points of
// that range, and held at the nearer end outside it. The one-sided integrand needs it at every
// node of every pass, and it is far smoother in q than the integrand is in v: mostly 17 exact
// tails stand in for 61 or more.
class LogTailOnRange {
public:
    // Nothing when the highest degree does not resolve it to within its rounding.
    // logAtHigh is its value at high, which the caller has already worked.
    static std::optional<LogTailOnRange> build(double df, double low, double high,
                                               double logAtHigh) {
        LogTailOnRange tail;
        tail.middle_ = (low + high) / 2;
        tail.half_ = (high - low) / 2;
        std::array<double, maxDegree + 1> values{};
        values[0] = logAtHigh;
        for (int degree = maxDegree / 4; degree <= maxDegree; degree *= 2) {
            // The points of each degree are every other point of the next.
            const int step = maxDegree / degree;
            for (int j = 0; j <= maxDegree; j += step) {
                if (j == 0 || (degree > maxDegree / 4 && (j / step) % 2 == 0)) {
                    continue;
                }
                values[j] = logLowerTail(-(tail.middle_ + tail.half_ * cosine(j)), df);
                if (std::isnan(values[j])) {
                    return std::nullopt;
                }
            }
            if (tail.fit(values, degree)) {
                return tail;
            }
        }
        return std::nullopt;
    }

    double operator()(double q) const {
        const double x = half_ > 0 ? std::clamp((q - middle_) / half_, -1.0, 1.0) : 1.0;
        return bm::chebyshev_clenshaw_recurrence(coefficients_.data(),
                                                 static_cast<std::size_t>(degree_) + 1, x);
    }

private:
    static constexpr int maxDegree = 32; // tried in turn: 8, 16, 32

    // cos(j pi / maxDegree) for j = 0 ... 2 maxDegree - 1.
    static double cosine(int j) {
        static const std::array<double, 2 * maxDegree> table = [] {
            std::array<double, 2 * maxDegree> values{};
            for (std::size_t k = 0; k < values.size(); ++k) {
                values[k] = std::cos(std::numbers::pi * static_cast<double>(k) / maxDegree);
            }
            return values;
        }();
        return table[static_cast<std::size_t>(j)];
    }

    // The Chebyshev coefficients of the interpolant of the given degree through values (laid out
    // for maxDegree); true when its last three say it has converged.
    bool fit(const std::array<double, maxDegree + 1>& values, int degree) {
        const int step = maxDegree / degree;
        double largest = 0;
        for (int k = 0; k <= degree; ++k) {
            double sum = (values[0] + values[maxDegree] * (k % 2 == 0 ? 1 : -1)) / 2;
            for (int j = 1, angle = k * step; j < degree; ++j, angle += k * step) {
                sum += values[j * step] * cosine(angle % (2 * maxDegree));
            }
            coefficients_[k] = 2 * sum / degree;
            largest = std::max(largest, std::fabs(values[k * step]));
        }
        const double tail = std::fabs(coefficients_[degree - 2]) +
                            std::fabs(coefficients_[degree - 1]) + std::fabs(coefficients_[degree]);
        coefficients_[degree] /= 2; // the recurrence halves the first one itself
        degree_ = degree;
        return tail <= std::clamp(1e-13 * largest, 1e-12, 1e-11);
    }

    std::array<double, maxDegree + 1> coefficients_{};
    int degree_ = 0;
    double middle_ = 0;
    double half_ = 0;
};

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
    // The one-sided integrand against t rises from v = 0 and is cut off by the prior.
    double againstRate() const { return r * r / 2 + 1 / (2 * n); }
};

// The map of the rule's x in [-1, 1] onto v = (y / (1 - y))^power / rate, y = (x + 1) / 2,
// without the rate: v times rate, and the log of d(v rate)/dx.
struct MappedNode {
    double scaled = 0;
    double logSlope = 0;
};

// The powers are 1 and 3, so the map and its derivative take products, not pow.
MappedNode mapNode(double x, int power) {
    const double y = (x + 1) / 2;
    if (y >= 1) {
        return {std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity()};
    }
    const double ratio = y / (1 - y);
    const double slope = power == 3 ? 3 * ratio * ratio : 1.0; // d(ratio^power)/d(ratio)
    return {power == 3 ? ratio * ratio * ratio : ratio, std::log(slope / 2) - 2 * std::log1p(-y)};
}

// The Kronrod nodes in the order onePass takes them (0, then each +x and -x), mapped once:
// the same for every integral of every row.
template <int power> const std::array<MappedNode, 61>& mappedNodes() {
    static const std::array<MappedNode, 61> table = [] {
        const auto& nodes = Rule::abscissa();
        std::array<MappedNode, 61> mapped{};
        mapped[0] = mapNode(0.0, power);
        for (std::size_t k = 1; k < nodes.size(); ++k) {
            mapped[2 * k - 1] = mapNode(nodes[k], power);
            mapped[2 * k] = mapNode(-nodes[k], power);
        }
        return mapped;
    }();
    return table;
}

// One pass of the 61-point Kronrod rule over x in [-1, 1] of exp(logAt(node)), in logs, with
// the nodes mapped: the log of the integral and of its largest term, or nothing when a term is
// not a number. gaussLog gets the log of the embedded 30-point Gauss rule's sum, from the same
// terms.
template <typename LogAt>
std::optional<double> onePass(const std::array<MappedNode, 61>& mapped, const LogAt& logAt,
                              double& top, double& gaussLog) {
    const auto& nodes = Rule::abscissa();
    const auto& weights = Rule::weights();
    const auto& gaussWeights = bm::quadrature::gauss<double, 30>::weights();
    // Logs first, so that the sum can be scaled by its largest term.
    std::array<double, 61> logs{};
    for (std::size_t k = 0; k < logs.size(); ++k) {
        logs[k] = logAt(mapped[k]);
    }
    top = -std::numeric_limits<double>::infinity();
    for (const double value : logs) {
        if (std::isnan(value)) {
            return std::nullopt;
        }
        top = std::max(top, value);
    }
    if (!std::isfinite(top)) {
        return std::nullopt;
    }
    double sum = std::exp(logs[0] - top) * weights[0];
    double gaussSum = 0; // the Gauss nodes are the Kronrod nodes of odd index
    for (std::size_t k = 1; k < nodes.size(); ++k) {
        const double pair = std::exp(logs[2 * k - 1] - top) + std::exp(logs[2 * k] - top);
        sum += pair * weights[k];
        if (k % 2 == 1) {
            gaussSum += pair * gaussWeights[k / 2];
        }
    }
    gaussLog = top + std::log(gaussSum);
    return top + std::log(sum);
}

// log of the integral of exp(logIntegrand(v)) over v > 0, or NotFound when it does not settle.
// v = (y / (1 - y))^power / rate for y in [0, 1]: power 1 suits an integrand with one scale,
// power 3 spreads six decades over the range for one with two (a large t with few df).
template <typename LogIntegrand>
Figure<double> logIntegral(const LogIntegrand& logIntegrand, double rate) {
    const double logRate = std::log(rate);
    const auto logAt = [&](const MappedNode& node) {
        if (!std::isfinite(node.scaled)) {
            return -std::numeric_limits<double>::infinity();
        }
        return logIntegrand(node.scaled / rate) + node.logSlope - logRate;
    };
    // The Kronrod sum is far more accurate than the Gauss sum inside it: QUADPACK's rule takes
    // (200 |K - G|)^1.5 as the Kronrod sum's error. Where that is within 1e-9 (relative, or
    // absolute on a log beyond 1) one pass of the one-scale mapping is enough: most rows.
    double top = 0;
    double gaussLog = 0;
    const auto narrow = onePass(mappedNodes<1>(), logAt, top, gaussLog);
    if (narrow && std::pow(200 * std::fabs(*narrow - gaussLog), 1.5) <=
                      1e-9 * std::max(1.0, std::fabs(*narrow))) {
        return *narrow;
    }
    if (!std::isfinite(top)) {
        return Undefined::NotFound;
    }
    // The rest adaptively on the two-scale mapping, whose first pass settles most of them. Its
    // nodes may find terms far above the largest of the pass above, which can have missed a
    // narrow peak: with that largest scaled to e^-300, terms up to e^1000 above it still fit and
    // those down to e^400 below it keep all their digits. The error estimate is |K - G|, the
    // embedded 30-point Gauss rule's; Kronrod's own is far smaller.
    const double scale = top + 300;
    bool lost = false; // a term beyond the range of a double, or not a number
    double error = 0;
    const double area = Rule::integrate(
        [&](double x) {
            const double value = std::exp(logAt(mapNode(x, 3)) - scale);
            lost = lost || !std::isfinite(value);
            return std::isfinite(value) ? value : 0.0;
        },
        -1.0, 1.0, 15, 1e-9, &error);
    if (lost || !(area > 0) || !std::isfinite(area) || error > 1e-8 * area) {
        return Undefined::NotFound;
    }
    return scale + std::log(area);
}

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
        model.againstRate());
}

} // namespace

Figure<double> defaultLogBf10(const Figure<double>& t, double n1, double n2, double priorScale) {
    if (!t) {
        return t.why();
    }
    const Model model(*t, n1, n2, priorScale);
    return logIntegral([&](double v) { return model.logTwoSided(v); }, model.twoSidedRate());
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
