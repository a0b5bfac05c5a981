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
#include "report_text.h"
#include "result_box.h"
#include "stale_look.h"
#include "text_check_pane.h"

#include <QAction>
#include <QClipboard>
#include <QEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPointer>
#include <QScreen>
#include <QStandardPaths>
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

// Raises an input box's GotFocus: selects all its text once the box has the
// focus (its own focus-in would otherwise set the caret over the selection).
class SelectAllOnFocus : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::FocusIn) {
            return false;
        }
        watched->event(event);
        SelectAllText(*static_cast<QLineEdit*>(watched));
        return true;
    }
};

enum Action { CalculateAction = 0, ClearAllAction = 1, OnTopAction = 2, ExitAction = 3 };

// The Details switch is kept next to the window memory, in the form's section.
const QString Application = QStringLiteral("LxTervan");
const QString DetailsKey = QStringLiteral("Details");
const QString PlanningKey = QStringLiteral("Planning");
const QString PlotKey = QStringLiteral("Plot");
const QString PictureKey = QStringLiteral("Picture");
const QString PictureFolderKey = QStringLiteral("PictureFolder");
const QString On = QStringLiteral("1");
const QString Off = QStringLiteral("0");

QWidget& face(LxButton& button) {
    return *button.findChild<QWidget*>(QStringLiteral("picButton"));
}

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

    m_designSize = size();
    m_cmdDetails = &namedChild<LxButton>(*this, QStringLiteral("cmdDetails"));
    connect(m_cmdDetails, &LxButton::Click, this,
            [this] { guarded([this] { cmdDetails_Click(); }); });
    const bool detailsOn = m_settings->GetSetting(Application, Name(), DetailsKey, Off) == On;
    m_cmdDetails->setValue(detailsOn);
    showDetails(detailsOn);
    m_results = {new ResultBox(box(Box::Freedom), tr("degrees of freedom")),
                 new ResultBox(box(Box::Student)), new ResultBox(box(Box::P))};
    m_cmdPlanning = &namedChild<LxButton>(*this, QStringLiteral("cmdPlanning"));
    connect(m_cmdPlanning, &LxButton::Click, this,
            [this] { guarded([this] { cmdPlanning_Click(); }); });
    if (m_settings->GetSetting(Application, Name(), PlanningKey, Off) == On) {
        m_cmdPlanning->setValue(true);
        showPlanning(true);
    }

    m_cmdPlot = &namedChild<LxButton>(*this, QStringLiteral("cmdPlot"));
    connect(m_cmdPlot, &LxButton::Click, this, [this] { guarded([this] { cmdPlot_Click(); }); });
    if (m_settings->GetSetting(Application, Name(), PlotKey, Off) == On) {
        m_cmdPlot->setValue(true);
        showPlot(true);
    }

    auto* gotFocus = new SelectAllOnFocus(this);
    for (int i = 0; i < inputBoxCount; ++i) {
        m_boxes[i]->installEventFilter(gotFocus);
    }
    std::array<QLineEdit*, inputBoxCount> inputs{};
    std::copy_n(m_boxes.begin(), inputBoxCount, inputs.begin());
    m_paste = new PasteIntoSet(*this, inputs, this);
    for (QLineEdit* input : inputs) {
        // Typing, a paste, an undo: whatever changes an input outdates the results.
        connect(input, &QLineEdit::textChanged, this, [this] {
            if (!m_stale && hasResults()) {
                setStale(true);
            }
        });
    }
    connect(this, &Form::KeyDown, this, &FrmTervan::Form_KeyDown);

    auto* checkText = new QAction(tr("Check text…"), this);
    checkText->setObjectName(QStringLiteral("actCheckText"));
    checkText->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_K));
    checkText->setShortcutContext(Qt::WindowShortcut);
    connect(checkText, &QAction::triggered, this, [this] { guarded([this] { openTextCheck(); }); });
    addAction(checkText);
    setContextMenuPolicy(Qt::ActionsContextMenu);
    box(Box::N1).setFocus();
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
    if (m_details && m_details->isVisibleTo(this)) {
        m_details->showReport(m_calculated.report(LastCalculation::Parts::WithBayesDetails),
                              QLocale());
        fitWindow();
    }
    showPlan();
    drawPicture();
    setStale(false);
}

// The plan follows every calculation once the planning view has been made.
void FrmTervan::showPlan() {
    if (m_planning && m_calculated.has()) {
        m_planning->showCalculation(m_calculated.summary(),
                                    m_calculated.report(LastCalculation::Parts::Tests).cohensD);
    }
}

bool FrmTervan::hasResults() const {
    return m_calculated.has() || !boxText(Box::Freedom).isEmpty() ||
           !boxText(Box::Student).isEmpty() || !boxText(Box::P).isEmpty();
}

void FrmTervan::setStale(bool stale) {
    if (stale != m_stale) {
        m_stale = stale;
        for (const Box result : {Box::Freedom, Box::Student, Box::P}) {
            stale_look::apply(box(result), stale);
        }
        if (m_details) {
            m_details->setStale(stale);
        }
        if (m_planning) {
            m_planning->setStale(stale);
        }
        if (m_plot) {
            m_plot->setStale(stale);
        }
    }
    if (m_details) {
        m_details->setCopyEnabled(m_calculated.has() && !stale);
    }
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
            setStale(true);
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
    if (KeyCode == key_codes::F5) {
        // F5 in the planning view replans there: the focus stays where the user was typing.
        const QPointer<QWidget> planningFocus =
            m_planning && m_planning->isAncestorOf(focusWidget()) ? focusWidget() : nullptr;
        const int reports = m_reportsShown;
        cmdAction(CalculateAction).AutoClick();
        if (planningFocus && m_reportsShown != reports) {
            planningFocus->setFocus(Qt::OtherFocusReason);
        }
    } else if (KeyCode == key_codes::Escape) {
        cmdAction(ClearAllAction).AutoClick();
    } else if (KeyCode == key_codes::F6) {
        // A click without the mouse does not switch, so switch first.
        m_cmdDetails->setValue(!m_cmdDetails->Value());
        m_cmdDetails->AutoClick();
    } else if (KeyCode == key_codes::F7) {
        m_cmdPlanning->setValue(!m_cmdPlanning->Value());
        m_cmdPlanning->AutoClick();
    } else if (KeyCode == key_codes::F8) {
        m_cmdPlot->setValue(!m_cmdPlot->Value());
        m_cmdPlot->AutoClick();
    } else if (KeyCode == 'P' && Shift == (key_codes::CtrlMask | key_codes::ShiftMask)) {
        copyPicture();
        KeyCode = 0;
    } else if (KeyCode == 'C' && Shift == (key_codes::CtrlMask | key_codes::ShiftMask)) {
        if (m_planning && m_planning->isAncestorOf(focusWidget())) {
            copyPlan();
        } else {
            CopyResults();
        }
        KeyCode = 0;
    } else if ((m_planning && m_planning->isAncestorOf(focusWidget())) ||
               (m_plot && m_plot->isAncestorOf(focusWidget()))) {
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
    if (m_details) {
        m_details->clear();
        fitWindow();
    }
    if (m_planning) {
        m_planning->clear();
    }
    if (m_plot) {
        m_plot->clear();
    }
    setStale(false);
}

void FrmTervan::cmdDetails_Click() {
    const bool on = m_cmdDetails->Value();
    showDetails(on);
    m_settings->SaveSetting(Application, Name(), DetailsKey, on ? On : Off);
}

void FrmTervan::showDetails(bool on) {
    if (on) {
        DetailsView& area = details();
        if (m_calculated.has()) {
            area.showReport(m_calculated.report(LastCalculation::Parts::WithBayesDetails),
                            QLocale());
        }
        area.setVisible(true);
    } else if (m_details) {
        m_details->setVisible(false);
    }
    fitWindow();
}

// Made when first shown: a user who never opens the details never pays for them.
DetailsView& FrmTervan::details() {
    if (!m_details) {
        m_details = new DetailsView(ScaleWidth(), font(), this);
        m_details->move(0, m_designSize.height());
        connect(m_details, &DetailsView::copyClicked, this,
                [this] { guarded([this] { CopyResults(); }); });
        // The details come last in the tab order, after the switch that shows them.
        QWidget::setTabOrder(&face(*m_cmdDetails), &m_details->table());
        QWidget::setTabOrder(&m_details->table(), &face(m_details->copyButton()));
        m_details->setStale(m_stale);
        m_details->setCopyEnabled(m_calculated.has() && !m_stale);
    }
    return *m_details;
}

void FrmTervan::cmdPlanning_Click() {
    const bool on = m_cmdPlanning->Value();
    showPlanning(on);
    m_settings->SaveSetting(Application, Name(), PlanningKey, on ? On : Off);
}

void FrmTervan::showPlanning(bool on) {
    if (on) {
        PlanningView& area = planning();
        showPlan();
        area.setVisible(true);
        area.firstControl().setFocus(Qt::OtherFocusReason);
    } else if (m_planning) {
        if (m_planning->isAncestorOf(focusWidget())) {
            box(Box::N1).setFocus(Qt::OtherFocusReason);
        }
        m_planning->setVisible(false);
    }
    fitWindow();
}

// Made when first shown: the window starts as fast without it.
PlanningView& FrmTervan::planning() {
    if (!m_planning) {
        m_planning = new PlanningView(ScaleWidth(), font(), this);
        connect(m_planning, &PlanningView::copyClicked, this,
                [this] { guarded([this] { copyPlan(); }); });
        m_planning->placeInTabOrderAfter(face(*m_cmdPlanning));
        // The power curve follows the plan.
        connect(m_planning, &PlanningView::planChanged, this, [this] {
            if (m_plot) {
                m_plot->setPlan(m_planning->shownPlan());
            }
        });
        m_planning->setStale(m_stale);
    }
    return *m_planning;
}

void FrmTervan::cmdPlot_Click() {
    const bool on = m_cmdPlot->Value();
    showPlot(on);
    if (on) { // the arrow keys choose the picture
        m_plot->firstControl().setFocus(Qt::OtherFocusReason);
    }
    m_settings->SaveSetting(Application, Name(), PlotKey, on ? On : Off);
}

void FrmTervan::showPlot(bool on) {
    if (on) {
        PlotView& area = plot();
        area.setVisible(true);
        drawPicture();
    } else if (m_plot) {
        if (m_plot->isAncestorOf(focusWidget())) {
            box(Box::N1).setFocus(Qt::OtherFocusReason);
        }
        m_plot->setVisible(false);
    }
    fitWindow();
}

// Made when first shown, with the picture the user chose last.
PlotView& FrmTervan::plot() {
    if (!m_plot) {
        m_plot = new PlotView(font(), m_calculated, this);
        const QString remembered = m_settings->GetSetting(Application, Name(), PictureKey,
                                                          plot_pictures::key(m_plot->kind()));
        if (const auto kind = plot_pictures::fromKey(remembered)) {
            m_plot->setKind(*kind);
        }
        connect(m_plot, &PlotView::kindChanged, this, [this](plot_pictures::Kind kind) {
            guarded([&] {
                m_settings->SaveSetting(Application, Name(), PictureKey, plot_pictures::key(kind));
            });
        });
        connect(m_plot, &PlotView::copyClicked, this,
                [this] { guarded([this] { copyPicture(); }); });
        connect(m_plot, &PlotView::saveClicked, this,
                [this] { guarded([this] { savePicture(); }); });
        QWidget::setTabOrder(&face(*m_cmdPlot), &m_plot->firstControl());
        m_plot->setStale(m_stale);
        if (m_planning) {
            m_plot->setPlan(m_planning->shownPlan());
        }
    }
    return *m_plot;
}

// The picture follows every calculation while it shows; a hidden one is drawn when shown.
void FrmTervan::drawPicture() {
    if (m_plot && m_plot->isVisibleTo(this) && m_calculated.has()) {
        m_plot->showCalculation();
    }
}

// Ctrl+Shift+P: the picture as it shows, or as it would, for pasting into a document.
void FrmTervan::copyPicture() {
    if (m_stale) {
        return;
    }
    PlotView& area = plot();
    if (!area.isVisibleTo(this)) {
        area.resize(area.preferredSize());
        if (m_calculated.has()) {
            area.showCalculation();
        }
    }
    if (area.hasPicture()) {
        QGuiApplication::clipboard()->setImage(area.image());
    }
}

void FrmTervan::savePicture() {
    if (!m_plot || !m_plot->hasPicture()) {
        return;
    }
    const QString screenPng = tr("PNG image, screen resolution (*.png)");
    const QString printPng = tr("PNG image, 300 dpi (*.png)");
    const QString svg = tr("SVG drawing (*.svg)");
    const QString pdf = tr("PDF document (*.pdf)");
    const QString folder =
        m_settings->GetSetting(Application, Name(), PictureFolderKey,
                               QStandardPaths::writableLocation(QStandardPaths::PicturesLocation));
    QString chosen = screenPng;
    QString path = QFileDialog::getSaveFileName(
        this, tr("Save picture"),
        QDir(folder).filePath(plot_pictures::key(m_plot->kind()) + QStringLiteral(".png")),
        QStringList{screenPng, printPng, svg, pdf}.join(QStringLiteral(";;")), &chosen);
    if (path.isEmpty()) {
        return;
    }
    // The format is the one chosen; a name typed without its suffix gets it.
    const QString suffix = chosen == svg   ? QStringLiteral("svg")
                           : chosen == pdf ? QStringLiteral("pdf")
                                           : QStringLiteral("png");
    if (QFileInfo(path).suffix().compare(suffix, Qt::CaseInsensitive) != 0) {
        path += u'.' + suffix;
    }
    QString error;
    if (!m_plot->save(path, chosen == printPng ? 300 : 96, error)) {
        showMessage(error, tr("Save picture"), MessageBox::Icon::Exclamation);
        return;
    }
    m_settings->SaveSetting(Application, Name(), PictureFolderKey, QFileInfo(path).absolutePath());
}

// Made when first opened, so that the calculator starts as fast without it; it opens beside
// the calculator where the screen has room.
void FrmTervan::openTextCheck() {
    if (!m_textCheck) {
        m_textCheck = new TextCheckPane(this);
        connect(
            m_textCheck, &TextCheckPane::setsChosen, this,
            [this](const QList<QPair<Box, QString>>& boxes) { guarded([&] { fillSets(boxes); }); });
        const QRect available = screen()->availableGeometry();
        m_textCheck->resize(m_textCheck->size().boundedTo(available.size() * 9 / 10));
        const QRect outer = frameGeometry();
        QRect placed(QPoint(outer.right() + 1, outer.top()), m_textCheck->size());
        if (placed.right() > available.right()) {
            placed.moveLeft(outer.left() - placed.width());
        }
        placed.moveRight(std::min(placed.right(), available.right()));
        placed.moveBottom(std::min(placed.bottom(), available.bottom()));
        placed.moveLeft(std::max(placed.left(), available.left()));
        placed.moveTop(std::max(placed.top(), available.top()));
        m_textCheck->move(placed.topLeft());
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

void FrmTervan::copyPlan() {
    if (m_planning) {
        const QString sentence = m_planning->sentence();
        if (!sentence.isEmpty()) {
            QGuiApplication::clipboard()->setText(sentence);
        }
    }
}

// The window stays fixed-size; the details add to its height below the rest, and to its width
// where their figures need it. It never grows past the screen's free area: it moves up or left
// instead, and the table scrolls when even that is not enough.
void FrmTervan::fitWindow() {
    const bool on = m_details && m_details->isVisibleTo(this);
    // The plan goes under everything else, at its own height.
    const int planning = m_planning && m_planning->isVisibleTo(this) ? m_planning->height() : 0;
    QSize client = m_designSize;
    const QRect available = screen()->availableGeometry();
    const QSize frame = isVisible() ? frameGeometry().size() - size() : QSize();
    if (on) {
        const QSize room = available.size() - frame - QSize(0, planning);
        const QSize needed = m_details->neededSize(room.height() - m_designSize.height());
        client = QSize(std::max(client.width(), needed.width()), client.height() + needed.height())
                     .boundedTo(room)
                     .expandedTo(m_designSize);
        m_details->fitTo(QSize(client.width(), client.height() - m_designSize.height()));
    }
    if (planning > 0) {
        m_planning->move(0, client.height());
        client.rheight() += planning;
    }
    if (m_plot && m_plot->isVisibleTo(this)) {
        client = placePlot(client, available.size() - frame);
    }
    setFixedSize(client);
    if (!isVisible()) {
        return; // the window system places it when it first shows
    }
    QRect outer(frameGeometry().topLeft(), client + frame);
    outer.moveRight(std::min(outer.right(), available.right()));
    outer.moveBottom(std::min(outer.bottom(), available.bottom()));
    outer.moveLeft(std::max(outer.left(), available.left()));
    outer.moveTop(std::max(outer.top(), available.top()));
    if (outer.topLeft() != frameGeometry().topLeft()) {
        move(outer.topLeft());
    }
}

// The picture goes beside everything else, as high as the rest or its own preferred height;
// where the screen is too narrow for that, under everything else.
QSize FrmTervan::placePlot(const QSize& rest, const QSize& room) {
    const QSize preferred = m_plot->preferredSize();
    if (rest.width() + preferred.width() <= room.width()) {
        const int height = std::min(std::max(rest.height(), preferred.height()), room.height());
        m_plot->setGeometry(rest.width(), 0, preferred.width(), height);
        return {rest.width() + preferred.width(), std::max(rest.height(), height)};
    }
    const int height = std::max(m_plot->minimumSizeHint().height(),
                                std::min(preferred.height(), room.height() - rest.height()));
    m_plot->setGeometry(0, rest.height(), rest.width(), height);
    return {rest.width(), rest.height() + height};
}

void FrmTervan::CopyResults() {
    if (m_calculated.has() && !m_stale) {
        QGuiApplication::clipboard()->setText(report_text::clipboardText(
            m_calculated.report(LastCalculation::Parts::WithBayesDetails), QLocale()));
    }
}

QLineEdit& FrmTervan::box(Box which) const {
    return *m_boxes[static_cast<std::size_t>(which)];
}

LxButton& FrmTervan::cmdAction(int index) const {
    return *m_cmdAction[static_cast<std::size_t>(index)];
}

} // namespace lx
