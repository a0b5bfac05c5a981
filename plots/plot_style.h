// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <QLocale>

#include <array>

namespace lx::plots {

// How a picture looks: its font, the locale of its numbers and its colours. Tests give each
// element a colour of its own and turn antialiasing off, so that pixels can be told apart.
struct PlotStyle {
    QFont font;
    QLocale locale;
    QColor background = Qt::white;
    QColor ink = Qt::black;                    // axes, ticks, labels
    QColor guide = QColor(150, 150, 150);      // reference lines
    QColor first = QColor(31, 119, 180);       // group 1, or the posterior
    QColor second = QColor(214, 39, 40);       // group 2, or the prior
    QColor difference = QColor(0, 0, 0);       // the difference and its interval
    QColor band = QColor(44, 160, 44, 60);     // the equivalence region
    QColor pooled = QColor(0, 0, 0);           // a pooled estimate's diamond or line
    QColor prediction = QColor(110, 110, 110); // the prediction interval through it
    // The regions of significance of a funnel plot, p < .10, < .05 and < .01, lighter to darker.
    std::array<QColor, 3> significance{QColor(232, 232, 232), QColor(205, 205, 205),
                                       QColor(170, 170, 170)};
    bool antialiased = true;
};

} // namespace lx::plots
