// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <vector>

// Pooling studies: the common-effect and random-effects models over effect sizes yi with
// sampling variances vi, as a pure function of those pairs.
namespace lx::meta {

struct Study {
    double yi = 0;
    double vi = 0; // above 0
};

// How the between-study variance tau² is estimated.
enum class Estimator {
    EE,   // common effect: tau² = 0
    DL,   // DerSimonian-Laird, by the method of moments
    REML, // restricted maximum likelihood, its global maximum over tau² >= 0
    PM,   // Paule-Mandel: the generalised Q equal to its df
};

// How the pooled estimate is tested.
enum class Test {
    Z,    // normal, with the model's standard error
    Knha, // Knapp-Hartung: t with k - 1 df and the scaled standard error (no truncation)
};

// Why a pooled figure is missing.
enum class PoolProblem {
    None,
    NoStudies,       // k = 0
    OneStudy,        // k = 1: tau² cannot be estimated (EE is the study itself)
    NoHeterogeneity, // every study the same (Q = 0): H² and Knapp-Hartung degenerate
    NotFound,        // a search did not settle (extreme inputs)
};

struct Pooled {
    int k = 0;
    double estimate = 0;
    double se = 0;
    double ciLower = 0;
    double ciUpper = 0;
    double statistic = 0; // z, or t for Knapp-Hartung
    double p = 0;         // two-sided
    double tau2 = 0;
    double tau2Lower = 0; // the Q-profile interval's ends (absent for EE and k < 2)
    double tau2Upper = 0;
    bool tau2Interval = false;
    double tau = 0;
    double i2 = 0; // percent
    std::optional<double> h2;
    double q = 0; // Cochran's, with the common-effect weights
    int qDf = 0;
    double qP = 1;
    double piLower = 0; // the prediction interval
    double piUpper = 0;
    PoolProblem problem = PoolProblem::None; // figures that could not be worked out say why
};

// The pooled estimate and its heterogeneity at confidence `level` (0.95 usual). With
// k = 0 only `problem`; with k = 1 the EE figures of the study and OneStudy for the others.
Pooled pool(const std::vector<Study>& studies, Estimator estimator, Test test, double level);

// Egger's regression test for small-study effects: the weighted regression of yi on its
// standard error (weights 1 / vi), the t of the slope with k - 2 df.
struct EggerTest {
    double t = 0;
    int df = 0;
    double p = 1;
};

// Nothing for fewer than three studies or standard errors all alike.
std::optional<EggerTest> eggerTest(const std::vector<Study>& studies);

// The estimate of tau² alone.
std::optional<double> tau2Of(const std::vector<Study>& studies, Estimator estimator);

} // namespace lx::meta
