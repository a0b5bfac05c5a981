// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "chebyshev_pieces.h"

#include "boost_policy.h"

#include <boost/math/tools/toms748_solve.hpp>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace lx {

namespace {

constexpr int n = ChebyshevPieces::degree;

// cos(j pi / n) for j = 0 ... 2n - 1.
double cosine(int j) {
    static const std::array<double, 2 * n> table = [] {
        std::array<double, 2 * n> values{};
        for (std::size_t k = 0; k < values.size(); ++k) {
            values[k] = std::cos(std::numbers::pi * static_cast<double>(k) / n);
        }
        return values;
    }();
    return table[static_cast<std::size_t>(j % (2 * n))];
}

// The sum of c[k] T_k(y), by Clenshaw's recurrence.
template <std::size_t size> double chebyshevSum(const std::array<double, size>& c, double y) {
    double next = 0;
    double afterNext = 0;
    for (std::size_t k = size - 1; k >= 1; --k) {
        const double current = c[k] + 2 * y * next - afterNext;
        afterNext = next;
        next = current;
    }
    return c[0] + y * next - afterNext;
}

} // namespace

ChebyshevPieces::Piece ChebyshevPieces::approximate(const std::function<double(double)>& f,
                                                    double left, double right, bool& finite) {
    Piece piece;
    piece.left = left;
    piece.right = right;
    const double middle = (left + right) / 2;
    const double half = (right - left) / 2;
    std::array<double, n + 1> values{};
    for (int j = 0; j <= n; ++j) {
        values[j] = f(middle + half * cosine(j));
        finite = finite && std::isfinite(values[j]);
    }
    for (int k = 0; k <= n; ++k) {
        double sum = (values[0] + values[n] * (k % 2 == 0 ? 1 : -1)) / 2;
        for (int j = 1; j < n; ++j) {
            sum += values[j] * cosine(j * k);
        }
        piece.coefficients[k] = 2 * sum / n;
    }
    piece.coefficients[0] /= 2;
    piece.coefficients[n] /= 2;
    // The integral of each T_k: T_1 for T_0, (T_2 + T_0) / 4 for T_1, and
    // T_(k+1) / (2 (k + 1)) - T_(k-1) / (2 (k - 1)) beyond; then 0 at y = -1.
    auto& b = piece.integral;
    const auto& a = piece.coefficients;
    b[1] += a[0];
    b[2] += a[1] / 4;
    b[0] += a[1] / 4;
    for (int k = 2; k <= n; ++k) {
        b[k + 1] += a[k] / (2.0 * (k + 1));
        b[k - 1] -= a[k] / (2.0 * (k - 1));
    }
    b[0] -= chebyshevSum(b, -1.0);
    return piece;
}

bool ChebyshevPieces::converged(const Piece& piece, double tolerance) const {
    const auto& a = piece.coefficients;
    return std::fabs(a[n - 2]) + std::fabs(a[n - 1]) + std::fabs(a[n]) <= tolerance * largest_;
}

std::optional<ChebyshevPieces> ChebyshevPieces::fit(const std::function<double(double)>& f,
                                                    const std::vector<double>& breaks,
                                                    double tolerance, int maxPieces) {
    ChebyshevPieces result;
    bool finite = true;
    std::vector<Piece> pending;
    for (std::size_t k = 0; k + 1 < breaks.size(); ++k) {
        if (breaks[k + 1] > breaks[k]) {
            pending.push_back(approximate(f, breaks[k], breaks[k + 1], finite));
        }
    }
    int count = static_cast<int>(pending.size());
    const auto raiseLargest = [&](const Piece& piece) {
        for (int j = 0; j <= n; ++j) {
            result.largest_ =
                std::max(result.largest_, chebyshevSum(piece.coefficients, cosine(j)));
        }
    };
    for (const Piece& piece : pending) {
        raiseLargest(piece);
    }
    // Split, left to right, until every piece holds; what is accepted stays accepted, since the
    // largest value only grows.
    std::reverse(pending.begin(), pending.end());
    while (!pending.empty() && finite) {
        Piece piece = pending.back();
        pending.pop_back();
        const double middle = (piece.left + piece.right) / 2;
        if (result.converged(piece, tolerance) || !(middle > piece.left && middle < piece.right)) {
            result.pieces_.push_back(piece);
            continue;
        }
        if (++count > maxPieces) {
            return std::nullopt;
        }
        Piece right = approximate(f, middle, piece.right, finite);
        Piece left = approximate(f, piece.left, middle, finite);
        raiseLargest(left);
        raiseLargest(right);
        pending.push_back(right);
        pending.push_back(left);
    }
    if (!finite || result.pieces_.empty()) {
        return std::nullopt;
    }
    double sum = 0;
    for (const Piece& piece : result.pieces_) {
        sum += (piece.right - piece.left) / 2 * chebyshevSum(piece.integral, 1.0);
        result.cumulative_.push_back(sum);
    }
    return result;
}

double ChebyshevPieces::operator()(double x) const {
    if (!(x >= low() && x <= high())) {
        return 0;
    }
    const auto piece =
        std::lower_bound(pieces_.begin(), pieces_.end(), x,
                         [](const Piece& p, double value) { return p.right < value; });
    const double y = (2 * x - piece->left - piece->right) / (piece->right - piece->left);
    return chebyshevSum(piece->coefficients, y);
}

std::optional<double> ChebyshevPieces::quantile(double share) const {
    if (!(share > 0 && share < 1)) {
        return std::nullopt;
    }
    const double target = share * total();
    const auto above = std::upper_bound(cumulative_.begin(), cumulative_.end(), target);
    if (above == cumulative_.end()) {
        return std::nullopt;
    }
    const auto k = static_cast<std::size_t>(above - cumulative_.begin());
    const Piece& piece = pieces_[k];
    const double before = k == 0 ? 0 : cumulative_[k - 1];
    const double half = (piece.right - piece.left) / 2;
    const auto shortfall = [&](double y) {
        return before + half * chebyshevSum(piece.integral, y) - target;
    };
    const double atLeft = before - target;
    const double atRight = *above - target;
    if (!(atLeft <= 0 && atRight > 0)) {
        return std::nullopt;
    }
    if (atLeft == 0) {
        return piece.left;
    }
    std::uintmax_t iterations = 80;
    const auto bracket = boost::math::tools::toms748_solve(
        shortfall, -1.0, 1.0, atLeft, atRight, boost::math::tools::eps_tolerance<double>(50),
        iterations, BoostPolicy());
    const double y = (bracket.first + bracket.second) / 2;
    return piece.left + half * (y + 1);
}

} // namespace lx
