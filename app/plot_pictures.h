// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "planning/plan.h"
#include "plots/picture_file.h"
#include "plots/plot_style.h"

#include <QString>

#include <array>
#include <optional>

namespace lx {
struct Summary;
struct TwoSampleReport;
} // namespace lx

// The pictures the calculator's Plot pane offers, each made from a calculation: how it is
// painted, and the same numbers in words for a screen reader.
namespace lx::plot_pictures {

enum class Kind { Difference, Posterior, Robustness, PowerCurve };
inline constexpr std::array<Kind, 4> all = {Kind::Difference, Kind::Posterior, Kind::Robustness,
                                            Kind::PowerCurve};

QString name(Kind kind);
// Whether the picture draws the posterior of delta or the Bayes factor's robustness, which a
// report has only when asked for.
constexpr bool needsBayesDetails(Kind kind) {
    return kind == Kind::Posterior || kind == Kind::Robustness;
}
// How the choice is remembered; a key from another version reads as nothing.
QString key(Kind kind);
std::optional<Kind> fromKey(const QString& key);

struct Picture {
    plots::PaintRoutine paint;
    QString description; // its numbers, as a sentence
};

// The picture of a report (holding the posterior and robustness figures where the kind
// needsBayesDetails), or nothing with the reason in why where the calculation has none (no
// spread, too few observations).
std::optional<Picture> make(Kind kind, const Summary& summary, const TwoSampleReport& report,
                            const plots::PlotStyle& style, QString& why);

// The power curve of the planning view's plan, or nothing with the reason in why.
std::optional<Picture> powerCurve(const std::optional<planning::Plan>& plan,
                                  const plots::PlotStyle& style, QString& why);

} // namespace lx::plot_pictures
