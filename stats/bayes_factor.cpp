#include "bayes_factor.h"

#include "boost_policy.h"

#include <boost/math/distributions/students_t.hpp>
#include <boost/math/quadrature/sinh_sinh.hpp>
#include <boost/math/tools/minima.hpp>

#include <cmath>
#include <limits>

namespace lx {

// With the prior written as delta | g ~ N(0, g), g ~ inverse gamma(1/2, r^2 / 2), t given g is
// sqrt(1 + N g) times a central t with nu df (N the effective N1 N2 / (N1 + N2),
// nu = N1 + N2 - 2), which leaves one integral over g for BF10. Given g, a delta truncated to
// one side makes t a scaled skew-t: its density is the two-sided one times
// 2 P(T[nu + 1] < +-q(g)), q(g) = sqrt(N g) y sqrt((nu + 1) / (nu + y^2)) with
// y = t / sqrt(1 + N g) (Azzalini's skew-t with shape sqrt(N g)). That is exact and needs only the
// central t's tail, taken in logs. Every integrand is integrated over u = log g, centred on its own
// peak and scaled by its height.
namespace {

namespace bm = boost::math;

constexpr double logSqrt2Pi = 0.91893853320467274178;
constexpr double ln2 = 0.69314718055994530942;
constexpr double logNone = -std::numeric_limits<double>::infinity();

struct Model {
    double t = 0;
    double n = 0;  // effective N
    double nu = 0; // df
    double r = 0;  // prior scale
    double logNull = 0;

    // log of the two-sided integrand over u, the likelihood ratio at g times p(g) dg/du.
    double logTwoSided(double u) const {
        const double g = std::exp(u);
        const double spread = std::log1p(n * g);
        const double logPrior = std::log(r) - logSqrt2Pi - 0.5 * u - r * r / (2 * g);
        return -0.5 * spread - (nu + 1) / 2 * std::log1p(t * t / (nu * std::exp(spread))) +
               logNull + logPrior;
    }

    // log P(T[nu + 1] < -q(g)): the one-sided factor against the sign of t, halved.
    double logAgainst(double u) const {
        const double g = std::exp(u);
        const double s2 = 1 + n * g;
        const double y2 = t * t / s2;
        const double q = std::sqrt(1 / (1 + 1 / (n * g)) * t * t * (nu + 1) / (nu + y2));
        return logLowerTail(-q, nu + 1);
    }

    // A tail beyond the smallest double is worked in long double: the large t that push it
    // there give it weights beyond the largest.
    static double logLowerTail(double x, double df) {
        const double tail = bm::cdf(bm::students_t_distribution<double, BoostPolicy>(df), x);
        if (tail > 1e-290) {
            return std::log(tail);
        }
        const long double wide = bm::cdf(
            bm::students_t_distribution<long double, BoostPolicy>(static_cast<long double>(df)),
            static_cast<long double>(x));
        return wide > 0 ? static_cast<double>(std::log(wide)) : logNone;
    }
};

// log of the integral of exp(logIntegrand(u)) du, or NaN when it does not settle.
template <typename LogIntegrand> double logIntegral(const LogIntegrand& logIntegrand) {
    const auto minus = [&](double u) {
        const double value = logIntegrand(u);
        return std::isnan(value) ? std::numeric_limits<double>::infinity() : -value;
    };
    // The peak lies where the likelihood's rise meets the prior's fall: somewhere between
    // g = e^-60 and e^60 for any N a table can hold.
    std::uintmax_t iterations = 60;
    const auto [peak, minusTop] = bm::tools::brent_find_minima(minus, -60.0, 60.0, 20, iterations);
    const double top = -minusTop;
    if (!std::isfinite(top)) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    // The width from the curvature at the peak puts sinh-sinh's nodes where the mass is.
    const double h = 1e-3;
    const double curvature = (2 * minusTop - minus(peak - h) - minus(peak + h)) / (h * h);
    const double width = curvature < 0 ? 1 / std::sqrt(-curvature) : 1.0;
    const auto scaled = [&](double z) {
        const double value = std::exp(logIntegrand(peak + width * z) - top);
        return std::isfinite(value) ? value : 0.0;
    };
    // Its node tables grow as it goes: one per thread for the batch tool's workers.
    thread_local bm::quadrature::sinh_sinh<double> integrator(9);
    double error = 0;
    const double area = integrator.integrate(scaled, 1e-11, &error);
    if (!(area > 0) || !std::isfinite(area) || error > 1e-8 * area) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    return top + std::log(width * area);
}

} // namespace

Figure<BayesFactors> defaultBayesFactors(const Figure<double>& t, double n1, double n2,
                                         double priorScale) {
    if (!t) {
        return t.why();
    }
    Model model;
    model.t = *t;
    model.n = n1 * n2 / (n1 + n2);
    model.nu = n1 + n2 - 2;
    model.r = priorScale;
    model.logNull = (model.nu + 1) / 2 * std::log1p(model.t * model.t / model.nu);
    const double log10 = logIntegral([&](double u) { return model.logTwoSided(u); });
    // The factor against the observed sign is the small one and is integrated; the other is what
    // it leaves of 2 BF10, which loses nothing since it is at least BF10.
    const double logAgainst =
        logIntegral([&](double u) { return model.logTwoSided(u) + ln2 + model.logAgainst(u); });
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
