// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "verdict_look.h"

#include <QCoreApplication>

namespace lx::verdict_look {

namespace {

struct VerdictWords {
    Q_DECLARE_TR_FUNCTIONS(VerdictWords)
};

enum class Standing { Holds, OneTailedOnly, Fails, Unjudged };

Standing standingOf(const QString& verdict, bool holds) {
    if (holds) {
        return Standing::Holds;
    }
    if (verdict == QLatin1String("one_tailed_consistent") ||
        verdict == QLatin1String("two_tailed_p")) {
        return Standing::OneTailedOnly;
    }
    if (verdict == QLatin1String("not_computable") || verdict.isEmpty()) {
        return Standing::Unjudged;
    }
    return Standing::Fails;
}

// A colour as dark as needed to read on a light base, as light as needed on a dark one.
QColor onBase(QColor colour, const QPalette& palette) {
    return palette.color(QPalette::Base).lightness() < 128 ? colour.lighter(170) : colour;
}

} // namespace

QString words(const QString& verdict, bool holds) {
    if (verdict == QLatin1String("consistent")) {
        return VerdictWords::tr("consistent");
    }
    if (verdict == QLatin1String("consistent_by_rounding")) {
        return VerdictWords::tr("consistent only by rounding");
    }
    if (verdict == QLatin1String("one_tailed_consistent")) {
        return holds ? VerdictWords::tr("consistent, one-tailed as stated")
                     : VerdictWords::tr("consistent only one-tailed");
    }
    if (verdict == QLatin1String("two_tailed_p")) {
        return VerdictWords::tr("two-tailed p for a one-tailed test");
    }
    if (verdict == QLatin1String("inconsistent")) {
        return VerdictWords::tr("inconsistent");
    }
    if (verdict == QLatin1String("decision_error")) {
        return VerdictWords::tr("decision error");
    }
    if (verdict == QLatin1String("impossible")) {
        return VerdictWords::tr("impossible p");
    }
    if (verdict == QLatin1String("not_computable")) {
        return VerdictWords::tr("cannot be computed");
    }
    return verdict;
}

namespace {

QString explanationOf(const QString& verdict, bool holds) {
    if (verdict == QLatin1String("consistent")) {
        return VerdictWords::tr("The p fits the t and df as reported.");
    }
    if (verdict == QLatin1String("consistent_by_rounding")) {
        return VerdictWords::tr("The p fits only a t within the rounding of the reported one.");
    }
    if (verdict == QLatin1String("one_tailed_consistent")) {
        return holds ? VerdictWords::tr("The p fits a one-tailed test, which the text says it is.")
                     : VerdictWords::tr(
                           "The p fits only a one-tailed test, and the text does not say the "
                           "test was one-sided.");
    }
    if (verdict == QLatin1String("two_tailed_p")) {
        return VerdictWords::tr("The text calls the test one-tailed, but the p is the two-tailed "
                                "one; the one-tailed p is half of it.");
    }
    if (verdict == QLatin1String("inconsistent")) {
        return VerdictWords::tr("The p does not fit the t and df.");
    }
    if (verdict == QLatin1String("decision_error")) {
        return VerdictWords::tr(
            "The p does not fit the t and df, and the recomputed p lies on the other "
            "side of alpha: the significance verdict flips.");
    }
    if (verdict == QLatin1String("impossible")) {
        return VerdictWords::tr("No t test has this p: it is 0 or above 1.");
    }
    if (verdict == QLatin1String("not_computable")) {
        return VerdictWords::tr("No p can be worked out for this t and df.");
    }
    return {};
}

} // namespace

QString explanation(const QString& verdict, bool holds, const QString& rounding) {
    if (rounding == QLatin1String("truncation")) {
        return explanationOf(verdict, holds) + QLatin1Char(' ') +
               VerdictWords::tr("It would fit if the p was cut off after its last digit instead "
                                "of rounded.");
    }
    return explanationOf(verdict, holds);
}

QColor colour(const QString& verdict, bool holds, const QPalette& palette) {
    switch (standingOf(verdict, holds)) {
    case Standing::Holds:
        return onBase(QColor(0x1a, 0x6e, 0x1a), palette);
    case Standing::OneTailedOnly:
        return onBase(QColor(0x9a, 0x5b, 0x00), palette);
    case Standing::Fails:
        return onBase(QColor(0xb0, 0x1c, 0x1c), palette);
    case Standing::Unjudged:
        break;
    }
    return palette.color(QPalette::Text);
}

} // namespace lx::verdict_look
