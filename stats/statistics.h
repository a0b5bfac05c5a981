// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QString>

#include <cstdint>
#include <variant>
#include <vector>

namespace lx {

// A tagged value that holds nothing, a 16-bit integer or a double: the kind of value Average
// leaves in its coefficient of variation.
using NumberVariant = std::variant<std::monostate, std::int16_t, double>;

// An array of doubles together with its bounds: values[k] is the element with index
// lowerBound + k, so the upper bound is lowerBound + size - 1 (an empty array with lower bound 0
// has upper bound -1). An array of more than one dimension keeps the extent of its first
// dimension in values; its elements cannot be addressed with a single index.
struct DoubleArray {
    std::int32_t lowerBound = 0;
    std::vector<double> values;
    int dimensions = 1;
};

// The statistics engine. It holds no state; every result is delivered through a reference
// parameter, and an arithmetic failure is raised as lx::RuntimeError after the results written so
// far (each operation says which).
class Statistics {
public:
    // Descriptive statistics of a zero-based sample. In this order: alN <- upper bound + 1; the
    // elements 0 .. alN - 1 are read; for N = 0, adAverage <- 0, adSD <- 0 and adCV <- the 16-bit
    // integer 0 (adSEM untouched); otherwise adAverage <- the mean, and for N >= 2 adSD <- the
    // sample standard deviation (divisor N - 1), adSEM <- SD / sqrt(N) and adCV <- SD / mean * 100
    // as a double. Outputs not reached keep the caller's values.
    // Raises Overflow before anything is written when the upper bound + 1 does not fit 32 bits;
    // SubscriptOutOfRange (only alN written) when an element cannot be read: a lower bound above 0
    // or more than one dimension; Overflow (only alN written) when the sums leave the range of a
    // double; DivisionByZero when the mean is 0 and Overflow when the CV is out of range (adCV
    // untouched, all else written).
    void Average(const DoubleArray& adValues, double& adAverage, double& adSD, double& adSEM,
                 NumberVariant& adCV, std::int32_t& alN) const;

    // The t statistic of two independent means with unpooled standard errors, never negative:
    // 0 when the means are equal (the SEMs are then not used), else
    // |mean1 - mean2| / sqrt(SEM2^2 + SEM1^2). Raises DivisionByZero when the means differ and
    // both SEMs are 0, Overflow when an intermediate result leaves the range of a double; adTst
    // then keeps its value.
    void TStudent(double adMean1, double adSEM1, double adMean2, double adSEM2,
                  double& adTst) const;

    // Classes the two-tailed P of t with alDF degrees of freedom (above 200 looked up at 200)
    // against the critical-value table, strictest level first: "<" and the level when t exceeds
    // its critical value, "=" and the level when t equals it exactly, ">0.5" when t is below them
    // all. The level is written with the decimal separator of the locale given (the window
    // passes the user's, the batch tool its output's). Raises SubscriptOutOfRange for a negative
    // alDF, leaving asP as it was.
    void PStudent(double adTst, std::int32_t alDF, QString& asP,
                  const QLocale& locale = QLocale()) const;
};

} // namespace lx
