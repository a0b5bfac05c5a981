// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "plan_text.h"

#include "platform/core/figure_text.h"

#include <QCoreApplication>

#include <cmath>

namespace lx::plan_text {

namespace {

struct PlanLines {
    Q_DECLARE_TR_FUNCTIONS(PlanLines)
};

// A sentence to read, so a negative d takes the typographic minus.
QString fixed(double value, int decimals, const QLocale& locale) {
    return figure_text::decimals(value, decimals, locale)
        .replace(locale.negativeSign(), QStringLiteral("\u2212"));
}

QString whole(std::int64_t n, const QLocale& locale) {
    return figure_text::whole(static_cast<double>(n), locale);
}

} // namespace

QString percent(double share, const QLocale& locale) {
    const double rounded = std::round(share * 1000) / 10;
    const bool wholePercent = rounded == std::round(rounded);
    return PlanLines::tr("%1%").arg(locale.toString(rounded, 'f', wholePercent ? 0 : 1));
}

QString level(double alpha, const QLocale& locale) {
    QString text = locale.toString(alpha, 'g', 3);
    if (text.startsWith(QLatin1Char('0')) && text.size() > 1) {
        text.remove(0, 1);
    }
    return text;
}

QString sampleLine(const power::SampleSize& size, double d, const QLocale& locale) {
    return PlanLines::tr("%1 and %2, %3 in all: actual power %4 for d = %5")
        .arg(whole(size.n1, locale), whole(size.n2, locale), whole(size.total, locale),
             fixed(size.power, 3, locale), fixed(d, 2, locale));
}

QString sensitivityLine(std::int32_t n1, std::int32_t n2, double targetPower, double sensitivity,
                        double critical, const QLocale& locale) {
    return PlanLines::tr("With %1 and %2: %3 power for |d| ≥ %4; significant from |d| ≥ %5")
        .arg(whole(n1, locale), whole(n2, locale), percent(targetPower, locale),
             fixed(sensitivity, 2, locale), fixed(critical, 2, locale));
}

QString sentence(const power::SampleSize& size, double d, double targetPower,
                 const power::TestDesign& test, const QLocale& locale) {
    const QString tails =
        test.tails == power::Tails::Two ? PlanLines::tr("two-tailed") : PlanLines::tr("one-tailed");
    const QString sample =
        size.n1 == size.n2
            ? PlanLines::tr("A sample of %1 per group (%2 in all)")
                  .arg(whole(size.n1, locale), whole(size.total, locale))
            : PlanLines::tr("A sample of %1 and %2 (%3 in all)")
                  .arg(whole(size.n1, locale), whole(size.n2, locale), whole(size.total, locale));
    return PlanLines::tr("%1 gives %2 power to detect d = %3 (α = %4, %5); actual power %6.")
        .arg(sample, percent(targetPower, locale), fixed(d, 2, locale), level(test.alpha, locale),
             tails, fixed(size.power, 3, locale));
}

} // namespace lx::plan_text
