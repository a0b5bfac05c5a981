// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "log_quadrature.h"

namespace lx::log_quadrature {

namespace {

template <int power> const std::array<MappedNode, 61>& mappedTable() {
    static const std::array<MappedNode, 61> table = [] {
        const auto& nodes = Rule::abscissa();
        std::array<MappedNode, 61> mapped{};
        mapped[0] = mapNode(0.0, power);
        for (std::size_t k = 1; k < nodes.size(); ++k) {
            mapped[2 * k - 1] = mapNode(nodes[k], power);
            mapped[2 * k] = mapNode(-nodes[k], power);
        }
        return mapped;
    }();
    return table;
}

} // namespace

// The powers are 1 and 3, so the map and its derivative take products, not pow.
MappedNode mapNode(double x, int power) {
    const double y = (x + 1) / 2;
    if (y >= 1) {
        return {std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity()};
    }
    const double ratio = y / (1 - y);
    const double slope = power == 3 ? 3 * ratio * ratio : 1.0; // d(ratio^power)/d(ratio)
    return {power == 3 ? ratio * ratio * ratio : ratio, std::log(slope / 2) - 2 * std::log1p(-y)};
}

const std::array<MappedNode, 61>& mappedNodes(int power) {
    return power == 3 ? mappedTable<3>() : mappedTable<1>();
}

} // namespace lx::log_quadrature
