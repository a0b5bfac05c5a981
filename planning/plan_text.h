// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "stats/power.h"

#include <QLocale>
#include <QString>

// The planning view's lines and the sentence it copies, in the usual reporting style. Every
// number uses the given locale.
namespace lx::plan_text {

// "86 and 86, 172 in all: actual power 0.903 for d = 0.50"
QString sampleLine(const power::SampleSize& size, double d, const QLocale& locale);

// "With 10 and 10: 80% power for |d| ≥ 1.32; significant from |d| ≥ 0.94"
QString sensitivityLine(std::int32_t n1, std::int32_t n2, double targetPower, double sensitivity,
                        double critical, const QLocale& locale);

// "A sample of 86 per group (172 in all) gives 90% power to detect d = 0.50 (α = .05,
// two-tailed); actual power 0.903."
QString sentence(const power::SampleSize& size, double d, double targetPower,
                 const power::TestDesign& test, const QLocale& locale);

// A share as a percentage, "80%", with up to one decimal ("87.5%").
QString percent(double share, const QLocale& locale);

// A level below 1 without its leading zero, as reports write α: ".05".
QString level(double alpha, const QLocale& locale);

} // namespace lx::plan_text
