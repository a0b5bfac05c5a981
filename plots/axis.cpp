// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "axis.h"

#include <array>
#include <cmath>

namespace lx::plots {

namespace {

// How many decimals a multiple of step needs: 2.5 times 10^k one more than 10^k itself.
int decimalsFor(double step) {
    const int exponent = static_cast<int>(std::floor(std::log10(step) + 1e-9));
    const double mantissa = step / std::pow(10.0, exponent);
    const int extra = std::fabs(mantissa - 2.5) < 1e-6 ? 1 : 0;
    return std::max(0, extra - exponent);
}

} // namespace

double niceStep(double span, int maxTicks, double minimumStep) {
    if (!(span > 0) || !std::isfinite(span) || maxTicks < 1) {
        return std::max(1.0, minimumStep);
    }
    const double raw = std::max(span / maxTicks, minimumStep);
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    constexpr std::array<double, 5> mantissas{1, 2, 2.5, 5, 10};
    for (const double mantissa : mantissas) {
        // A hair of tolerance, so that a raw step of exactly 2 * 10^k is not taken as 2.5.
        if (mantissa * power >= raw * (1 - 1e-12)) {
            return mantissa * power;
        }
    }
    return 10 * power;
}

Axis::Axis(double low, double high, double pixelAtLow, double pixelAtHigh, int maxTicks,
           double minimumStep)
    : m_low(low)
    , m_high(high)
    , m_pixelAtLow(pixelAtLow)
    , m_pixelAtHigh(pixelAtHigh) {
    if (!std::isfinite(m_low) || !std::isfinite(m_high)) {
        m_low = 0;
        m_high = 1;
    }
    if (!(m_high > m_low)) {
        const double middle = (m_low + m_high) / 2;
        const double half = middle != 0 ? std::fabs(middle) / 10 : 1;
        m_low = middle - half;
        m_high = middle + half;
    }
    m_step = niceStep(m_high - m_low, maxTicks, minimumStep);
    m_decimals = decimalsFor(m_step);
}

double Axis::pixel(double value) const {
    return m_pixelAtLow + (value - m_low) * pixelsPerUnit();
}

std::vector<double> Axis::ticks() const {
    std::vector<double> values;
    const double first = std::ceil(m_low / m_step - 1e-9);
    const double last = std::floor(m_high / m_step + 1e-9);
    for (double k = first; k <= last && values.size() < 1000; ++k) {
        values.push_back(k * m_step); // multiplied, not summed, so that no error builds up
    }
    return values;
}

QString Axis::label(double value, const QLocale& locale) const {
    // -0 would read as a negative number.
    const double shown = std::fabs(value) < m_step * 1e-6 ? 0.0 : value;
    return locale.toString(shown, 'f', m_decimals);
}

Axis Axis::measuredFrom(double origin) const {
    Axis axis = *this;
    axis.m_low = m_low - origin;
    axis.m_high = m_high - origin;
    return axis;
}

} // namespace lx::plots
