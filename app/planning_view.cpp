// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "planning_view.h"

#include "controls/button/lx_button.h"
#include "controls/panel/lx_panel.h"
#include "pane_caption.h"
#include "plan_text.h"
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

#include <algorithm>

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
    showCalculation(calculation.summary(),
                    calculation.report(LastCalculation::Parts::Tests).cohensD);
}

void PlanningView::showCalculation(const Summary& summary, const Figure<double>& observedD) {
    m_summary = summary;
    m_observedD = observedD;
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
    m_summary.reset();
    m_observedD = Undefined::NotRequested;
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
    return plan_text::sentence(m_plan->size, m_plan->d, m_plan->power, m_plan->test, QLocale());
}

// The locale's number, or the C locale's: ".05" and "0.05" mean the same everywhere.
std::optional<double> PlanningView::typedNumber(const QString& text) const {
    bool ok = false;
    const double value = QLocale().toDouble(text.trimmed(), &ok);
    if (ok) {
        return value;
    }
    const double plain = QLocale::c().toDouble(text.trimmed(), &ok);
    return ok ? std::optional<double>(plain) : std::nullopt;
}

power::Planned<double> PlanningView::chosenEffect() const {
    switch (cboEffect->currentIndex()) {
    case TypedEffect: {
        const auto d = typedNumber(txtEffect->text());
        return d ? power::Planned<double>(*d) : power::Problem::EffectNotFinite;
    }
    case SafeguardEffect:
        if (!m_summary || !m_observedD) {
            return power::Problem::EffectNotFinite;
        }
        return power::safeguardD(*m_observedD, m_summary->n1, m_summary->n2);
    default:
        if (!m_observedD) {
            return power::Problem::EffectNotFinite;
        }
        return *m_observedD;
    }
}

std::optional<double> PlanningView::chosenRatio() const {
    if (cboRatio->currentIndex() == TypedRatio &&
        cboRatio->currentText() == cboRatio->itemText(1)) {
        if (!m_summary) {
            return std::nullopt;
        }
        return static_cast<double>(m_summary->n2) / m_summary->n1;
    }
    return typedNumber(cboRatio->currentText());
}

void PlanningView::plan() {
    m_plan.reset();
    const QLocale locale;
    const auto alpha = typedNumber(cboAlpha->currentText());
    const auto target = typedNumber(cboPower->currentText());
    power::TestDesign test;
    test.alpha = alpha.value_or(-1);
    test.tails = cboTails->currentIndex() == OneTail ? power::Tails::One : power::Tails::Two;
    const double targetPower = target.value_or(-1);
    const auto ratio = chosenRatio();
    const power::Planned<double> d = chosenEffect();
    if (!d && d.why() == power::Problem::EffectNotFinite) {
        lblSample->setText(cboEffect->currentIndex() == TypedEffect
                               ? tr("Type the d to plan for, such as the smallest effect of "
                                    "interest.")
                               : tr("Calculate first, or plan for a typed d."));
    } else if (!d) {
        lblSample->setText(power::problemText(d.why()));
    } else if (!ratio) {
        lblSample->setText(m_summary ? tr("Type n2/n1 as a number above 0.")
                                     : tr("Calculate first, or type n2/n1."));
    } else {
        const auto size = power::studentSampleSize(*d, targetPower, *ratio, test);
        if (size) {
            m_plan = Plan{*d, targetPower, test, *size, *ratio};
            lblSample->setText(plan_text::sampleLine(*size, *d, locale));
        } else {
            lblSample->setText(power::problemText(size.why()));
        }
    }
    showSensitivity(targetPower, test);
    updateCopy();
    emit planChanged();
}

std::optional<PowerPlan> PlanningView::shownPlan() const {
    if (!m_plan) {
        return std::nullopt;
    }
    return PowerPlan{m_plan->d, m_plan->power, m_plan->test, m_plan->ratio, m_plan->size.n1};
}

void PlanningView::showSensitivity(double targetPower, const power::TestDesign& test) {
    if (!m_summary) {
        lblSensitivity->setText(tr("Calculate to see what N1 and N2 can detect."));
        return;
    }
    const auto sensitivity = power::sensitivityD(m_summary->n1, m_summary->n2, targetPower, test);
    const auto critical = power::criticalD(m_summary->n1, m_summary->n2, test);
    if (!sensitivity || !critical) {
        lblSensitivity->setText(
            power::problemText(!sensitivity ? sensitivity.why() : critical.why()));
        return;
    }
    lblSensitivity->setText(plan_text::sensitivityLine(m_summary->n1, m_summary->n2, targetPower,
                                                       *sensitivity, *critical, QLocale()));
}

void PlanningView::updateCopy() {
    pane_caption::setButtonEnabled(*cmdCopyPlan, m_plan && !isStale());
}

} // namespace lx
