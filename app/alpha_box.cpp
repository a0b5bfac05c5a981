// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "alpha_box.h"

#include "planning/plan_text.h"
#include "window_settings.h"

#include <QLocale>

namespace lx {

namespace {

constexpr double Levels[] = {0.10, 0.05, 0.01, 0.005, 0.001};
constexpr int UsualLevel = 1;

} // namespace

AlphaBox::AlphaBox(WindowSettings& settings, const QString& key, QWidget* parent)
    : QComboBox(parent) {
    setAccessibleName(tr("Significance level α"));
    const double remembered = QLocale::c().toDouble(settings.value(key));
    for (const double level : Levels) {
        addItem(plan_text::level(level, QLocale()), level);
    }
    const int chosen = findData(remembered);
    setCurrentIndex(chosen >= 0 ? chosen : UsualLevel);
    connect(this, &QComboBox::currentIndexChanged, this, [this, &settings, key] {
        settings.setValue(key, QString::number(alpha(), 'g', 6));
        emit alphaChosen();
    });
}

} // namespace lx
