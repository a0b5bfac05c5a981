// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "statistics.h"

#include "critical_values.h"
#include "platform/core/number_text.h"
#include "platform/core/runtime_error.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <limits>

namespace lx {

namespace {

// Every floating-point result goes through these: a result beyond the range of a double is an
// overflow and a zero divisor a division by zero, whatever the FPU would have done.
double checked(double value) {
    if (std::isinf(value)) {
        throw RuntimeError(ErrorNumber::Overflow);
    }
    return value;
}

double divide(double dividend, double divisor) {
    if (divisor == 0.0) {
        throw RuntimeError(ErrorNumber::DivisionByZero);
    }
    return checked(dividend / divisor);
}

// The element with the given index, as a one-dimensional array would give it.
double element(const DoubleArray& array, std::int32_t index) {
    const std::int64_t offset = std::int64_t{index} - array.lowerBound;
    if (array.dimensions != 1 || offset < 0 ||
        offset >= static_cast<std::int64_t>(array.values.size())) {
        throw RuntimeError(ErrorNumber::SubscriptOutOfRange);
    }
    return array.values[static_cast<std::size_t>(offset)];
}

QString levelText(std::size_t level, const QLocale& locale) {
    return number_text::fromSingle(critical_values::levels[level], locale);
}

} // namespace

void Statistics::Average(const DoubleArray& adValues, double& adAverage, double& adSD,
                         double& adSEM, NumberVariant& adCV, std::int32_t& alN) const {
    // upper bound + 1, i.e. lower bound + size, in 32 bits.
    const std::int64_t count =
        std::int64_t{adValues.lowerBound} + static_cast<std::int64_t>(adValues.values.size());
    if (count > std::numeric_limits<std::int32_t>::max()) {
        throw RuntimeError(ErrorNumber::Overflow);
    }
    alN = static_cast<std::int32_t>(count);

    // The sum gives the mean; the squared deviations are accumulated by Welford's method, which
    // stays accurate for values far from 0 and never goes negative (each term is >= 0).
    double sum = 0.0;
    double runningMean = 0.0;
    double squaredDeviations = 0.0;
    for (std::int32_t i = 0; i < alN; ++i) {
        const double x = element(adValues, i);
        sum = checked(sum + x);
        const double deviation = checked(x - runningMean);
        runningMean += deviation / (i + 1);
        squaredDeviations = checked(squaredDeviations + deviation * (x - runningMean));
    }

    if (alN == 0) {
        adAverage = 0.0;
        adSD = 0.0;
        adCV = std::int16_t{0};
        return;
    }
    adAverage = divide(sum, alN);
    if (alN < 2) {
        return;
    }
    adSD = std::sqrt(divide(squaredDeviations, alN - 1.0));
    adSEM = divide(adSD, std::sqrt(static_cast<double>(alN)));
    adCV = checked(divide(adSD, adAverage) * 100.0);
}

void Statistics::TStudent(double adMean1, double adSEM1, double adMean2, double adSEM2,
                          double& adTst) const {
    if (adMean1 == adMean2) {
        adTst = 0.0;
        return;
    }
    const double difference = checked(std::fabs(adMean1 - adMean2));
    const double variance = checked(checked(adSEM2 * adSEM2) + checked(adSEM1 * adSEM1));
    adTst = divide(difference, std::sqrt(variance));
}

void Statistics::PStudent(double adTst, std::int32_t alDF, QString& asP,
                          const QLocale& locale) const {
    if (alDF < 0) {
        throw RuntimeError(ErrorNumber::SubscriptOutOfRange);
    }
    const critical_values::Row& row = critical_values::table[static_cast<std::size_t>(
        std::min(alDF, std::int32_t{critical_values::maxDegreesOfFreedom}))];
    for (std::size_t level = row.size(); level-- > 0;) {
        if (adTst > row[level]) {
            asP = QLatin1Char('<') + levelText(level, locale);
            return;
        }
        if (adTst == row[level]) {
            asP = QLatin1Char('=') + levelText(level, locale);
            return;
        }
    }
    asP = QLatin1Char('>') + levelText(0, locale);
}

} // namespace lx
