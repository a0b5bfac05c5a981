// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "planning_view.h"

#include "controls/button/lx_button.h"
#include "controls/panel/lx_panel.h"
#include "pane_caption.h"
#include "planning/plan_reasons.h"
#include "planning/plan_text.h"
#include "platform/ole_color.h"
#include "platform/twips.h"
#include "select_all_on_focus.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QEvent>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QTimer>

#include <cmath>
#include <limits>

namespace lx {

namespace {

constexpr double alphas[] = {0.05, 0.01, 0.005};
constexpr double powers[] = {0.80, 0.90, 0.95};
enum EffectChoice { ObservedEffect = 0, SafeguardEffect = 1, TypedEffect = 2 };
enum TailsChoice { TwoTails = 0, OneTail = 1 };
enum RatioChoice { EqualGroups = 0, TypedRatio = 1 };

QComboBox* newCombo(const char* name, const QString& accessibleName, bool editable,
                    const QStringList& items, QWidget* parent) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QString::fromLatin1(name));
    combo->setAccessibleName(accessibleName);
    combo->setEditable(editable);
    combo->addItems(items);
    if (editable) {
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->lineEdit()->setAccessibleName(accessibleName);
    }
    return combo;
}

QLabel* newResultLine(const char* name, const QString& accessibleName, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setAccessibleName(accessibleName);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // Two lines always, so the window keeps its size whatever the plan says.
    label->setFixedHeight(2 * label->fontMetrics().lineSpacing() + 2);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

} // namespace

PlanningView::PlanningView(float clientWidth, const QFont& font, QWidget* parent)
    : Pane(parent) {
    setObjectName(QStringLiteral("PlanningView"));
    setFont(font);
    const QLocale locale;
    const int width = twips::toPixels(QRectF(0, 0, clientWidth, pane_caption::Height)).width();
    const int captionLine = twips::toPixels(pane_caption::Height);
    const int margin = twips::toPixels(pane_caption::Margin);

    panPlanning = pane_caption::newPanel(QStringLiteral("panPlanning"), tr("Planning"), font, this);
    cmdCopyPlan = pane_caption::newCopyButton(QStringLiteral("cmdCopyPlan"), tr("Copy"),
                                              tr("Copy the plan as a sentence (Ctrl+Shift+C)"),
                                              font, panPlanning);
    connect(cmdCopyPlan, &LxButton::Click, this, &PlanningView::copyClicked);

    QStringList alphaItems;
    for (const double alpha : alphas) {
        alphaItems.append(plan_text::level(alpha, locale));
    }
    QStringList powerItems;
    for (const double power : powers) {
        powerItems.append(locale.toString(power, 'f', 2));
    }
    cboAlpha = newCombo("cboAlpha", tr("Significance level α"), true, alphaItems, this);
    cboPower = newCombo("cboPower", tr("Target power"), true, powerItems, this);
    cboTails = newCombo("cboTails", tr("Tails"), false, {tr("two-tailed"), tr("one-tailed")}, this);
    cboRatio =
        newCombo("cboRatio", tr("Ratio n2/n1"), true, {QStringLiteral("1"), tr("N2/N1")}, this);
    cboEffect = newCombo("cboEffect", tr("Effect to plan for"), false,
                         {tr("observed d"), tr("safeguard d"), tr("typed d")}, this);
    cboEffect->setToolTip(tr("Safeguard d: the end of the observed d's 60% interval nearer 0, "
                             "which allows for an overstated effect"));
    txtEffect = new QLineEdit(this);
    txtEffect->setObjectName(QStringLiteral("txtEffect"));
    txtEffect->setAccessibleName(tr("Typed d"));
    txtEffect->setPlaceholderText(tr("smallest of interest"));
    lblSample = newResultLine("lblSample", tr("Planned sample"), this);
    lblSensitivity = newResultLine("lblSensitivity", tr("What N1 and N2 can detect"), this);

    auto* grid = new QGridLayout;
    grid->setContentsMargins(margin, captionLine + margin / 2, margin, margin);
    grid->setHorizontalSpacing(margin);
    grid->setVerticalSpacing(margin / 2);
    const auto addPair = [&](int row, int column, const QString& text, QWidget* field) {
        auto* label = new QLabel(text, this);
        label->setBuddy(field);
        grid->addWidget(label, row, column);
        grid->addWidget(field, row, column + 1);
    };
    addPair(0, 0, tr("α"), cboAlpha);
    addPair(0, 2, tr("Power"), cboPower);
    addPair(1, 0, tr("Tails"), cboTails);
    addPair(1, 2, tr("n2/n1"), cboRatio);
    addPair(2, 0, tr("Effect"), cboEffect);
    addPair(2, 2, tr("d"), txtEffect);
    grid->addWidget(lblSample, 3, 0, 1, 4);
    grid->addWidget(lblSensitivity, 4, 0, 1, 4);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    setLayout(grid);
    grid->activate();
    setFixedSize(width, grid->sizeHint().height());

    // A typed value is replaced, not added to, when Tab brings the focus to its box, as in the
    // calculator's input boxes.
    auto* selectAll = new SelectAllOnFocus(this);
    for (QLineEdit* box :
         {cboAlpha->lineEdit(), cboPower->lineEdit(), cboRatio->lineEdit(), txtEffect}) {
        selectAll->watch(*box);
    }
    setFigureWidgets({lblSample, lblSensitivity});
    for (QComboBox* combo : {cboAlpha, cboPower, cboTails, cboRatio, cboEffect}) {
        connect(combo, &QComboBox::currentTextChanged, this, &PlanningView::plan);
    }
    connect(txtEffect, &QLineEdit::textEdited, this, [this] {
        cboEffect->setCurrentIndex(TypedEffect); // typing a d means planning for it
        plan();
    });
    cboPower->setCurrentIndex(0);
    plan();
}

QWidget& PlanningView::firstControl() const {
    return *cboAlpha;
}

void PlanningView::placeInTabOrderAfter(QWidget& before) {
    QWidget* previous = &before;
    for (QWidget* next : std::initializer_list<QWidget*>{
             cboAlpha, cboPower, cboTails, cboRatio, cboEffect, txtEffect,
             cmdCopyPlan->findChild<QWidget*>(QStringLiteral("picButton"))}) {
        QWidget::setTabOrder(previous, next);
        previous = next;
    }
}

window_layout::PaneSpace PlanningView::space() const {
    window_layout::PaneSpace space;
    space.sizeFor = [this](const QSize&) { return size(); };
    return space;
}

void PlanningView::showCalculation(LastCalculation& calculation) {
    const Summary& summary = calculation.summary();
    showCalculation(planning::StudyInHand{
        summary.n1, summary.n2, calculation.report(LastCalculation::Parts::Tests).cohensD});
}

void PlanningView::showCalculation(const planning::StudyInHand& study) {
    m_study = study;
    setStale(false);
    plan();
}

void PlanningView::copy() {
    const QString text = sentence();
    if (!text.isEmpty()) {
        QGuiApplication::clipboard()->setText(text);
    }
}

bool PlanningView::copyOnKey() {
    copy();
    return true;
}

void PlanningView::clear() {
    m_study.reset();
    setStale(false);
    plan();
}

void PlanningView::staleChanged(bool /*stale*/) {
    updateCopy();
}

QString PlanningView::sentence() const {
    if (!m_plan || isStale()) {
        return {};
    }
    return plan_text::sentence(*m_plan->sample, *m_plan->d, m_plan->settings.power,
                               m_plan->settings.test, QLocale());
}

// The locale's number, or the C locale's: ".05" and "0.05" mean the same everywhere. NaN when
// the text is no number.
double PlanningView::typedNumber(const QString& text) const {
    bool ok = false;
    const double value = QLocale().toDouble(text.trimmed(), &ok);
    if (ok) {
        return value;
    }
    const double plain = QLocale::c().toDouble(text.trimmed(), &ok);
    return ok ? plain : std::numeric_limits<double>::quiet_NaN();
}

planning::PlanSettings PlanningView::settings() const {
    using Effect = planning::PlanSettings::Effect;
    planning::PlanSettings settings;
    // An alpha or a power that is no number is out of range, and the plan says so.
    const double alpha = typedNumber(cboAlpha->currentText());
    const double power = typedNumber(cboPower->currentText());
    settings.test.alpha = std::isnan(alpha) ? -1 : alpha;
    settings.power = std::isnan(power) ? -1 : power;
    settings.test.tails =
        cboTails->currentIndex() == OneTail ? power::Tails::One : power::Tails::Two;
    settings.observedRatio = cboRatio->currentIndex() == TypedRatio &&
                             cboRatio->currentText() == cboRatio->itemText(TypedRatio);
    settings.ratio = typedNumber(cboRatio->currentText());
    switch (cboEffect->currentIndex()) {
    case TypedEffect:
        settings.effect = Effect::Typed;
        settings.d = typedNumber(txtEffect->text());
        break;
    case SafeguardEffect:
        settings.effect = Effect::Safeguard;
        break;
    default:
        settings.effect = Effect::Observed;
    }
    return settings;
}

void PlanningView::plan() {
    planning::PlanNeeds needs;
    needs.safeguard = false; // the safeguard shows only as the effect planned for
    const planning::Plan plan = planning::decidePlan(m_study, settings(), needs);
    const QLocale locale;
    lblSample->setText(plan.sample ? plan_text::sampleLine(*plan.sample, *plan.d, locale)
                                   : planning::reasonText(plan.sample.why()));
    if (plan.sensitivity && plan.critical) {
        lblSensitivity->setText(plan_text::sensitivityLine(m_study->n1, m_study->n2,
                                                           plan.settings.power, *plan.sensitivity,
                                                           *plan.critical, locale));
    } else {
        lblSensitivity->setText(
            planning::reasonText(!plan.sensitivity ? plan.sensitivity.why() : plan.critical.why()));
    }
    m_plan.reset();
    if (plan.sample) {
        m_plan = plan;
    }
    updateCopy();
    emit planChanged();
}

std::optional<planning::Plan> PlanningView::shownPlan() const {
    return m_plan;
}

void PlanningView::updateCopy() {
    pane_caption::setButtonEnabled(*cmdCopyPlan, m_plan && !isStale());
}

} // namespace lx
