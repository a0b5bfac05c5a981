#include "p_range.h"

#include "spread.h"
#include "student_test.h"
#include "t_distribution.h"

#include <boost/math/tools/minima.hpp>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace lx {

namespace {

struct Corner {
    double difference; // |M1 - M2|
    double sd1;
    double sd2;
};

// The lowest and the highest |M1 - M2|, SD1 and SD2 the typed values allow, as pairs to walk.
struct Bounds {
    std::array<double, 2> difference;
    std::array<double, 2> sd1;
    std::array<double, 2> sd2;
};

Bounds boundsOf(const Summary& s, const TypedRounding& rounding) {
    const SummaryBounds b = summaryBounds(s, rounding);
    const auto ends = [](Interval range) {
        return std::array<double, 2>{range.lower, range.upper};
    };
    return {ends(b.difference), ends(b.sd1), ends(b.sd2)};
}

// A corner without spread: certain when the means differ, no evidence when they do not.
double pWithoutSpread(double difference) {
    return difference == 0 ? 1.0 : 0.0;
}

// The lowest f over [range[0], range[1]]: a coarse scan that takes the ends, then Brent's
// method between the neighbours of the best sample, so one edge with two dips still gives its
// lower one unless they lie within one step of each other.
template <typename F> double lowestOn(const std::array<double, 2>& range, F f) {
    constexpr int steps = 8;
    const double width = range[1] - range[0];
    if (!(width > 0)) {
        return f(range[0]);
    }
    int bestStep = 0;
    double best = f(range[0]);
    for (int k = 1; k <= steps; ++k) {
        const double value = f(range[0] + width * k / steps);
        if (value < best) {
            best = value;
            bestStep = k;
        }
    }
    if (bestStep == 0 || bestStep == steps) {
        // Best at an end, and f rises from it over a millionth of a step: within that step f
        // has its lowest at the end, or within f's curvature times 1e-12 steps^2 of it. Brent's
        // method would only creep towards the end, some twenty values of f.
        const double inward = (bestStep == 0 ? 1e-6 : -1e-6) * width / steps;
        if (f(range[0] + width * bestStep / steps + inward) > best) {
            return best;
        }
    }
    const double from = range[0] + width * std::max(bestStep - 1, 0) / steps;
    const double to = range[0] + width * std::min(bestStep + 1, steps) / steps;
    // Half a double's digits: p is flat at its extreme, so this settles p to the last digit.
    const auto found =
        boost::math::tools::brent_find_minima(f, from, to, std::numeric_limits<double>::digits / 2);
    return std::min(best, found.second);
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

Figure<Interval> pooledPRange(const Summary& s, const TypedRounding& rounding) {
    const auto df = static_cast<double>(studentInputs(s).df);
    if (df == 0) {
        return Undefined::NoDegreesOfFreedom;
    }
    const double scale = std::sqrt(1.0 / s.n1 + 1.0 / s.n2);
    // The pooled SD grows with either SD, so of the eight corners only two hold the extremes:
    // the largest difference over the smallest SDs, the smallest over the largest.
    const Bounds b = boundsOf(s, rounding);
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

Figure<Interval> welchPRange(const Summary& s, const TypedRounding& rounding) {
    if (s.n1 < 2 || s.n2 < 2) {
        return Undefined::TooFewObservations;
    }
    bool settled = true;
    const auto pAt = [&](double difference, double sd1, double sd2) {
        const double se1 = spread::standardError(sd1, s.n1);
        const double se2 = spread::standardError(sd2, s.n2);
        if (!(std::hypot(se1, se2) > 0)) {
            return pWithoutSpread(difference);
        }
        const double p = t_distribution::twoTailed(difference / std::hypot(se1, se2),
                                                   spread::welchDf(se1, s.n1, se2, s.n2));
        settled = settled && !std::isnan(p);
        return std::isnan(p) ? 1.0 : p;
    };
    // p falls as |M1 - M2| grows, and scaling both SDs by one factor leaves df and moves t
    // against it, so p rises strictly along every ray from SD 0: no extreme lies inside the
    // rectangle of the SDs, the lowest p lies where a ray enters it (an edge of a smallest SD)
    // and the highest where one leaves (an edge of a largest SD). Welch's df peaks where
    // SE1^2 / SE2^2 = (N1 - 1) / (N2 - 1), so an extreme may lie anywhere on those two edges,
    // not only at a corner: both are searched.
    // Along an edge one SD grows and t falls; df rises only until the SD of its peak, beyond
    // which p rises monotonically (p falls with df at any t > 0). The search stops at that SD and
    // takes the far end as it is: most edges lie wholly beyond it and cost two p values.
    const auto lowestAlong = [](const std::array<double, 2>& range, double peakSd, auto f) {
        const double searchedTo = std::clamp(peakSd, range[0], range[1]);
        const double searched = lowestOn({range[0], searchedTo}, f);
        return searchedTo < range[1] ? std::min(searched, f(range[1])) : searched;
    };
    // SE1^2 / SE2^2 = (N1 - 1) / (N2 - 1) at the peak.
    const double n1 = s.n1;
    const double n2 = s.n2;
    const double sd2PerSd1AtPeak = std::sqrt(n2 * (n2 - 1) / (n1 * (n1 - 1)));
    const Bounds b = boundsOf(s, rounding);
    const auto extremeOverEdges = [&](double difference, double sign) {
        const std::size_t side = sign > 0 ? 0 : 1; // the smallest SDs for the lowest p
        const double sd1 = b.sd1[side];
        const double sd2 = b.sd2[side];
        const double alongSd2 = lowestAlong(b.sd2, sd1 * sd2PerSd1AtPeak, [&](double other) {
            return sign * pAt(difference, sd1, other);
        });
        const double alongSd1 = lowestAlong(b.sd1, sd2 / sd2PerSd1AtPeak, [&](double other) {
            return sign * pAt(difference, other, sd2);
        });
        return sign * std::min(alongSd1, alongSd2);
    };
    const Interval range{extremeOverEdges(b.difference[1], 1.0),
                         extremeOverEdges(b.difference[0], -1.0)};
    if (!settled) {
        return Undefined::NotFound;
    }
    return range;
}

} // namespace lx
