#include "p_range.h"

#include "spread.h"
#include "student_test.h"
#include "t_distribution.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace lx {

namespace {

// Half a unit of the last typed digit; 0 for an exact value.
double halfUnit(const std::optional<int>& decimals) {
    return decimals ? 0.5 * std::pow(10.0, -*decimals) : 0.0;
}

struct Corner {
    double difference; // |M1 - M2|
    double sd1;
    double sd2;
};

// The lowest and the highest |M1 - M2|, SD1 and SD2 the typed values allow.
struct Bounds {
    std::array<double, 2> difference;
    std::array<double, 2> sd1;
    std::array<double, 2> sd2;
};

Bounds boundsOf(const Summary& s, const TypedDecimals& decimals) {
    const double difference = std::fabs(s.m1 - s.m2);
    const double meanSlack = halfUnit(decimals.m1) + halfUnit(decimals.m2);
    const auto sdsOf = [](double sd, const std::optional<int>& typed) {
        const double slack = halfUnit(typed);
        return std::array<double, 2>{std::max(0.0, sd - slack), sd + slack};
    };
    return {{std::max(0.0, difference - meanSlack), difference + meanSlack},
            sdsOf(s.sd1, decimals.sd1),
            sdsOf(s.sd2, decimals.sd2)};
}

// The eight corners that can hold the extremes of p.
std::array<Corner, 8> cornersOf(const Bounds& bounds) {
    std::array<Corner, 8> corners{};
    std::size_t k = 0;
    for (double d : bounds.difference) {
        for (double sd1 : bounds.sd1) {
            for (double sd2 : bounds.sd2) {
                corners[k++] = Corner{d, sd1, sd2};
            }
        }
    }
    return corners;
}

// A corner without spread: certain when the means differ, no evidence when they do not.
double pWithoutSpread(double difference) {
    return difference == 0 ? 1.0 : 0.0;
}

template <std::size_t count, typename PAt>
Figure<Interval> rangeOver(const std::array<Corner, count>& corners, PAt pAt) {
    Interval range{1.0, 0.0};
    for (const Corner& corner : corners) {
        const double p = pAt(corner);
        if (std::isnan(p)) {
            return Undefined::NotFound;
        }
        range.lower = std::min(range.lower, p);
        range.upper = std::max(range.upper, p);
    }
    return range;
}

} // namespace

Figure<Interval> pooledPRange(const Summary& s, const TypedDecimals& decimals) {
    const auto df = static_cast<double>(studentInputs(s).df);
    if (df == 0) {
        return Undefined::NoDegreesOfFreedom;
    }
    const double scale = std::sqrt(1.0 / s.n1 + 1.0 / s.n2);
    // The pooled SD grows with either SD, so of the eight corners only two hold the extremes:
    // the largest difference over the smallest SDs, the smallest over the largest.
    const Bounds b = boundsOf(s, decimals);
    const std::array<Corner, 2> extremes = {Corner{b.difference[1], b.sd1[0], b.sd2[0]},
                                            Corner{b.difference[0], b.sd1[1], b.sd2[1]}};
    return rangeOver(extremes, [&](const Corner& c) {
        const double pooledSd = spread::pooledSd(c.sd1, s.n1, c.sd2, s.n2);
        if (pooledSd == 0) {
            return pWithoutSpread(c.difference);
        }
        return t_distribution::twoTailed(c.difference / (pooledSd * scale), df);
    });
}

Figure<Interval> welchPRange(const Summary& s, const TypedDecimals& decimals) {
    if (s.n1 < 2 || s.n2 < 2) {
        return Undefined::TooFewObservations;
    }
    // Welch's df moves with the SDs' ratio, so any corner may hold an extreme. But p falls as t
    // or df grows: a corner that another matches or beats on both cannot hold the lowest p,
    // nor one that matches or beats another on both the highest. Only the rest need their p.
    struct Test {
        double t = 0;
        double df = 0;
        bool spread = false;
    };
    const std::array<Corner, 8> corners = cornersOf(boundsOf(s, decimals));
    std::array<Test, 8> tests{};
    for (std::size_t k = 0; k < corners.size(); ++k) {
        const double se1 = spread::standardError(corners[k].sd1, s.n1);
        const double se2 = spread::standardError(corners[k].sd2, s.n2);
        const double se = std::hypot(se1, se2);
        if (se > 0) {
            tests[k] = {corners[k].difference / se, spread::welchDf(se1, s.n1, se2, s.n2), true};
        }
    }
    // Of equal corners, the first stands for all.
    const auto beats = [&](std::size_t j, std::size_t k) {
        const bool same = tests[j].t == tests[k].t && tests[j].df == tests[k].df;
        return tests[j].t >= tests[k].t && tests[j].df >= tests[k].df && (!same || j < k);
    };
    const auto mayHoldExtreme = [&](std::size_t k) {
        bool lowest = true;
        bool highest = true;
        for (std::size_t j = 0; j < tests.size(); ++j) {
            if (j != k && tests[j].spread) {
                lowest = lowest && !beats(j, k);
                highest = highest && !beats(k, j);
            }
        }
        return lowest || highest;
    };
    Interval range{1.0, 0.0};
    for (std::size_t k = 0; k < corners.size(); ++k) {
        if (tests[k].spread && !mayHoldExtreme(k)) {
            continue;
        }
        const double p = tests[k].spread ? t_distribution::twoTailed(tests[k].t, tests[k].df)
                                         : pWithoutSpread(corners[k].difference);
        if (std::isnan(p)) {
            return Undefined::NotFound;
        }
        range.lower = std::min(range.lower, p);
        range.upper = std::max(range.upper, p);
    }
    return range;
}

std::optional<int> typedDecimals(const QString& text, const QLocale& locale) {
    const QString trimmed = text.trimmed();
    if (trimmed.contains(QLatin1Char('e'), Qt::CaseInsensitive)) {
        return std::nullopt;
    }
    const qsizetype point = trimmed.lastIndexOf(locale.decimalPoint());
    if (point < 0) {
        return 0;
    }
    int digits = 0;
    for (qsizetype k = point + 1; k < trimmed.size() && trimmed.at(k).isDigit(); ++k) {
        ++digits;
    }
    return digits;
}

} // namespace lx
