// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "report_text.h"

#include "platform/core/figure_text.h"
#include "platform/core/number_text.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <limits>

namespace lx::report_text {

namespace {

// The names a user reads, in the user's language; the reporting lines keep the notation of
// the journals, which is the same in every language but for the name of Welch's test.
struct ReportText {
    Q_DECLARE_TR_FUNCTIONS(ReportText)
};

const QString minus = QStringLiteral("\u2212");
constexpr int tableDigits = 4;
constexpr int pDigits = 3;
constexpr int bayesDigits = 3;
constexpr int exactDigits = 15;

QString ciName(double level) {
    return ReportText::tr("%1% CI").arg(QString::number(level * 100, 'g', 6));
}

QString numberText(double value, Kind kind, const QLocale& locale) {
    switch (kind) {
    case Kind::P:
        return figure_text::pValue(value, pDigits, locale);
    case Kind::Whole:
        return figure_text::whole(value, locale);
    case Kind::LogBayes:
        return figure_text::bayesFactor(value, bayesDigits, locale);
    case Kind::Plain:
        break;
    }
    return figure_text::significant(value, tableDigits, locale);
}

QString fixed(const Figure<double>& value, int decimals, const QLocale& locale) {
    return value ? figure_text::decimals(*value, decimals, locale) : undefinedText();
}

QString whole(const Figure<double>& value, const QLocale& locale) {
    return value ? figure_text::whole(*value, locale) : undefinedText();
}

QString reportedInterval(const Figure<Interval>& ci, const QLocale& locale) {
    if (!ci) {
        return undefinedText();
    }
    return number_text::interval(fixed(ci->lower, 2, locale), fixed(ci->upper, 2, locale), locale);
}

// "p = .038" or "p < .001": three decimals without the leading zero.
QString reportedP(const Figure<double>& p, const QLocale& locale) {
    if (!p) {
        return QStringLiteral("p = ") + undefinedText();
    }
    const QString zero = locale.zeroDigit();
    const auto noLeadingZero = [&](double value) {
        QString text = figure_text::decimals(value, 3, locale);
        return text.startsWith(zero + locale.decimalPoint()) ? text.mid(zero.size()) : text;
    };
    if (*p < 0.001) {
        return QStringLiteral("p < ") + noLeadingZero(0.001);
    }
    // Three decimals would round it to 1.000, which no test gives short of t = 0.
    if (*p >= 0.9995) {
        return QStringLiteral("p > ") + noLeadingZero(0.999);
    }
    return QStringLiteral("p = ") + noLeadingZero(*p);
}

QString studentLine(const TwoSampleReport& r, const QLocale& locale) {
    const QString ci = ciName(r.level);
    const QString bf10 = cellText(r.bayesFactors.logBf10, Kind::LogBayes, locale);
    return QStringLiteral(
               "t(%1) = %2, %3, M1 %4 M2 = %5, %6 %7, d = %8, %6 %9, BF\u2081\u2080 = %10")
        .arg(whole(r.pooled.df, locale), fixed(r.pooled.t, 2, locale),
             reportedP(r.pooled.pTwoTailed, locale), minus, fixed(r.difference, 2, locale), ci,
             reportedInterval(r.pooled.differenceCi, locale), fixed(r.cohensD, 2, locale),
             reportedInterval(r.cohensDCi, locale), bf10);
}

QString welchLine(const TwoSampleReport& r, const QLocale& locale) {
    return ReportText::tr("Welch's t(%1) = %2, %3, %4 %5")
        .arg(fixed(r.welch.df, 2, locale), fixed(r.welch.t, 2, locale),
             reportedP(r.welch.pTwoTailed, locale), ciName(r.level),
             reportedInterval(r.welch.differenceCi, locale));
}

// A spreadsheet cell: 15 significant digits, empty when undefined or absent.
QString exactText(const Figure<double>& value, const QLocale& locale) {
    return value ? number_text::fromDouble(*value, locale) : QString();
}

QString exactBound(const Cell& cell, bool upper, const QLocale& locale) {
    const auto* ci = std::get_if<Figure<Interval>>(&cell);
    if (!ci || !*ci) {
        return QString();
    }
    return number_text::fromDouble(upper ? (*ci)->upper : (*ci)->lower, locale);
}

// A Bayes factor whose quadrature did not settle, unlike one that is undefined.
bool notComputable(const Figure<double>& value, Kind kind) {
    return !value && kind == Kind::LogBayes && value.why() == Undefined::NotFound;
}

QString exactValue(const Cell& cell, Kind kind, const QLocale& locale) {
    const auto* value = std::get_if<Figure<double>>(&cell);
    if (value && notComputable(*value, kind)) {
        return notComputableText();
    }
    if (value && *value && kind == Kind::LogBayes) {
        const double factor = std::exp(**value);
        return std::isfinite(factor) && factor > 0
                   ? number_text::fromDouble(factor, locale)
                   : figure_text::bayesFactor(**value, exactDigits, locale);
    }
    return value ? exactText(*value, locale) : QString();
}

// Bayes factors in the table's own notation; the clipboard's table keeps to ASCII.
QString bayesName(const QString& name, bool ascii) {
    if (!ascii) {
        return name;
    }
    QString text = name;
    text.replace(QStringLiteral("\u2081"), QStringLiteral("1"))
        .replace(QStringLiteral("\u2080"), QStringLiteral("0"))
        .replace(QStringLiteral("\u208A"), QStringLiteral("+"))
        .replace(QStringLiteral("\u208B"), QStringLiteral("-"));
    return text;
}

QStringList tableLines(const TwoSampleReport& report, const QLocale& locale) {
    const QChar tab(u'\t');
    QStringList lines{
        QStringList{ReportText::tr("Figure"), studentHeader(), welchHeader()}.join(tab)};
    for (const Row& row : rows(report, locale)) {
        if (std::holds_alternative<Figure<Interval>>(row.student)) {
            for (const bool upper : {false, true}) {
                lines.append(QStringList{
                    (upper ? ReportText::tr("%1 upper") : ReportText::tr("%1 lower")).arg(row.name),
                    exactBound(row.student, upper, locale), exactBound(row.welch, upper, locale)}
                                 .join(tab));
            }
        } else {
            lines.append(QStringList{bayesName(row.name, row.kind == Kind::LogBayes),
                                     exactValue(row.student, row.kind, locale),
                                     exactValue(row.welch, row.welchKind(), locale)}
                             .join(tab));
        }
    }
    if (const QString means = wholeNumberMeansText(report); !means.isEmpty()) {
        lines.append(QStringList{wholeNumberMeansName(), means, QString()}.join(tab));
    }
    return lines;
}

// The one-sided Bayes factor in the direction of the observed difference.
Row oneSidedRow(const TwoSampleReport& r) {
    const bool m1Less = r.difference < 0;
    return {m1Less ? QStringLiteral("BF\u208B\u2080 (M1 < M2)")
                   : QStringLiteral("BF\u208A\u2080 (M1 > M2)"),
            Kind::LogBayes,
            m1Less ? r.bayesFactors.logBfMinus : r.bayesFactors.logBfPlus,
            {},
            ReportText::tr("Bayes factor of a difference in the observed direction against none, "
                           "with the same prior kept to that side")};
}

// The posterior of delta under the Bayes factor's prior: its median and credible interval.
std::vector<Row> posteriorRows(const TwoSampleReport& r) {
    const Figure<double> median =
        r.posterior ? Figure<double>(r.posterior->median) : Figure<double>(r.posterior.why());
    const Figure<Interval> credible =
        r.posterior ? Figure<Interval>(r.posterior->credible) : Figure<Interval>(r.posterior.why());
    return {
        {ReportText::tr("Median of \u03B4"),
         Kind::Plain,
         median,
         {},
         ReportText::tr("The posterior median of the standardized difference, under the Bayes "
                        "factor's prior")},
        {ReportText::tr("%1% CrI of \u03B4").arg(QString::number(r.level * 100, 'g', 6)),
         Kind::Plain,
         credible,
         {},
         ReportText::tr("The central posterior (credible) interval of the standardized "
                        "difference, under the Bayes factor's prior")},
    };
}

// BF10 at the other customary prior widths, and the largest over the range: how much the
// evidence depends on the width of the prior.
std::vector<Row> robustnessRows(const TwoSampleReport& r, const QLocale& locale) {
    const auto part = [&](Figure<double> BayesRobustness::*figure) {
        return r.robustness ? (*r.robustness).*figure : Figure<double>(r.robustness.why());
    };
    const auto scale = [&](double value) { return figure_text::decimals(value, 3, locale); };
    const auto atScale = [&](double value) {
        return QStringLiteral("BF\u2081\u2080 (r = %1)").arg(scale(value));
    };
    Figure<double> largest = Undefined::NotRequested;
    QString where = undefinedText();
    if (!r.robustness) {
        largest = r.robustness.why();
    } else if (!r.robustness->largest) {
        largest = r.robustness->largest.why();
    } else {
        largest = r.robustness->largest->logBf10;
        // Three digits that still show a peak at a small scale (r = 0.00165).
        where = figure_text::significant(r.robustness->largest->r, 3, locale);
    }
    const double upper = r.robustness ? r.robustness->upper : 1.5;
    return {
        {atScale(0.5),
         Kind::LogBayes,
         part(&BayesRobustness::logBfHalf),
         {},
         ReportText::tr("BF\u2081\u2080 with a narrower prior, of scale 0.5")},
        {atScale(widePriorScale),
         Kind::LogBayes,
         part(&BayesRobustness::logBfWide),
         {},
         ReportText::tr("BF\u2081\u2080 with the \u201Cwide\u201D prior, of scale 1")},
        {atScale(ultrawidePriorScale),
         Kind::LogBayes,
         part(&BayesRobustness::logBfUltrawide),
         {},
         ReportText::tr("BF\u2081\u2080 with the \u201Cultrawide\u201D prior, of scale "
                        "\u221A"
                        "2")},
        {ReportText::tr("max BF\u2081\u2080 (r = %1)").arg(where),
         Kind::LogBayes,
         largest,
         {},
         ReportText::tr("The largest BF\u2081\u2080 over prior scales up to %1, and the scale "
                        "where it lies")
             .arg(figure_text::decimals(upper, 1, locale))},
    };
}

} // namespace

std::vector<Row> rows(const TwoSampleReport& r, const QLocale& locale) {
    const QString ci = ciName(r.level);
    std::vector<Row> all{
        {QStringLiteral("t"), Kind::Plain, r.pooled.t, r.welch.t},
        {ReportText::tr("df"), Kind::Whole, r.pooled.df, r.welch.df},
        {ReportText::tr("p (two-tailed)"), Kind::P, r.pooled.pTwoTailed, r.welch.pTwoTailed},
        {QStringLiteral("p (M1 > M2)"), Kind::P, r.pooled.pM1Greater, r.welch.pM1Greater},
        {QStringLiteral("p (M1 < M2)"), Kind::P, r.pooled.pM1Less, r.welch.pM1Less},
        {QStringLiteral("M1 ") + minus + QStringLiteral(" M2"),
         Kind::Plain,
         Figure<double>(r.difference),
         {}},
        {ci, Kind::Plain, r.pooled.differenceCi, r.welch.differenceCi},
        {QStringLiteral("Cohen's d"), Kind::Plain, r.cohensD, {}},
        {ReportText::tr("%1 of d").arg(ci), Kind::Plain, r.cohensDCi, {}},
        {QStringLiteral("Hedges' g"), Kind::Plain, r.hedgesG, {}},
        {ReportText::tr("%1 of g").arg(ci), Kind::Plain, r.hedgesGCi, {}},
        {ReportText::tr("p range"), Kind::P, r.pRangePooled, r.pRangeWelch,
         ReportText::tr("The lowest and highest two-tailed p that the typed means and SDs allow, "
                        "given the digits they were rounded to")},
        {QStringLiteral("BF\u2081\u2080 (r = %1)")
             .arg(figure_text::decimals(r.priorScale, 3, locale)),
         Kind::LogBayes,
         r.bayesFactors.logBf10,
         {},
         ReportText::tr("Bayes factor of a difference against none, from Student's t: how many "
                        "times likelier the data are if the means differ (Cauchy prior of scale "
                        "r on the standardized difference)")},
        oneSidedRow(r),
    };
    for (std::vector<Row> more : {posteriorRows(r), robustnessRows(r, locale)}) {
        all.insert(all.end(), std::make_move_iterator(more.begin()),
                   std::make_move_iterator(more.end()));
    }
    return all;
}

QString studentHeader() {
    return ReportText::tr("Student (equal SDs)");
}

QString welchHeader() {
    return QStringLiteral("Welch");
}

QString undefinedText() {
    return QStringLiteral("\u2013");
}

QString notComputableText() {
    return ReportText::tr("not computable");
}

QString wholeNumberMeansName() {
    return ReportText::tr("Mean possible for whole-number data");
}

QString wholeNumberMeansDescription() {
    return ReportText::tr(
        "Whether each typed mean can be the mean of N whole numbers, such as "
        "answers on a rating scale: first set / second set (one item per observation assumed)");
}

QString wholeNumberMeansText(const TwoSampleReport& report) {
    if (!report.wholeNumberMean1 && !report.wholeNumberMean2) {
        return QString();
    }
    const auto word = [](const Figure<bool>& possible) {
        return possible ? (*possible ? ReportText::tr("yes") : ReportText::tr("no"))
                        : undefinedText();
    };
    return ReportText::tr("%1 / %2").arg(word(report.wholeNumberMean1),
                                         word(report.wholeNumberMean2));
}

QString cellText(const Cell& cell, Kind kind, const QLocale& locale) {
    if (const auto* value = std::get_if<Figure<double>>(&cell)) {
        if (notComputable(*value, kind)) {
            return notComputableText();
        }
        return *value ? numberText(**value, kind, locale) : undefinedText();
    }
    if (const auto* ci = std::get_if<Figure<Interval>>(&cell)) {
        if (!*ci) {
            return undefinedText();
        }
        return number_text::interval(numberText((*ci)->lower, kind, locale),
                                     numberText((*ci)->upper, kind, locale), locale);
    }
    return QString();
}

QString clipboardText(const TwoSampleReport& report, const QLocale& locale) {
    QStringList lines{studentLine(report, locale), welchLine(report, locale)};
    lines += tableLines(report, locale);
    return lines.join(u'\n') + u'\n';
}

} // namespace lx::report_text
