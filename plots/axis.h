// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QString>

#include <vector>

namespace lx::plots {

// The tick step for a span cut into about maxTicks parts: 1, 2, 2.5 or 5 times a power of ten,
// and at least minimumStep (0 for none).
double niceStep(double span, int maxTicks, double minimumStep = 0);

// A linear map of values onto one pixel coordinate, and the ticks of that range. pixelAtLow may
// lie above pixelAtHigh: a vertical axis grows upwards on screen.
class Axis {
public:
    Axis() = default;
    // A range of zero width (or a reversed one) is widened about its middle, so that every
    // value still has a pixel.
    Axis(double low, double high, double pixelAtLow, double pixelAtHigh, int maxTicks = 6,
         double minimumStep = 0);

    double low() const { return m_low; }
    double high() const { return m_high; }
    double step() const { return m_step; }
    double pixel(double value) const;
    double pixelsPerUnit() const { return (m_pixelAtHigh - m_pixelAtLow) / (m_high - m_low); }

    // The multiples of the step within the range, low to high.
    std::vector<double> ticks() const;
    // A tick's text with the locale's decimal mark and as many decimals as the step needs.
    QString label(double value, const QLocale& locale) const;

    // The same scale and pixels with values measured from origin: origin lies where 0 lies on the
    // new axis, whose ticks are multiples of this axis' step counted from it.
    Axis measuredFrom(double origin) const;

private:
    double m_low = 0;
    double m_high = 1;
    double m_pixelAtLow = 0;
    double m_pixelAtHigh = 1;
    double m_step = 1;
    int m_decimals = 0;
};

} // namespace lx::plots
