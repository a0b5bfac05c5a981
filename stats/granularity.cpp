// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "granularity.h"

#include <cmath>
#include <optional>

namespace lx::granularity {

namespace {

// Exact arithmetic for products of sums, squares and powers of ten.
__extension__ typedef __int128 Wide;

// Beyond these the test is not worth its cost or the products could overflow Wide.
constexpr int maxDecimals = 9;
constexpr int maxSdDecimals = 6;
constexpr double maxDigits = 9007199254740992.0; // 2^53: typed digits held exactly
constexpr Wide maxSums = 100000;                 // sums to try when the mean allows many
constexpr long searchBudget = 1000000;           // steps of the search for small N

Wide floorDiv(Wide a, Wide b) { // b > 0
    const Wide q = a / b;
    return (a % b != 0 && a < 0) ? q - 1 : q;
}

Wide ceilDiv(Wide a, Wide b) { // b > 0
    return -floorDiv(-a, b);
}

Wide powerOfTen(int k) {
    Wide p = 1;
    for (int i = 0; i < k; ++i) {
        p *= 10;
    }
    return p;
}

// A typed value as the integer of its digits: |value| * 10^decimals.
std::optional<Wide> digitsOf(Rounded r) {
    const double scaled = std::fabs(r.value) * std::pow(10.0, r.decimals);
    if (r.decimals < 0 || !(scaled < maxDigits)) {
        return std::nullopt;
    }
    return static_cast<Wide>(std::llround(scaled));
}

struct IntegerRange {
    Wide low = 0;
    Wide high = -1;
};

// The integers z with (2 digits - 1) * by <= 2 * 10^k * z <= (2 digits + 1) * by, the upper
// end only when digits is even.
IntegerRange roundingRange(Wide digits, Wide tenToK, Wide by) {
    const Wide twice = 2 * tenToK;
    IntegerRange range;
    range.low = ceilDiv((2 * digits - 1) * by, twice);
    const Wide top = (2 * digits + 1) * by;
    range.high = floorDiv(top, twice);
    if (range.high * twice == top && digits % 2 != 0) {
        --range.high;
    }
    return range;
}

// Sum of squares of the most even split of `sum` into n whole numbers.
Wide leastSumOfSquares(Wide sum, Wide n) {
    const Wide q = floorDiv(sum, n);
    const Wide r = sum - q * n;
    return (n - r) * q * q + r * (q + 1) * (q + 1);
}

// Whether n whole numbers, each at least `least`, sum to `sum` with a sum of squares in
// [low, high], searched in ascending order. nullopt when the budget runs out.
class SquaresSearch {
public:
    SquaresSearch(Wide low, Wide high)
        : m_low(low)
        , m_high(high) {}

    std::optional<bool> find(Wide n, Wide sum) {
        // The first value is the smallest, so at most the mean; it can be far below it.
        return next(n, sum, 0, std::nullopt);
    }

private:
    std::optional<bool> next(Wide k, Wide rest, Wide squares, std::optional<Wide> least) {
        if (++m_steps > searchBudget) {
            return std::nullopt;
        }
        if (k == 1) {
            const Wide q = squares + rest * rest;
            return (!least || rest >= *least) && q >= m_low && q <= m_high;
        }
        // v is the smallest of the k values left: the others, at least v, sum to rest - v.
        for (Wide v = floorDiv(rest, k);; --v) {
            if (++m_steps > searchBudget) {
                return std::nullopt;
            }
            if (least && v < *least) {
                return false;
            }
            const Wide others = rest - v;
            const Wide fewest = squares + v * v + leastSumOfSquares(others, k - 1);
            if (fewest > m_high) {
                return false; // a smaller v only spreads the values more
            }
            const Wide top = others - (k - 2) * v;
            const Wide most = squares + v * v + (k - 2) * v * v + top * top;
            if (most >= m_low) {
                const auto found = next(k - 1, others, squares + v * v, v);
                if (!found || *found) {
                    return found;
                }
            }
        }
    }

    Wide m_low;
    Wide m_high;
    long m_steps = 0;
};

} // namespace

Verdict meanVerdict(std::int32_t n, Rounded mean, std::int32_t items) {
    const auto digits = digitsOf(mean);
    if (n < 1 || items < 1 || !digits || mean.decimals > maxDecimals) {
        return Verdict::Untestable;
    }
    const Wide grid = Wide(n) * items;
    const Wide tenToK = powerOfTen(mean.decimals);
    if (grid >= tenToK) {
        return Verdict::Untestable;
    }
    const IntegerRange sums = roundingRange(*digits, tenToK, grid);
    return sums.low <= sums.high ? Verdict::Consistent : Verdict::Inconsistent;
}

Verdict sdVerdict(std::int32_t n, Rounded mean, Rounded sd, std::int32_t items) {
    const auto meanDigits = digitsOf(mean);
    const auto sdDigits = digitsOf(sd);
    if (n < 2 || items < 1 || !meanDigits || !sdDigits || mean.decimals > maxDecimals ||
        sd.decimals > maxSdDecimals || *sdDigits > (Wide(1) << 40)) {
        return Verdict::Untestable;
    }
    const Wide count = n;
    const Wide grid = count * items;
    const Wide tenToSd = powerOfTen(sd.decimals);
    if (grid >= tenToSd) {
        return Verdict::Untestable;
    }
    // Each score is a whole-number total y over `items`: the totals' sum S must give the mean,
    // and their V = n * sum(y^2) - S^2 = n (n - 1) items^2 SD^2 must give the SD.
    const IntegerRange sums = roundingRange(*meanDigits, powerOfTen(mean.decimals), grid);
    if (sums.high - sums.low + 1 > maxSums) {
        return Verdict::Untestable;
    }
    const Wide scale = count * (count - 1) * items * items;
    const Wide twice = 2 * tenToSd;
    const Wide b = *sdDigits;
    const Wide lowBound = b == 0 ? 0 : (2 * b - 1) * (2 * b - 1) * scale;
    const Wide top = (2 * b + 1) * (2 * b + 1) * scale;
    const Wide vLow = ceilDiv(lowBound, twice * twice);
    Wide vHigh = floorDiv(top, twice * twice);
    if (vHigh * twice * twice == top && b % 2 != 0) {
        --vHigh;
    }
    // The mean was taken as |mean|: -y has the same SD, so the sums are those of |mean|.
    for (Wide s = sums.low; s <= sums.high; ++s) {
        // sum(y^2) = (V + S^2) / n must be whole and have the parity of S (y^2 and y do).
        Wide qLow = std::max(ceilDiv(vLow + s * s, count), leastSumOfSquares(s, count));
        const Wide qHigh = floorDiv(vHigh + s * s, count);
        if ((qLow - s) % 2 != 0) {
            ++qLow;
        }
        if (qLow > qHigh) {
            continue;
        }
        // Five values on one level of the most even split take any sum-zero change, and those
        // reach every even increase of the sum of squares (the A4 lattice's norms are all
        // even numbers): then every sum of squares of the right parity above the least is
        // reachable. Fewer values are searched.
        const Wide r = s - floorDiv(s, count) * count;
        if (std::max(r, count - r) >= 5) {
            return Verdict::Consistent;
        }
        SquaresSearch search(qLow, qHigh);
        const auto found = search.find(count, s);
        if (!found) {
            return Verdict::Untestable;
        }
        if (*found) {
            return Verdict::Consistent;
        }
    }
    return Verdict::Inconsistent;
}

} // namespace lx::granularity
