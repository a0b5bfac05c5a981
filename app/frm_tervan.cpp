// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "frm_tervan.h"

#include "calculation.h"
#include "controls/button/lx_button.h"
#include "controls/window/lx_form_pos.h"
#include "controls/window/lx_on_top.h"
#include "details_view.h"
#include "form_loader.h"
#include "paste_into_set.h"
#include "planning_view.h"
#include "platform/core/runtime_error.h"
#include "platform/error_guard.h"
#include "platform/key_codes.h"
#include "platform/settings_store.h"
#include "plot_view.h"
#include "result_box.h"
#include "select_all_on_focus.h"
#include "stale_look.h"
#include "text_check_window.h"

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QScreen>
#include <algorithm>

// The pictures and the form file live in this static library's resources,
// which the linker keeps only when something refers to them.
static void initAppResources() {
    Q_INIT_RESOURCE(app);
}

namespace lx {

namespace {

// Object names of the boxes, in the order of Box.
constexpr std::array<const char*, 9> boxNames = {
    "txtN1", "txtM1", "txtSD1", "txtN2", "txtM2", "txtSD2", "txtFreedom", "txtStudent", "txtP"};
constexpr int inputBoxCount = 6;

void SelectAllText(QLineEdit& box) {
    box.setSelection(0, static_cast<int>(box.text().size()));
}

enum Action { CalculateAction = 0, ClearAllAction = 1, OnTopAction = 2, ExitAction = 3 };

FormNode readFormFile() {
    initAppResources();
    QFile file(QStringLiteral(":/forms/frmTervan.frm"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        throw RuntimeError(ErrorNumber::InvalidArgument, "the calculator's form file is missing");
    }
    return parseFormFile(QString::fromUtf8(file.readAll()));
}

template <typename T> T& namedChild(const QObject& parent, const QString& name) {
    T* found = parent.findChild<T*>(name);
    if (!found) {
        throw RuntimeError(ErrorNumber::InvalidArgument,
                           QStringLiteral("the form file has no %1").arg(name).toStdString());
    }
    return *found;
}

} // namespace

FrmTervan::FrmTervan(SettingsStore* settings, QWidget* parent)
    : Form(parent)
    , m_ownMessageBox(std::make_unique<QtMessageBox>(this))
    , m_messageBox(m_ownMessageBox.get())
    , m_settings(settings) {
    loadForm(*this, readFormFile());
    if (!m_settings) {
        m_ownSettings = std::make_unique<SettingsStore>();
        m_settings = m_ownSettings.get();
    }
    // The window memory first reads its store at Load, after this.
    namedChild<LxFormPos>(*this, QStringLiteral("LxFormPos1")).setSettingsStore(*m_settings);
    m_windowSettings = std::make_unique<WindowSettings>(*m_settings, Name());

    for (std::size_t i = 0; i < boxNames.size(); ++i) {
        m_boxes[i] = &namedChild<QLineEdit>(*this, QString::fromLatin1(boxNames[i]));
    }
    for (int index = 0; index < static_cast<int>(m_cmdAction.size()); ++index) {
        m_cmdAction[index] =
            &namedChild<LxButton>(*this, QStringLiteral("cmdAction_%1").arg(index));
        connect(m_cmdAction[index], &LxButton::Click, this,
                [this, index] { guarded([&] { cmdAction_Click(index); }); });
    }
    m_lxpOnTop = &namedChild<LxOnTop>(*this, QStringLiteral("lxpOnTop"));
    m_results = {new ResultBox(box(Box::Freedom), tr("degrees of freedom")),
                 new ResultBox(box(Box::Student)), new ResultBox(box(Box::P))};

    m_designSize = size();
    m_panes = new PaneHost(*this, *m_windowSettings, m_calculated, box(Box::N1), paneRows());
    connect(m_panes, &PaneHost::layoutChanged, this, [this] { fitWindow(); });
    connect(m_panes, &PaneHost::paneMade, this, [this](Pane*) { linkPlanToPicture(); });
    connect(&m_calculated, &LastCalculation::staleChanged, this, [this](bool stale) {
        for (const Box result : {Box::Freedom, Box::Student, Box::P}) {
            stale_look::apply(box(result), stale);
        }
    });
    m_panes->restore();

    auto* gotFocus = new SelectAllOnFocus(this);
    std::array<QLineEdit*, inputBoxCount> inputs{};
    std::copy_n(m_boxes.begin(), inputBoxCount, inputs.begin());
    for (QLineEdit* input : inputs) {
        gotFocus->watch(*input);
    }
    m_paste = new PasteIntoSet(*this, inputs, this);
    for (QLineEdit* input : inputs) {
        // Typing, a paste, an undo: whatever changes an input outdates the results.
        connect(input, &QLineEdit::textChanged, this, [this] {
            if (!m_calculated.isStale() && hasResults()) {
                m_calculated.setStale(true);
            }
        });
    }
    connect(this, &Form::KeyDown, this, &FrmTervan::Form_KeyDown);
    addCommands();
    box(Box::N1).setFocus();
}

// The views that the menu strip's switches show, in the order they are laid out.
std::vector<PaneRow> FrmTervan::paneRows() {
    const QFont form = font();
    const float width = ScaleWidth();
    const int top = m_designSize.height();
    return {
        {QStringLiteral("cmdDetails"), QKeySequence(Qt::Key_F6), QStringLiteral("Details"),
         [this, form, width, top](QWidget& window) -> Pane* {
             return new DetailsView(width, top, form, m_calculated, &window);
         }},
        {QStringLiteral("cmdPlanning"), QKeySequence(Qt::Key_F7), QStringLiteral("Planning"),
         [form, width](QWidget& window) -> Pane* {
             return new PlanningView(width, form, &window);
         }},
        {QStringLiteral("cmdPlot"), QKeySequence(Qt::Key_F8), QStringLiteral("Plot"),
         [this, form](QWidget& window) -> Pane* {
             auto* plot = new PlotView(form, m_calculated, *m_windowSettings, &window);
             connect(plot, &PlotView::failed, this,
                     [this](const QString& message, const QString& title) {
                         showMessage(message, title, MessageBox::Icon::Exclamation);
                     });
             return plot;
         }},
    };
}

// The commands of the window beyond its buttons and its panes' switches.
void FrmTervan::addCommands() {
    const auto add = [this](const char* name, const QString& text, const QKeySequence& key,
                            void (FrmTervan::*command)()) {
        auto* action = new QAction(text, this);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(key);
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this,
                [this, command] { guarded([this, command] { (this->*command)(); }); });
        addAction(action);
        return action;
    };
    QAction* checkText =
        add("actCheckText", tr("Check text…"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_K),
            &FrmTervan::openTextCheck);
    add("actCopy", tr("Copy"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C),
        &FrmTervan::copyFromFocus);
    add("actCopyPicture", tr("Copy picture"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P),
        &FrmTervan::copyPicture);
    // The context menu offers "Check text…"; the other commands are keys and buttons.
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this, [this, checkText](QPoint at) {
        QMenu menu(this);
        menu.addAction(checkText);
        menu.exec(mapToGlobal(at));
    });
}

// The planning view's plan is what the power curve draws, once both are made.
void FrmTervan::linkPlanToPicture() {
    auto* planning = static_cast<PlanningView*>(m_panes->made(QStringLiteral("Planning")));
    auto* plot = static_cast<PlotView*>(m_panes->made(QStringLiteral("Plot")));
    if (!planning || !plot || m_planLinked) {
        return;
    }
    m_planLinked = true;
    connect(planning, &PlanningView::planChanged, plot,
            [planning, plot] { plot->setPlan(planning->shownPlan()); });
    plot->setPlan(planning->shownPlan());
}

FrmTervan::~FrmTervan() = default;

// A result box may show a shorter form of its number; its full text is the result.
QString FrmTervan::boxText(Box which) const {
    const auto index = static_cast<std::size_t>(which);
    return index >= inputBoxCount ? m_results[index - inputBoxCount]->fullText()
                                  : box(which).text();
}

void FrmTervan::setBoxText(Box which, const QString& text) {
    box(which).setText(text);
}

void FrmTervan::showMessage(const QString& text, const QString& title, MessageBox::Icon icon) {
    m_messageBox->show(text, title, icon);
}

void FrmTervan::focusBox(Box which) {
    QLineEdit& target = box(which);
    target.setFocus(Qt::OtherFocusReason);
    // Already focused boxes get no focus-in, but must end up selected too.
    SelectAllText(target);
}

void FrmTervan::showReport(const Summary& summary, const ReportRequest& request) {
    ++m_reportsShown;
    m_calculated.set(summary, request);
}

bool FrmTervan::hasResults() const {
    return m_calculated.has() || !boxText(Box::Freedom).isEmpty() ||
           !boxText(Box::Student).isEmpty() || !boxText(Box::P).isEmpty();
}

// A summary a paste computed from raw values is exact, not rounded by the user.
bool FrmTervan::boxTextIsExact(Box which) const {
    return m_paste->isComputed(which);
}

void FrmTervan::cmdAction_Click(int Index) {
    switch (Index) {
    case CalculateAction:
        // Until this calculation succeeds: a failed one leaves nothing that looks current.
        if (hasResults()) {
            m_calculated.setStale(true);
        }
        lx::Calculate(*this);
        break;
    case ClearAllAction:
        ClearAll();
        break;
    case OnTopAction:
        m_lxpOnTop->setOnTop(cmdAction(OnTopAction).Value());
        break;
    case ExitAction:
        Form::EndProgram();
        break;
    default:
        break;
    }
}

void FrmTervan::Form_KeyDown(int& KeyCode, int Shift) {
    if (KeyCode >= '0' && KeyCode <= '9') {
        return;
    }
    Pane* pane = m_panes->paneWithFocus();
    if (KeyCode == key_codes::F5) {
        // F5 in the planning view replans there: the focus stays where the user was typing.
        const QPointer<QWidget> paneFocus =
            pane && pane->keepsFocusOnCalculate() ? focusWidget() : nullptr;
        const int reports = m_reportsShown;
        cmdAction(CalculateAction).AutoClick();
        if (paneFocus && m_reportsShown != reports) {
            paneFocus->setFocus(Qt::OtherFocusReason);
        }
    } else if (KeyCode == key_codes::Escape) {
        cmdAction(ClearAllAction).AutoClick();
    } else if (pane && pane->takesItsOwnKeys()) {
        return; // the panes' lists and boxes take their keys as Qt's own do
    } else {
        if (KeyCode == 'Z' && Shift == key_codes::CtrlMask) {
            undoPaste();
        }
        KeyCode = 0;
    }
}

// Ctrl+Z right after raw values filled a set puts the set back as it was.
void FrmTervan::undoPaste() {
    // The window's own focus child: the window need not be active to get keys.
    if (const auto focused = m_paste->inputBox(focusWidget())) {
        m_paste->undo(*focused);
    }
}

void FrmTervan::ClearAll() {
    for (QWidget* control : Controls()) {
        if (auto* textBox = qobject_cast<QLineEdit*>(control)) {
            textBox->setText(QString());
        }
    }
    m_calculated.clear();
}

// Ctrl+Shift+P: the picture as it shows, or as it would, for pasting into a document.
void FrmTervan::copyPicture() {
    m_panes->pane(QStringLiteral("Plot"))->copy();
}

// Made when first opened, so that the calculator starts as fast without it.
void FrmTervan::openTextCheck() {
    if (!m_textCheck) {
        m_textCheck = new TextCheckWindow(*m_windowSettings, this);
        connect(
            m_textCheck, &TextCheckWindow::setsChosen, this,
            [this](const QList<QPair<Box, QString>>& boxes) { guarded([&] { fillSets(boxes); }); });
        m_textCheck->placeBeside(*this);
    }
    m_textCheck->show();
    m_textCheck->raise();
    m_textCheck->activateWindow();
}

void FrmTervan::fillSets(const QList<QPair<Box, QString>>& boxes) {
    for (const auto& [which, text] : boxes) {
        setBoxText(which, text);
    }
}

// The window stays fixed-size; the panes add to it where the layout puts them. It never grows
// past the screen's free area: it moves up or left instead, and a pane that can scrolls.
void FrmTervan::fitWindow() {
    window_layout::Input input;
    input.design = m_designSize;
    const std::vector<Pane*> panes = m_panes->shown();
    for (const Pane* pane : panes) {
        input.panes.push_back(pane->space());
    }
    input.available = screen()->availableGeometry();
    if (isVisible()) {
        input.frame = frameGeometry().size() - size();
        input.frameTopLeft = frameGeometry().topLeft();
    }
    const window_layout::Result laid = window_layout::layOut(input);
    for (std::size_t k = 0; k < panes.size(); ++k) {
        panes[k]->placeAt(laid.panes[k]);
    }
    setFixedSize(laid.client);
    if (laid.moveTo) {
        move(*laid.moveTo);
    }
}

// Ctrl+Shift+C: what the pane with the keyboard copies, or else the results.
void FrmTervan::copyFromFocus() {
    Pane* pane = m_panes->paneWithFocus();
    if (pane && pane->copyOnKey()) {
        return;
    }
    if (m_calculated.has() && !m_calculated.isStale()) {
        copyResults(m_calculated);
    }
}

QLineEdit& FrmTervan::box(Box which) const {
    return *m_boxes[static_cast<std::size_t>(which)];
}

LxButton& FrmTervan::cmdAction(int index) const {
    return *m_cmdAction[static_cast<std::size_t>(index)];
}

} // namespace lx
