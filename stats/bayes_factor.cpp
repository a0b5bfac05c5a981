#include "bayes_factor.h"

#include "boost_policy.h"

#include <boost/math/distributions/students_t.hpp>
#include <boost/math/quadrature/gauss.hpp>
#include <boost/math/quadrature/gauss_kronrod.hpp>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <optional>

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
// [0, 1] onto v nearly always settles at once, as its embedded Gauss rule shows; a second
// mapping, then an adaptive pass, settle the rest.
namespace {

namespace bm = boost::math;

constexpr double logSqrt2Pi = 0.91893853320467274178;
constexpr double ln2 = 0.69314718055994530942;
constexpr double nan = std::numeric_limits<double>::quiet_NaN();

using Rule = bm::quadrature::gauss_kronrod<double, 61>;

// A central t's lower tail in logs. One beyond the smallest double is worked in long double:
// the large t that push it there give it weights beyond the largest.
double logLowerTail(double x, double df) {
    const double tail = bm::cdf(bm::students_t_distribution<double, BoostPolicy>(df), x);
    if (tail > 1e-290) {
        return std::log(tail);
    }
    const long double wide =
        bm::cdf(bm::students_t_distribution<long double, BoostPolicy>(static_cast<long double>(df)),
                static_cast<long double>(x));
    return wide > 0 ? static_cast<double>(std::log(wide)) : nan;
}

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

    // log of 2 P(T[nu + 1] < -|q|): the one-sided factor against the sign of t.
    double logAgainst(double v) const {
        const double shrink = n / (n + v); // N g / (1 + N g)
        const double q = std::fabs(t) * std::sqrt(shrink * (nu + 1) / (nu + t * t * (1 - shrink)));
        return ln2 + logLowerTail(-q, nu + 1);
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

// log of the integral of exp(logIntegrand(v)) over v > 0, or NaN when it does not settle.
// v = (y / (1 - y))^power / rate for y in [0, 1]: power 1 suits an integrand with one scale,
// power 3 spreads six decades over the range for one with two (a large t with few df).
template <typename LogIntegrand> double logIntegral(const LogIntegrand& logIntegrand, double rate) {
    const double logRate = std::log(rate);
    const auto logAt = [&](const MappedNode& node) {
        if (!std::isfinite(node.scaled)) {
            return -std::numeric_limits<double>::infinity();
        }
        return logIntegrand(node.scaled / rate) + node.logSlope - logRate;
    };
    const auto agree = [](double a, double b) {
        return std::fabs(a - b) <= 1e-10 * std::max(1.0, std::fabs(a));
    };
    // The Kronrod sum is far more accurate than the Gauss sum inside it: QUADPACK's rule takes
    // (200 |K - G|)^1.5 as the Kronrod sum's error. Where that is within 1e-9 (relative, or
    // absolute on a log beyond 1) one pass of the one-scale mapping is enough: most rows.
    double narrowTop = 0;
    double gaussLog = 0;
    const auto narrow = onePass(mappedNodes<1>(), logAt, narrowTop, gaussLog);
    if (narrow && std::pow(200 * std::fabs(*narrow - gaussLog), 1.5) <=
                      1e-9 * std::max(1.0, std::fabs(*narrow))) {
        return *narrow;
    }
    // Two mappings that put their nodes very differently agree only where both have converged.
    double top = 0;
    const auto wide = onePass(mappedNodes<3>(), logAt, top, gaussLog);
    if (wide && narrow && agree(*wide, *narrow)) {
        return *wide;
    }
    if (!std::isfinite(top)) {
        return nan;
    }
    // Its error estimate is that of the embedded 30-point Gauss rule; Kronrod's own is far
    // smaller.
    bool lost = false; // a term beyond the range of a double, or not a number
    double error = 0;
    const double area = Rule::integrate(
        [&](double x) {
            const double value = std::exp(logAt(mapNode(x, 3)) - top);
            lost = lost || !std::isfinite(value);
            return std::isfinite(value) ? value : 0.0;
        },
        -1.0, 1.0, 15, 1e-10, &error);
    if (lost || !(area > 0) || !std::isfinite(area) || error > 1e-8 * area) {
        return nan;
    }
    return top + std::log(area);
}

} // namespace

Figure<BayesFactors> defaultBayesFactors(const Figure<double>& t, double n1, double n2,
                                         double priorScale) {
    if (!t) {
        return t.why();
    }
    const Model model(*t, n1, n2, priorScale);
    const double log10 =
        logIntegral([&](double v) { return model.logTwoSided(v); }, model.twoSidedRate());
    // The factor against the observed sign is the small one and is integrated; the other is what
    // it leaves of 2 BF10, which loses nothing since it is at least BF10.
    const double logAgainst = logIntegral(
        [&](double v) { return model.logTwoSided(v) + model.logAgainst(v); }, model.againstRate());
    if (std::isnan(log10) || std::isnan(logAgainst)) {
        return Undefined::NotFound;
    }
    const double logWith = log10 + ln2 + std::log1p(-std::exp(logAgainst - log10 - ln2));
    BayesFactors factors;
    factors.logBf10 = log10;
    factors.logBfPlus = model.t >= 0 ? logWith : logAgainst;
    factors.logBfMinus = model.t >= 0 ? logAgainst : logWith;
    return factors;
}

} // namespace lx
