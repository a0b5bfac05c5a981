// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "figure.h"

#include <boost/math/quadrature/gauss.hpp>
#include <boost/math/quadrature/gauss_kronrod.hpp>

#include <array>
#include <cmath>
#include <limits>
#include <optional>

// Integrals over v > 0 of integrands known by their logs, which may lie far beyond the range of a
// double: the Bayes factors' integrals over the inverse of the prior's variance.
namespace lx::log_quadrature {

using Rule = boost::math::quadrature::gauss_kronrod<double, 61>;

// The map of the rule's x in [-1, 1] onto v = (y / (1 - y))^power / rate, y = (x + 1) / 2,
// without the rate: v times rate, and the log of d(v rate)/dx.
struct MappedNode {
    double scaled = 0;
    double logSlope = 0;
};

// power is 1 or 3.
MappedNode mapNode(double x, int power);

// The Kronrod nodes in the order onePass takes them (0, then each +x and -x), mapped once:
// the same for every integral of every row. power is 1 or 3.
const std::array<MappedNode, 61>& mappedNodes(int power);

// One pass of the 61-point Kronrod rule over x in [-1, 1] of exp(logAt(node)), in logs, with
// the nodes mapped: the log of the integral and of its largest term, or nothing when a term is
// not a number. gaussLog gets the log of the embedded 30-point Gauss rule's sum, from the same
// terms.
template <typename LogAt>
std::optional<double> onePass(const std::array<MappedNode, 61>& mapped, const LogAt& logAt,
                              double& top, double& gaussLog) {
    const auto& nodes = Rule::abscissa();
    const auto& weights = Rule::weights();
    const auto& gaussWeights = boost::math::quadrature::gauss<double, 30>::weights();
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

// The integral over u = log v from e^-40 / rate, below which the integrand holds at most that
// share as it falls from its largest at 0 or rises from there, to 100 / slowestRate, beyond
// which it has fallen by e^-100 at least: for scales more decades apart than any mapping of
// [0, 1] spreads (a t beyond 1e8 with few df puts the two some thirty decades apart).
template <typename LogIntegrand>
Figure<double> logIntegralOverLog(const LogIntegrand& logIntegrand, double rate,
                                  double slowestRate) {
    const double low = -std::log(rate) - 40;
    const double high = std::log(100 / slowestRate);
    // A rate beyond the range of a double (a t near 1e300) leaves no range to scan.
    if (!std::isfinite(low) || !std::isfinite(high) || !(high > low) || high - low > 5000) {
        return Undefined::NotFound;
    }
    const auto logAt = [&](double u) { return logIntegrand(std::exp(u)) + u; };
    // The integrand varies over units of u: a scan at that step finds its largest term.
    double top = -std::numeric_limits<double>::infinity();
    for (double u = low; u <= high; u += 1) {
        top = std::max(top, logAt(u));
    }
    if (!std::isfinite(top)) {
        return Undefined::NotFound;
    }
    bool lost = false;
    double error = 0;
    const double area = Rule::integrate(
        [&](double u) {
            const double value = std::exp(logAt(u) - top);
            lost = lost || !std::isfinite(value);
            return std::isfinite(value) ? value : 0.0;
        },
        low, high, 15, 1e-10, &error);
    if (lost || !(area > 0) || !std::isfinite(area) || error > 1e-8 * area) {
        return Undefined::NotFound;
    }
    return top + std::log(area);
}

// log of the integral of exp(logIntegrand(v)) over v > 0, or NotFound when it does not settle.
// v = (y / (1 - y))^power / rate for y in [0, 1]: power 1 suits an integrand with one scale,
// power 3 spreads six decades over the range for one with two (a large t with few df); the
// integral over log v takes what neither settles. The integrand falls at least at slowestRate
// for large v.
template <typename LogIntegrand>
Figure<double> logIntegral(const LogIntegrand& logIntegrand, double rate, double slowestRate) {
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
    const auto narrow = onePass(mappedNodes(1), logAt, top, gaussLog);
    if (narrow && std::pow(200 * std::fabs(*narrow - gaussLog), 1.5) <=
                      1e-9 * std::max(1.0, std::fabs(*narrow))) {
        return *narrow;
    }
    if (!std::isfinite(top)) {
        return logIntegralOverLog(logIntegrand, rate, slowestRate);
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
        return logIntegralOverLog(logIntegrand, rate, slowestRate);
    }
    return scale + std::log(area);
}

} // namespace lx::log_quadrature
