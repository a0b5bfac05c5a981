// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "forest_text.h"

#include "platform/core/figure_text.h"
#include "platform/core/number_text.h"

#include <QCoreApplication>

namespace lx::plots::forest_text {

namespace {

// As the table's g and its interval are read: two decimals.
constexpr int estimateDecimals = 2;
constexpr int weightDecimals = 1;

} // namespace

QString estimate(double value, const Interval& ci, const QLocale& locale) {
    return figure_text::decimals(value, estimateDecimals, locale) + u' ' +
           number_text::interval(figure_text::decimals(ci.lower, estimateDecimals, locale),
                                 figure_text::decimals(ci.upper, estimateDecimals, locale), locale);
}

QString weight(double percent, const QLocale& locale) {
    return figure_text::decimals(percent, weightDecimals, locale) + locale.percent();
}

QString studyTitle() {
    return QCoreApplication::translate("lx::plots::ForestPlot", "Study");
}

QString estimateTitle(const QString& effectName, double level) {
    return QCoreApplication::translate("lx::plots::ForestPlot", "%1 [%2% CI]")
        .arg(effectName, QString::number(level * 100, 'g', 6));
}

QString weightTitle() {
    return QCoreApplication::translate("lx::plots::ForestPlot", "Weight");
}

} // namespace lx::plots::forest_text
