// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "pool_summary.h"

#include "batch_text.h"

#include "platform/core/figure_text.h"
#include "platform/core/number_text.h"

#include <QStringList>

#include <algorithm>

namespace lx::cli {

namespace {

using P = PoolColumn;

// A sentence to read, so a negative figure takes the typographic minus.
QString fixed(double value, int decimals, const QLocale& locale) {
    return figure_text::decimals(value, decimals, locale)
        .replace(locale.negativeSign(), QStringLiteral("\u2212"));
}

QString interval(double lower, double upper, int decimals, const QLocale& locale) {
    return number_text::interval(fixed(lower, decimals, locale), fixed(upper, decimals, locale),
                                 locale);
}

// "p = .002", "p = .13" or "p < .001": without the leading zero, three decimals below .01.
QString pText(double p, const QLocale& locale) {
    const auto noLeadingZero = [&](const QString& text) {
        const QString zero = locale.zeroDigit();
        return text.startsWith(zero + locale.decimalPoint()) ? text.mid(zero.size()) : text;
    };
    if (p < 0.001) {
        return QStringLiteral("p < ") + noLeadingZero(figure_text::decimals(0.001, 3, locale));
    }
    return QStringLiteral("p = ") + noLeadingZero(figure_text::pValue(p, p < 0.01 ? 1 : 2, locale));
}

} // namespace

QString poolModelText(const PoolRow& row) {
    const bool knha = row.test == meta::Test::Knha;
    if (row.method == meta::Estimator::EE) {
        return knha ? BatchText::tr("Common effect (Knapp-Hartung)")
                    : BatchText::tr("Common effect");
    }
    return knha ? BatchText::tr("Random effects (%1, Knapp-Hartung)").arg(methodName(row.method))
                : BatchText::tr("Random effects (%1)").arg(methodName(row.method));
}

QString poolSummaryText(const PoolRun& run, const QLocale& locale) {
    if (run.rows.empty()) {
        return {};
    }
    const PoolRow& row = run.rows.front();
    const auto has = [&](std::initializer_list<P> columns) {
        return std::all_of(columns.begin(), columns.end(),
                           [&](P column) { return row[column].has_value(); });
    };
    const bool random = row.method != meta::Estimator::EE;
    QStringList parts;
    if (has({P::Estimate, P::CiLo, P::CiHi, P::P})) {
        const QString effect =
            run.settings.effect == PoolEffect::Md ? QStringLiteral("MD") : QStringLiteral("g");
        parts.append(QStringLiteral("%1 = %2 %3, %4")
                         .arg(effect, fixed(*row[P::Estimate], 2, locale),
                              interval(*row[P::CiLo], *row[P::CiHi], 2, locale),
                              pText(*row[P::P], locale)));
    }
    QStringList spread;
    if (random && has({P::Tau2})) {
        spread.append(QStringLiteral("\u03C4\u00B2 = ") + fixed(*row[P::Tau2], 2, locale) +
                      (has({P::Tau2CiLo, P::Tau2CiHi})
                           ? u' ' + interval(*row[P::Tau2CiLo], *row[P::Tau2CiHi], 2, locale)
                           : QString()));
    }
    if (has({P::I2})) {
        spread.append(QStringLiteral("I\u00B2 = %1%").arg(fixed(*row[P::I2], 0, locale)));
    }
    if (!spread.isEmpty()) {
        parts.append(spread.join(QLatin1String(", ")));
    }
    if (has({P::Q, P::QDf, P::QP})) {
        parts.append(QStringLiteral("Q(%1) = %2, %3")
                         .arg(figure_text::whole(*row[P::QDf], locale),
                              fixed(*row[P::Q], 1, locale), pText(*row[P::QP], locale)));
    }
    if (random && has({P::PiLo, P::PiHi})) {
        parts.append(BatchText::tr("prediction interval %1")
                         .arg(interval(*row[P::PiLo], *row[P::PiHi], 2, locale)));
    }
    if (has({P::QBetween, P::QBetweenDf, P::QBetweenP})) {
        parts.append(BatchText::tr("subgroup differences Q(%1) = %2, %3")
                         .arg(figure_text::whole(*row[P::QBetweenDf], locale),
                              fixed(*row[P::QBetween], 1, locale),
                              pText(*row[P::QBetweenP], locale)));
    }
    QString text = QStringLiteral("%1, k = %2")
                       .arg(poolModelText(row), figure_text::whole(*row[P::K], locale));
    if (!parts.isEmpty()) {
        text += QStringLiteral(": ") + parts.join(QLatin1String("; "));
    }
    if (!row.error.isEmpty()) {
        text += (parts.isEmpty() ? QStringLiteral(": ") : QStringLiteral(". ")) + row.error;
    }
    return text;
}

} // namespace lx::cli
