// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot_pictures.h"

#include "platform/core/figure_text.h"
#include "platform/core/number_text.h"
#include "plots/difference_plot.h"
#include "plots/posterior_plot.h"
#include "plots/power_curve_plot.h"
#include "plots/robustness_plot.h"
#include "report_text.h"
#include "stats/two_sample_report.h"

#include <QCoreApplication>

#include <cmath>

namespace lx::plot_pictures {

namespace {

struct PlotText {
    Q_DECLARE_TR_FUNCTIONS(PlotText)
};

QString number(double value, const QLocale& locale) {
    return figure_text::significant(value, 4, locale);
}

QString interval(const Interval& ci, const QLocale& locale) {
    return number_text::interval(number(ci.lower, locale), number(ci.upper, locale), locale);
}

QString factor(double logFactor, const QLocale& locale) {
    return figure_text::bayesFactor(logFactor, 3, locale);
}

QString level(double value) {
    return QString::number(value * 100, 'g', 6);
}

std::optional<Picture> difference(const Summary& summary, const TwoSampleReport& report,
                                  const plots::PlotStyle& style, QString& why) {
    const auto picture = plots::differencePicture(summary, report, false);
    if (!picture) {
        why = PlotText::tr("The difference plot needs two observations in each set and some "
                           "spread.");
        return std::nullopt;
    }
    const QLocale& l = style.locale;
    const QString ci = level(report.level);
    QString text =
        PlotText::tr("Difference plot. M1 = %1, %2% CI %3; M2 = %4, %2% CI %5; "
                     "M1 \u2212 M2 = %6, %2% CI %7.")
            .arg(number(picture->mean1.value, l), ci, interval(picture->mean1.ci, l),
                 number(picture->mean2.value, l), interval(picture->mean2.ci, l),
                 number(picture->difference.value, l), interval(picture->difference.ci, l));
    return Picture{[picture = *picture, style](QPainter& painter, const QRectF& bounds) {
                       plots::paintDifference(painter, bounds, picture, style);
                   },
                   text};
}

std::optional<Picture> posterior(const TwoSampleReport& report, const plots::PlotStyle& style,
                                 QString& why) {
    const auto picture = plots::posteriorPicture(report);
    if (!picture) {
        why = PlotText::tr("The posterior of \u03B4 needs a t statistic: two observations in "
                           "each set and some spread.");
        return std::nullopt;
    }
    const QLocale& l = style.locale;
    const QString text =
        PlotText::tr("Prior and posterior of \u03B4. Cauchy prior of scale %1; posterior median "
                     "%2, %3% credible interval %4; BF\u2081\u2080 = %5.")
            .arg(number(picture->priorScale, l), number(picture->posterior.median, l),
                 level(picture->level), interval(picture->posterior.credible, l),
                 factor(picture->logBf10, l));
    return Picture{[picture = *picture, style](QPainter& painter, const QRectF& bounds) {
                       plots::paintPosterior(painter, bounds, picture, style);
                   },
                   text};
}

std::optional<Picture> robustness(const TwoSampleReport& report, const plots::PlotStyle& style,
                                  QString& why) {
    const auto picture = plots::robustnessPicture(report);
    if (!picture) {
        why = PlotText::tr("The Bayes factor's robustness needs a t statistic: two observations "
                           "in each set and some spread.");
        return std::nullopt;
    }
    const QLocale& l = style.locale;
    const BayesRobustness& r = picture->robustness;
    const auto at = [&](const Figure<double>& logFactor) {
        return logFactor ? factor(*logFactor, l) : report_text::undefinedText();
    };
    QString text = PlotText::tr("Bayes factor robustness. BF\u2081\u2080 = %1 at r = %2, %3 at "
                                "r = %4 (medium), %5 at r = %6 (wide), %7 at r = %8 (ultrawide)")
                       .arg(at(r.logBfHalf), number(0.5, l), at(r.logBfMedium),
                            number(mediumPriorScale, l), at(r.logBfWide), number(widePriorScale, l),
                            at(r.logBfUltrawide), number(ultrawidePriorScale, l));
    if (r.largest) {
        text += PlotText::tr("; largest %1 at r = %2")
                    .arg(factor(r.largest->logBf10, l), number(r.largest->r, l));
    }
    text += u'.';
    return Picture{[picture = *picture, style](QPainter& painter, const QRectF& bounds) {
                       plots::paintRobustness(painter, bounds, picture, style);
                   },
                   text};
}

} // namespace

QString name(Kind kind) {
    switch (kind) {
    case Kind::Difference:
        return PlotText::tr("Difference plot");
    case Kind::Posterior:
        return PlotText::tr("Prior and posterior");
    case Kind::Robustness:
        return PlotText::tr("Bayes factor robustness");
    case Kind::PowerCurve:
        return PlotText::tr("Power curve");
    }
    return {};
}

QString key(Kind kind) {
    switch (kind) {
    case Kind::Difference:
        return QStringLiteral("difference");
    case Kind::Posterior:
        return QStringLiteral("posterior");
    case Kind::Robustness:
        return QStringLiteral("robustness");
    case Kind::PowerCurve:
        return QStringLiteral("power");
    }
    return {};
}

std::optional<Kind> fromKey(const QString& text) {
    for (const Kind kind : all) {
        if (key(kind) == text) {
            return kind;
        }
    }
    return std::nullopt;
}

std::optional<Picture> make(Kind kind, const Summary& summary, const TwoSampleReport& report,
                            const plots::PlotStyle& style, QString& why) {
    switch (kind) {
    case Kind::Difference:
        return difference(summary, report, style, why);
    case Kind::Posterior:
        return posterior(report, style, why);
    case Kind::Robustness:
        return robustness(report, style, why);
    case Kind::PowerCurve:
        break; // drawn from the plan, not the calculation
    }
    return std::nullopt;
}

std::optional<Picture> powerCurve(const std::optional<planning::Plan>& plan,
                                  const plots::PlotStyle& style, QString& why) {
    if (!plan || !plan->sample) {
        why = PlotText::tr("Plan a sample in Planning (F7): the power curve shows the plan.");
        return std::nullopt;
    }
    if (*plan->ratio != 1) {
        why = PlotText::tr("The power curve is drawn for groups of equal size: choose n2/n1 = 1 "
                           "in Planning.");
        return std::nullopt;
    }
    const auto picture = plots::powerCurvePicture(*plan->d, plan->settings.test,
                                                  plan->settings.power, plan->sample->n1);
    if (!picture) {
        why = PlotText::tr("The power curve cannot be drawn for this plan.");
        return std::nullopt;
    }
    const QLocale& l = style.locale;
    const QString text =
        PlotText::tr("Power curve. Power of the %1 t-test at d = %2, \u03B1 = %3: n = %4 per "
                     "group gives %5 (target %6).")
            .arg(plan->settings.test.tails == power::Tails::Two ? PlotText::tr("two-tailed")
                                                                : PlotText::tr("one-tailed"),
                 number(picture->d, l), number(picture->alpha, l),
                 l.toString(static_cast<qlonglong>(picture->chosen.n)),
                 number(picture->chosen.power, l), number(picture->targetPower, l));
    return Picture{[picture = *picture, style](QPainter& painter, const QRectF& bounds) {
                       plots::paintPowerCurve(painter, bounds, picture, style);
                   },
                   text};
}

} // namespace lx::plot_pictures
