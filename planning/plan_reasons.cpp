// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "plan_reasons.h"

#include <QCoreApplication>

namespace lx::planning {

namespace {

struct PlanText {
    Q_DECLARE_TR_FUNCTIONS(PlanText)
};

QString missingText(Missing missing) {
    switch (missing) {
    case Missing::NotRequested:
        return {};
    case Missing::NoStudyD:
        return PlanText::tr("Calculate first, or plan for a typed d.");
    case Missing::NoStudyRatio:
        return PlanText::tr("Calculate first, or type n2/n1.");
    case Missing::NoStudySample:
        return PlanText::tr("Calculate to see what N1 and N2 can detect.");
    case Missing::UndefinedStudyD:
        return PlanText::tr("d is undefined: the pooled SD is 0");
    case Missing::TypedDNotNumber:
        return PlanText::tr("Type the d to plan for, such as the smallest effect of interest.");
    case Missing::TypedRatioNotNumber:
        return PlanText::tr("Type n2/n1 as a number above 0.");
    }
    return {};
}

} // namespace

QString problemText(power::Problem problem) {
    using power::Problem;
    switch (problem) {
    case Problem::AlphaOutOfRange:
        return PlanText::tr("α must lie between 0 and 1.");
    case Problem::PowerOutOfRange:
        return PlanText::tr("The target power must be above α and below 1.");
    case Problem::NoEffect:
        return PlanText::tr("no sample size gives power above α for d = 0");
    case Problem::EffectNotFinite:
        return PlanText::tr("The effect to plan for is not a number.");
    case Problem::RatioNotPositive:
        return PlanText::tr("The ratio n2/n1 must be above 0.");
    case Problem::SdNotPositive:
        return PlanText::tr("The planned SDs must be above 0.");
    case Problem::TooFewObservations:
        return PlanText::tr("Power needs at least one observation in each group and three in all.");
    case Problem::TooLarge:
        return PlanText::tr("No sample of fewer than 2³¹ per group reaches that power.");
    case Problem::SafeguardNotPositive:
        return PlanText::tr("The safeguard d is not above 0 (the 60% interval of d reaches 0), so "
                            "no sample size is planned for it.");
    case Problem::NotFound:
        return PlanText::tr("The power of these figures could not be worked out.");
    }
    return {};
}

QString reasonText(const Reason& reason) {
    if (const auto* missing = std::get_if<Missing>(&reason)) {
        return missingText(*missing);
    }
    return problemText(std::get<power::Problem>(reason));
}

} // namespace lx::planning
