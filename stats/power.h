// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "figure.h"

#include <cstdint>

// Planning a two-sample study: the power of Student's test, the sample size that reaches a
// target power, the effects a given sample can detect, and the safeguard effect that allows for
// the uncertainty of an observed d. Welch's test is planned by an approximation.
namespace lx::power {

enum class Tails { One, Two };

// The planned test. A one-tailed test looks in the direction of the effect.
struct TestDesign {
    double alpha = 0.05; // strictly between 0 and 1
    Tails tails = Tails::Two;
};

// Why a plan cannot be made.
enum class Problem {
    AlphaOutOfRange,      // alpha not strictly between 0 and 1
    PowerOutOfRange,      // the target power is not above alpha and below 1
    NoEffect,             // d = 0: power stays at alpha whatever the sample
    EffectNotFinite,      // d or a difference is not a number
    RatioNotPositive,     // n2/n1 is not above 0
    SdNotPositive,        // a planned SD is not above 0
    TooFewObservations,   // a given sample has no degrees of freedom
    TooLarge,             // no sample of fewer than 2^31 per group reaches the power
    SafeguardNotPositive, // the lower end of the observed d's 60% interval is not above 0
    NotFound              // the noncentral t could not be worked out (extreme inputs)
};

template <typename T> using Planned = Figure<T, Problem>;

// The exact power of Student's two-sample test at standardized difference d: the noncentral t
// with n1 + n2 - 2 df and noncentrality d sqrt(n1 n2 / (n1 + n2)), both tails when two-tailed.
Planned<double> studentPower(std::int32_t n1, std::int32_t n2, double d, const TestDesign& test);

// A sample that reaches a target power, with the figures a report of the plan quotes.
struct SampleSize {
    std::int32_t n1 = 0;
    std::int32_t n2 = 0;
    std::int64_t total = 0;
    double power = 0;     // the power this sample actually has
    double criticalT = 0; // the t that makes the test significant
    double noncentrality = 0;
    double df = 0;
};

// The smallest n1 >= 2, with n2 = ceil(ratio n1) and at least 2, whose power reaches the target.
Planned<SampleSize> studentSampleSize(double d, double targetPower, double ratio,
                                      const TestDesign& test);

// The smallest d > 0 whose power with n1 and n2 reaches the target.
Planned<double> sensitivityD(std::int32_t n1, std::int32_t n2, double targetPower,
                             const TestDesign& test);

// The smallest |d| that n1 and n2 would show significant.
Planned<double> criticalD(std::int32_t n1, std::int32_t n2, const TestDesign& test);

// The level of the interval whose lower end is the safeguard effect: the two-sided 60% interval,
// whose lower end is the one-sided 80% bound.
constexpr double safeguardLevel = 0.60;

// The end of the 60% interval of an observed d that is nearer 0, by the same noncentral-t
// inversion as the report's intervals, signed as d; SafeguardNotPositive when the interval
// reaches 0.
Planned<double> safeguardD(double d, std::int32_t n1, std::int32_t n2);

// A planned difference of means with unequal SDs, for Welch's test.
struct WelchEffect {
    double difference = 0; // M1 - M2 to detect
    double sd1 = 0;
    double sd2 = 0;
};

// Welch's test's power, approximated by the noncentral t with the Welch-Satterthwaite df of the
// planned SDs and ns and noncentrality difference / sqrt(sd1^2/n1 + sd2^2/n2).
Planned<double> welchPower(std::int32_t n1, std::int32_t n2, const WelchEffect& effect,
                           const TestDesign& test);

// The smallest n1 >= 2 (n2 = ceil(ratio n1), at least 2) whose approximate Welch power reaches
// the target.
Planned<SampleSize> welchSampleSize(const WelchEffect& effect, double targetPower, double ratio,
                                    const TestDesign& test);

} // namespace lx::power
