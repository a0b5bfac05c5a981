// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "plan.h"

#include <cmath>

namespace lx::planning {

namespace {

template <typename T> Decided<T> decided(const power::Planned<T>& planned) {
    if (!planned) {
        return Reason{planned.why()};
    }
    return *planned;
}

Decided<double> finite(const power::Planned<double>& planned) {
    if (planned && !std::isfinite(*planned)) {
        return Reason{power::Problem::NotFound};
    }
    return decided(planned);
}

Decided<double> safeguardOf(const std::optional<StudyInHand>& study) {
    if (!study) {
        return Reason{Missing::NoStudyD};
    }
    if (!study->d) {
        return Reason{Missing::UndefinedStudyD};
    }
    return finite(power::safeguardD(*study->d, study->n1, study->n2));
}

Decided<double> effectOf(const std::optional<StudyInHand>& study, const PlanSettings& settings) {
    switch (settings.effect) {
    case PlanSettings::Effect::Typed:
        if (std::isnan(settings.d)) {
            return Reason{Missing::TypedDNotNumber};
        }
        return settings.d;
    case PlanSettings::Effect::Safeguard:
        return safeguardOf(study);
    case PlanSettings::Effect::Observed:
        break;
    }
    if (!study) {
        return Reason{Missing::NoStudyD};
    }
    if (!study->d) {
        return Reason{Missing::UndefinedStudyD};
    }
    return *study->d;
}

Decided<double> ratioOf(const std::optional<StudyInHand>& study, const PlanSettings& settings) {
    if (settings.observedRatio) {
        if (!study) {
            return Reason{Missing::NoStudyRatio};
        }
        return static_cast<double>(study->n2) / study->n1;
    }
    if (std::isnan(settings.ratio)) {
        return Reason{Missing::TypedRatioNotNumber};
    }
    return settings.ratio;
}

} // namespace

Plan decidePlan(const std::optional<StudyInHand>& study, const PlanSettings& settings,
                const PlanNeeds& needs) {
    Plan plan;
    plan.settings = settings;
    if (needs.sample) {
        plan.d = effectOf(study, settings);
        plan.ratio = ratioOf(study, settings);
        if (!plan.d) {
            plan.sample = plan.d.why();
        } else if (!plan.ratio) {
            plan.sample = plan.ratio.why();
        } else {
            plan.sample = decided(
                power::studentSampleSize(*plan.d, settings.power, *plan.ratio, settings.test));
        }
    }
    if (needs.safeguard) {
        plan.safeguard = safeguardOf(study);
    }
    const Decided<double> noSample = Reason{Missing::NoStudySample};
    if (needs.sensitivity) {
        plan.sensitivity =
            study ? finite(power::sensitivityD(study->n1, study->n2, settings.power, settings.test))
                  : noSample;
    }
    if (needs.critical) {
        plan.critical =
            study ? finite(power::criticalD(study->n1, study->n2, settings.test)) : noSample;
    }
    return plan;
}

} // namespace lx::planning
