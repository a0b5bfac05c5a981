// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "meta_analysis.h"

#include "boost_policy.h"
#include "t_distribution.h"

#include <boost/math/distributions/chi_squared.hpp>
#include <boost/math/distributions/normal.hpp>
#include <boost/math/tools/minima.hpp>
#include <boost/math/tools/toms748_solve.hpp>

#include <algorithm>
#include <cmath>
#include <limits>

namespace lx::meta {

namespace {

namespace bm = boost::math;
using ChiSquared = bm::chi_squared_distribution<double, BoostPolicy>;
using Normal = bm::normal_distribution<double, BoostPolicy>;

// The sums a fit at one tau² needs, with weights 1 / (vi + tau²).
struct Weighted {
    double sumW = 0;
    double sumW2 = 0;
    double estimate = 0;
    double q = 0;       // sum of w (yi - estimate)², the generalised Q
    double sumW2R2 = 0; // sum of w² (yi - estimate)²
    double sumLogV = 0; // sum of log(vi + tau²)
};

Weighted weighted(const std::vector<Study>& studies, double tau2) {
    Weighted at;
    double sumWY = 0;
    bool alike = true; // every effect the same: the estimate is that effect, and Q exactly 0
    for (const Study& study : studies) {
        const double w = 1 / (study.vi + tau2);
        at.sumW += w;
        at.sumW2 += w * w;
        sumWY += w * study.yi;
        at.sumLogV += std::log(study.vi + tau2);
        alike = alike && study.yi == studies.front().yi;
    }
    at.estimate = alike && !studies.empty() ? studies.front().yi : sumWY / at.sumW;
    for (const Study& study : studies) {
        const double w = 1 / (study.vi + tau2);
        const double r = study.yi - at.estimate;
        at.q += w * r * r;
        at.sumW2R2 += w * w * r * r;
    }
    return at;
}

double restrictedLogLikelihood(const std::vector<Study>& studies, double tau2) {
    const Weighted at = weighted(studies, tau2);
    return -0.5 * (at.sumLogV + std::log(at.sumW) + at.q);
}

double restrictedScore(const std::vector<Study>& studies, double tau2) {
    const Weighted at = weighted(studies, tau2);
    return 0.5 * (-at.sumW + at.sumW2R2 + at.sumW2 / at.sumW);
}

// A scale for tau²: the spread of the effects and of their variances.
double tau2Scale(const std::vector<Study>& studies) {
    double mean = 0;
    double largestV = 0;
    for (const Study& study : studies) {
        mean += study.yi;
        largestV = std::max(largestV, study.vi);
    }
    mean /= static_cast<double>(studies.size());
    double spread = 0;
    for (const Study& study : studies) {
        spread += (study.yi - mean) * (study.yi - mean);
    }
    return std::max({spread / static_cast<double>(studies.size()), largestV, 1e-300});
}

// The root of a falling function on [low, ∞) from f(low) > 0, by doubling then TOMS 748.
template <typename F> std::optional<double> fallingRoot(F f, double low, double start) {
    double high = std::max(start, low > 0 ? 2 * low : start);
    double fHigh = f(high);
    for (int doubling = 0; fHigh > 0 && doubling < 2000; ++doubling) {
        low = high;
        high *= 2;
        fHigh = f(high);
    }
    if (!(fHigh <= 0)) {
        return std::nullopt;
    }
    if (fHigh == 0) {
        return high;
    }
    std::uintmax_t iterations = 200;
    const auto [lower, upper] =
        bm::tools::toms748_solve(f, low, high, f(low), fHigh, bm::tools::eps_tolerance<double>(52),
                                 iterations, BoostPolicy());
    return (lower + upper) / 2;
}

double dlTau2(const std::vector<Study>& studies) {
    const Weighted fixed = weighted(studies, 0);
    const double k = static_cast<double>(studies.size());
    const double c = fixed.sumW - fixed.sumW2 / fixed.sumW;
    return std::max(0.0, (fixed.q - (k - 1)) / c);
}

std::optional<double> pmTau2(const std::vector<Study>& studies) {
    const double df = static_cast<double>(studies.size()) - 1;
    const auto excess = [&](double tau2) { return weighted(studies, tau2).q - df; };
    if (excess(0) <= 0) {
        return 0.0;
    }
    return fallingRoot(excess, 0, tau2Scale(studies));
}

// The global maximum of the restricted likelihood over tau² >= 0: a scan over a wide log grid
// finds the highest point, however many local maxima there are (tau² = 0 among them), and the
// score's root beside it settles it to the last digits.
std::optional<double> remlTau2(const std::vector<Study>& studies) {
    const double scale = tau2Scale(studies);
    constexpr int points = 240;
    std::vector<double> grid{0.0};
    for (int k = 0; k < points; ++k) {
        grid.push_back(scale * std::pow(10.0, -12.0 + 16.0 * k / (points - 1)));
    }
    std::size_t best = 0;
    double bestValue = -std::numeric_limits<double>::infinity();
    for (std::size_t k = 0; k < grid.size(); ++k) {
        const double value = restrictedLogLikelihood(studies, grid[k]);
        if (value > bestValue) {
            bestValue = value;
            best = k;
        }
    }
    const auto score = [&](double tau2) { return restrictedScore(studies, tau2); };
    const double low = best > 0 ? grid[best - 1] : 0.0;
    const double high = best + 1 < grid.size() ? grid[best + 1] : grid[best] * 2;
    const double scoreLow = score(low);
    const double scoreHigh = score(high);
    if (best == 0 && scoreLow <= 0) {
        return 0.0; // the boundary is the maximum: the likelihood falls from tau² = 0
    }
    if (scoreLow > 0 && scoreHigh < 0) {
        std::uintmax_t iterations = 200;
        const auto [lower, upper] = bm::tools::toms748_solve(score, low, high, scoreLow, scoreHigh,
                                                             bm::tools::eps_tolerance<double>(52),
                                                             iterations, BoostPolicy());
        return (lower + upper) / 2;
    }
    // A flat top: the grid's best point, refined by Brent's search on the likelihood.
    const auto [at, value] = bm::tools::brent_find_minima(
        [&](double tau2) { return -restrictedLogLikelihood(studies, tau2); }, low, high, 52);
    (void)value;
    return at;
}

// The Q-profile interval of tau²: where the generalised Q meets the chi-square's quantiles.
void tau2Interval(const std::vector<Study>& studies, double level, Pooled& pooled) {
    const int df = pooled.k - 1;
    const ChiSquared chi(df);
    const double alpha = 1 - level;
    const double upperQuantile = bm::quantile(bm::complement(chi, alpha / 2));
    const double lowerQuantile = bm::quantile(chi, alpha / 2);
    const double atZero = weighted(studies, 0).q;
    const auto endAt = [&](double quantile) -> std::optional<double> {
        if (atZero <= quantile) {
            return 0.0;
        }
        return fallingRoot([&](double tau2) { return weighted(studies, tau2).q - quantile; }, 0,
                           tau2Scale(studies));
    };
    const auto lower = endAt(upperQuantile);
    const auto upper = endAt(lowerQuantile);
    if (lower && upper) {
        pooled.tau2Lower = *lower;
        pooled.tau2Upper = *upper;
        pooled.tau2Interval = true;
    }
}

} // namespace

std::optional<double> tau2Of(const std::vector<Study>& studies, Estimator estimator) {
    if (studies.size() < 2) {
        return estimator == Estimator::EE && !studies.empty() ? std::optional(0.0) : std::nullopt;
    }
    switch (estimator) {
    case Estimator::EE:
        return 0.0;
    case Estimator::DL:
        return dlTau2(studies);
    case Estimator::PM:
        return pmTau2(studies);
    case Estimator::REML:
        return remlTau2(studies);
    }
    return std::nullopt;
}

Pooled pool(const std::vector<Study>& studies, Estimator estimator, Test test, double level) {
    Pooled pooled;
    pooled.k = static_cast<int>(studies.size());
    if (studies.empty()) {
        pooled.problem = PoolProblem::NoStudies;
        return pooled;
    }
    if (studies.size() == 1 && estimator != Estimator::EE) {
        pooled.problem = PoolProblem::OneStudy;
        return pooled;
    }
    const auto tau2 = tau2Of(studies, estimator);
    if (!tau2) {
        pooled.problem = PoolProblem::NotFound;
        return pooled;
    }
    pooled.tau2 = *tau2;
    pooled.tau = std::sqrt(*tau2);
    const Weighted fixed = weighted(studies, 0);
    const Weighted random = weighted(studies, *tau2);
    pooled.qDf = pooled.k - 1;
    pooled.q = fixed.q;
    pooled.qP = pooled.qDf > 0 ? bm::cdf(bm::complement(ChiSquared(pooled.qDf), pooled.q)) : 1.0;
    pooled.estimate = random.estimate;
    pooled.se = std::sqrt(1 / random.sumW);
    const double alpha = 1 - level;
    double critical = bm::quantile(bm::complement(Normal(), alpha / 2));
    if (test == Test::Knha && pooled.k >= 2) {
        pooled.se = std::sqrt(random.q / (pooled.k - 1) / random.sumW);
        critical = t_distribution::upperQuantile(alpha / 2, pooled.k - 1);
    }
    pooled.statistic = pooled.estimate / pooled.se;
    pooled.p = test == Test::Knha && pooled.k >= 2
                   ? t_distribution::twoTailed(std::fabs(pooled.statistic), pooled.k - 1)
                   : 2 * bm::cdf(Normal(), -std::fabs(pooled.statistic));
    pooled.ciLower = pooled.estimate - critical * pooled.se;
    pooled.ciUpper = pooled.estimate + critical * pooled.se;
    const double predictionSe = std::sqrt(pooled.se * pooled.se + pooled.tau2);
    pooled.piLower = pooled.estimate - critical * predictionSe;
    pooled.piUpper = pooled.estimate + critical * predictionSe;
    if (pooled.k >= 2) {
        if (estimator == Estimator::EE) {
            pooled.i2 = pooled.q > pooled.qDf ? 100 * (pooled.q - pooled.qDf) / pooled.q : 0.0;
            if (pooled.q > 0) {
                pooled.h2 = pooled.q / pooled.qDf;
            }
        } else {
            // The typical within-study variance, as the random-effects I² is defined on.
            const double typical =
                pooled.qDf * fixed.sumW / (fixed.sumW * fixed.sumW - fixed.sumW2);
            pooled.i2 = 100 * pooled.tau2 / (pooled.tau2 + typical);
            pooled.h2 = (pooled.tau2 + typical) / typical;
            tau2Interval(studies, level, pooled);
        }
    }
    if (pooled.k >= 2 && fixed.q == 0) {
        pooled.problem = PoolProblem::NoHeterogeneity;
        pooled.h2.reset();
    }
    return pooled;
}

std::optional<EggerTest> eggerTest(const std::vector<Study>& studies) {
    const std::size_t k = studies.size();
    if (k < 3) {
        return std::nullopt;
    }
    double sw = 0, sws = 0, sws2 = 0, swy = 0, swsy = 0;
    for (const Study& study : studies) {
        const double w = 1 / study.vi;
        const double s = std::sqrt(study.vi);
        sw += w;
        sws += w * s;
        sws2 += w * s * s;
        swy += w * study.yi;
        swsy += w * s * study.yi;
    }
    const double det = sw * sws2 - sws * sws;
    if (!(det > 1e-12 * sw * sws2)) {
        return std::nullopt; // standard errors all alike: no slope to fit
    }
    const double slope = (sw * swsy - sws * swy) / det;
    const double intercept = (swy - slope * sws) / sw;
    double residual = 0;
    for (const Study& study : studies) {
        const double r = study.yi - intercept - slope * std::sqrt(study.vi);
        residual += r * r / study.vi;
    }
    const int df = static_cast<int>(k) - 2;
    const double sigma2 = residual / df;
    if (!(sigma2 > 0)) {
        return std::nullopt; // a perfect fit has no error to test against
    }
    EggerTest egger;
    egger.df = df;
    egger.t = slope / std::sqrt(sigma2 * sw / det);
    egger.p = t_distribution::twoTailed(std::fabs(egger.t), df);
    return egger;
}

} // namespace lx::meta
