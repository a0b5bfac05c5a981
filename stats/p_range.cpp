// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "p_range.h"

#include "rounded_summary_ranges.h"
#include "spread.h"
#include "student_test.h"
#include "t_distribution.h"

#include <boost/math/tools/minima.hpp>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <optional>

namespace lx {

namespace {

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

// A stretch of an edge, [from, to] in SD units, reached through a parameter u in [0, 1], so
// that the search's steps and tolerances are fractions of the stretch at any scale of the SDs
// (Brent's method has an absolute floor of 2^-27 in its variable, far coarser than an SD of
// 1e-4, let alone 1e-15). Evenly spaced in u even where it starts at 0: a stretch ends at the
// peak of df or before it, which lies at the other SD's scale, and near 0 p changes with the
// square of the SD, so nothing happens on a scale finer than the stretch's own.
class Stretch {
public:
    Stretch(double from, double to)
        : from_(from)
        , width_(to - from) {}

    double at(double u) const { return from_ + width_ * u; }
    bool empty() const { return !(width_ > 0); }

private:
    double from_;
    double width_;
};

// The lowest f over a stretch: a coarse scan of u that takes the ends, then Brent's method
// between the neighbours of the best sample, so one stretch with two dips still gives its
// lower one unless they lie within one step of each other.
template <typename F> double lowestOn(const Stretch& stretch, F f) {
    constexpr int steps = 8;
    const auto g = [&](double u) { return f(stretch.at(u)); };
    if (stretch.empty()) {
        return g(0);
    }
    int bestStep = 0;
    double best = g(0);
    for (int k = 1; k <= steps; ++k) {
        const double value = g(static_cast<double>(k) / steps);
        if (value < best) {
            best = value;
            bestStep = k;
        }
    }
    if (bestStep == 0 || bestStep == steps) {
        // Best at an end, and f rises from it over a millionth of a step: within that step f
        // has its lowest at the end, or within f's curvature times 1e-12 steps^2 of it. Brent's
        // method would only creep towards the end, some twenty values of f.
        const double inward = (bestStep == 0 ? 1e-6 : -1e-6) / steps;
        if (g(static_cast<double>(bestStep) / steps + inward) > best) {
            return best;
        }
    }
    const double from = static_cast<double>(std::max(bestStep - 1, 0)) / steps;
    const double to = static_cast<double>(std::min(bestStep + 1, steps)) / steps;
    // Half a double's digits of u: p is flat at its extreme, so a step of 2^-26 of the stretch
    // moves it by its curvature times 2^-52 of the stretch squared.
    const auto found =
        boost::math::tools::brent_find_minima(g, from, to, std::numeric_limits<double>::digits / 2);
    return std::min(best, found.second);
}

struct SdPair {
    double sd1;
    double sd2;
};

// Welch's t and df at points of the SDs' rectangle for one |M1 - M2|, and their p. Two edges
// share a corner, so the last few points are remembered.
class WelchP {
public:
    struct Point {
        double t = 0;
        double df = 0;
    };

    WelchP(const Summary& s, double difference)
        : s_(s)
        , difference_(difference) {}

    // nullopt where both SDs are 0.
    std::optional<Point> pointAt(SdPair sds) const {
        const double se1 = spread::standardError(sds.sd1, s_.n1);
        const double se2 = spread::standardError(sds.sd2, s_.n2);
        if (!(std::hypot(se1, se2) > 0)) {
            return std::nullopt;
        }
        return Point{difference_ / std::hypot(se1, se2), spread::welchDf(se1, s_.n1, se2, s_.n2)};
    }

    // p at a point; 1 where it cannot be worked out, which makes the range not found.
    double p(SdPair sds) {
        for (const Remembered& r : recent_) {
            if (r.sds.sd1 == sds.sd1 && r.sds.sd2 == sds.sd2) {
                return r.p;
            }
        }
        const std::optional<Point> point = pointAt(sds);
        double p = point ? pOf(*point) : pWithoutSpread(difference_);
        if (std::isnan(p)) {
            settled_ = false;
            p = 1.0;
        }
        recent_[next_] = {sds, p};
        next_ = (next_ + 1) % recent_.size();
        return p;
    }

    static double pOf(Point point) { return t_distribution::twoTailed(point.t, point.df); }

    bool settled() const { return settled_; }

private:
    struct Remembered {
        SdPair sds{-1, -1}; // no SD is negative
        double p = 0;
    };
    const Summary& s_;
    double difference_;
    std::array<Remembered, 4> recent_{};
    std::size_t next_ = 0;
    bool settled_ = true;
};

// The lowest of sign * p over a stretch of an edge on which t falls and df rises. p falls with
// t and with df, so over any part [x, y] p is at least p(t(x), df(y)) and at most
// p(t(y), df(x)): one value bounds a whole part. Mostly t rules and the extreme is at the end it
// favours (the start for the lowest p, the far end for the highest). When f rises from that end
// and the rest beyond the eighth of u next to it is covered by parts whose bounds are no lower,
// the scan of lowestOn would take that end too (its samples lie in those parts), so it is taken
// with a few p values instead of ten or more.
template <typename PointAt>
double lowestOnRise(const Stretch& stretch, double sign, WelchP& welch, PointAt pointAt) {
    const auto f = [&](double sd) { return sign * welch.p(pointAt(sd)); };
    constexpr double eighth = 1.0 / 8;
    const bool fromStart = sign > 0;
    const double end = fromStart ? 0.0 : 1.0;
    const double best = f(stretch.at(end));
    if (!(f(stretch.at(end + (fromStart ? 1e-6 : -1e-6) * eighth)) > best)) {
        return lowestOn(stretch, f);
    }
    // The bound of f over the part between two values of u; NaN where a point has no spread.
    const auto boundBetween = [&](double a, double b) {
        const auto lower = welch.pointAt(pointAt(stretch.at(std::min(a, b))));
        const auto upper = welch.pointAt(pointAt(stretch.at(std::max(a, b))));
        if (!lower || !upper) {
            return std::numeric_limits<double>::quiet_NaN();
        }
        return sign * WelchP::pOf(fromStart ? WelchP::Point{lower->t, upper->df}
                                            : WelchP::Point{upper->t, lower->df});
    };
    // From the eighth outward, each part as long as its bound allows: halved until it is no
    // lower than best, and the scan decides once a part would be narrower than an eighth.
    const double far = 1.0 - end;
    double from = end + (fromStart ? eighth : -eighth);
    while (from != far) {
        double to = far;
        while (!(boundBetween(from, to) >= best)) {
            if (std::fabs(to - from) / 2 < eighth) {
                return lowestOn(stretch, f);
            }
            to = from + (to - from) / 2;
        }
        from = to;
    }
    return best;
}

} // namespace

Figure<Interval> pooledPRange(const Summary& s, const TypedRounding& rounding) {
    const auto df = static_cast<double>(studentInputs(s).df);
    if (df == 0) {
        return Undefined::NoDegreesOfFreedom;
    }
    // p falls as |t| grows: its extremes are those of the pooled |t| over the rounding. A |t|
    // without spread is infinite (p 0) for different means and 0 (p 1) for equal ones.
    const Figure<Interval> t = reported::tRanges(s, rounding).pooled;
    if (!t) {
        return t.why();
    }
    const auto pOf = [&](double tAt) {
        return std::isinf(tAt) ? 0.0 : t_distribution::twoTailed(tAt, df);
    };
    const Interval range{pOf(t->upper), pOf(t->lower)};
    if (std::isnan(range.lower) || std::isnan(range.upper)) {
        return Undefined::NotFound;
    }
    return range;
}

Figure<Interval> welchPRange(const Summary& s, const TypedRounding& rounding) {
    if (s.n1 < 2 || s.n2 < 2) {
        return Undefined::TooFewObservations;
    }
    // p falls as |M1 - M2| grows, and scaling both SDs by one factor leaves df and moves t
    // against it, so p rises strictly along every ray from SD 0: no extreme lies inside the
    // rectangle of the SDs, the lowest p lies where a ray enters it (an edge of a smallest SD)
    // and the highest where one leaves (an edge of a largest SD). Welch's df peaks where
    // SE1^2 / SE2^2 = (N1 - 1) / (N2 - 1), so an extreme may lie anywhere on those two edges,
    // not only at a corner: both are searched.
    // Along an edge one SD grows and t falls; df rises only until the SD of its peak, beyond
    // which p rises monotonically (p falls with df at any t > 0): there the lowest p is at the
    // peak and the highest at the far end, so only the stretch up to the peak is searched.
    const double n1 = s.n1;
    const double n2 = s.n2;
    const double sd2PerSd1AtPeak = std::sqrt(n2 * (n2 - 1) / (n1 * (n1 - 1)));
    const Bounds b = boundsOf(s, rounding);
    bool settled = true;
    const auto extremeOverEdges = [&](double difference, double sign) {
        WelchP welch(s, difference);
        const auto lowestAlong = [&](const std::array<double, 2>& range, double peakSd,
                                     auto pointAt) {
            const auto f = [&](double sd) { return sign * welch.p(pointAt(sd)); };
            const double peak = std::clamp(peakSd, range[0], range[1]);
            if (sign > 0) {
                return peak > range[0] ? lowestOnRise(Stretch(range[0], peak), sign, welch, pointAt)
                                       : f(range[0]);
            }
            const double farEnd = f(range[1]);
            return peak > range[0] ? std::min(farEnd, lowestOnRise(Stretch(range[0], peak), sign,
                                                                   welch, pointAt))
                                   : farEnd;
        };
        const std::size_t side = sign > 0 ? 0 : 1; // the smallest SDs for the lowest p
        const double sd1 = b.sd1[side];
        const double sd2 = b.sd2[side];
        const double alongSd2 = lowestAlong(b.sd2, sd1 * sd2PerSd1AtPeak, [&](double other) {
            return SdPair{sd1, other};
        });
        const double alongSd1 = lowestAlong(b.sd1, sd2 / sd2PerSd1AtPeak, [&](double other) {
            return SdPair{other, sd2};
        });
        settled = settled && welch.settled();
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
