// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "last_calculation.h"
#include "pane.h"

#include "planning/plan.h"
#include "stats/figure.h"
#include "stats/power.h"
#include "stats/summary_input.h"

#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;

namespace lx {

class LxButton;
class LxPanel;

// The planning area under the calculator (and its details): the test to plan (alpha, target
// power, tails, n2/n1) and the effect to plan for (the observed d, its safeguard d or a typed
// one), then the sample that reaches the power and what the calculated Ns can detect. It plans
// as soon as any of its inputs changes, and again with each calculation.
class PlanningView : public Pane {
    Q_OBJECT
public:
    // Lays itself out for the form's client width and font.
    PlanningView(float clientWidth, const QFont& font, QWidget* parent);

    window_layout::PaneSpace space() const override;
    // The calculation the plan follows: its Ns and its observed d (undefined without a spread);
    // it asks for nothing costly.
    void showCalculation(LastCalculation& calculation) override;
    void showCalculation(const planning::StudyInHand& study);
    void clear() override;
    bool followsWhileHidden() const override { return true; }
    // Its sentence, by its Copy button or Ctrl+Shift+C while the keyboard is in it.
    void copy() override;
    bool copyOnKey() override;
    QWidget* focusOnShow() const override { return &firstControl(); }
    bool keepsFocusOnCalculate() const override { return true; }

    // The sentence the copy command puts on the clipboard; empty while there is no plan or it
    // is out of date.
    QString sentence() const;

    QWidget& firstControl() const;

    // The sample it plans, if any, for the power curve.
    std::optional<planning::Plan> shownPlan() const;
    // Its controls in the order Tab takes them, after `before`.
    void placeInTabOrderAfter(QWidget& before) override;

signals:
    // After every new plan, or its absence.
    void planChanged();

protected:
    void staleChanged(bool stale) override;

private:
    void plan();
    double typedNumber(const QString& text) const;
    planning::PlanSettings settings() const;
    void updateCopy();

    LxPanel* panPlanning;
    LxButton* cmdCopyPlan;
    QComboBox* cboAlpha;
    QComboBox* cboPower;
    QComboBox* cboTails;
    QComboBox* cboRatio;
    QComboBox* cboEffect;
    QLineEdit* txtEffect;
    QLabel* lblSample;
    QLabel* lblSensitivity;

    std::optional<planning::StudyInHand> m_study;
    std::optional<planning::Plan> m_plan; // while it plans a sample
};

} // namespace lx
