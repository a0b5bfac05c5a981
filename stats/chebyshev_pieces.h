// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <vector>

namespace lx {

// A nonnegative function on [low, high] as Chebyshev interpolants on pieces, split until each
// holds it to a given share of its largest value: its integral, its cumulative integral and
// where that reaches a share of the whole come from the pieces' coefficients, without another
// call of the function. For a density that costs microseconds a value and is smooth on scales
// that can differ by orders of magnitude across the range (a prior's narrow peak beside a
// likelihood's broad one).
class ChebyshevPieces {
public:
    static constexpr int degree = 16;

    // Starts from the pieces between consecutive breaks (ascending, at least two); nothing when
    // more than maxPieces would be needed or a value is not a finite number.
    static std::optional<ChebyshevPieces> fit(const std::function<double(double)>& f,
                                              const std::vector<double>& breaks, double tolerance,
                                              int maxPieces);

    double low() const { return pieces_.front().left; }
    double high() const { return pieces_.back().right; }
    double total() const { return cumulative_.back(); }
    double largest() const { return largest_; }
    // The interpolant's value; 0 outside the range.
    double operator()(double x) const;
    // The x where the integral from low reaches share times the total; nothing outside (0, 1).
    std::optional<double> quantile(double share) const;

private:
    struct Piece {
        double left = 0;
        double right = 0;
        std::array<double, degree + 1> coefficients{}; // of T_0 ... T_degree on [-1, 1]
        std::array<double, degree + 2> integral{};     // its integral from -1, in y
    };

    static Piece approximate(const std::function<double(double)>& f, double left, double right,
                             bool& finite);
    bool converged(const Piece& piece, double tolerance) const;

    std::vector<Piece> pieces_;
    std::vector<double> cumulative_; // the integral up to each piece's right end
    double largest_ = 0;
};

} // namespace lx
