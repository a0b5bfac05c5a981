// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calculator_view.h"
#include "last_calculation.h"
#include "pane_host.h"
#include "platform/form.h"
#include "window_settings.h"

#include <array>
#include <memory>
#include <optional>
#include <vector>

class QLineEdit;

namespace lx {

class DetailsView;
class LxButton;
class LxOnTop;
class PasteIntoSet;
class ResultBox;
class PlanningView;
class PlotView;
class SettingsStore;
class TextCheckWindow;

// The calculator window. Its layout and its controls' settings come from the
// form file; this class only handles the events: the four buttons, F5 and
// Esc, and selecting an input box's text when it gets the focus. The Details
// switch (F6) grows the window by the full report of the last calculation,
// which Ctrl+Shift+C copies; the Planning switch (F7) by the plan of the next
// study, which Ctrl+Shift+C copies as a sentence while it has the focus.
// "Check text…" (Ctrl+Shift+K, also in the window's context menu) opens a window
// that reads a paper's text for its t tests and can fill the two sets from one.
// Results that no longer belong to the input boxes look out of date until the
// next calculation.
class FrmTervan : public Form, public CalculatorView {
    Q_OBJECT
public:
    // settings: the window memory's store, which also keeps the Details
    // switch; the user's own when null.
    explicit FrmTervan(SettingsStore* settings = nullptr, QWidget* parent = nullptr);
    ~FrmTervan() override;

    // Where messages go; a modal QMessageBox over this window unless replaced.
    void setMessageBox(MessageBox& messageBox) { m_messageBox = &messageBox; }

    // The calculation every view reads, until Clear All.
    const LastCalculation& lastCalculation() const { return m_calculated; }

    QString boxText(Box box) const override;
    void setBoxText(Box box, const QString& text) override;
    void showMessage(const QString& text, const QString& title, MessageBox::Icon icon) override;
    void focusBox(Box box) override;
    void showReport(const Summary& summary, const ReportRequest& request) override;
    bool boxTextIsExact(Box box) const override;

private:
    std::vector<PaneRow> paneRows();
    void addCommands();
    void linkPlanToPicture();
    void cmdAction_Click(int Index);
    void Form_KeyDown(int& KeyCode, int Shift);
    void ClearAll();
    void copyPicture();
    void openTextCheck();
    void fillSets(const QList<QPair<Box, QString>>& boxes);
    void fitWindow();
    void copyFromFocus();
    void undoPaste();
    bool hasResults() const;

    QLineEdit& box(Box which) const;
    LxButton& cmdAction(int index) const;

    std::array<QLineEdit*, 9> m_boxes{};
    std::array<ResultBox*, 3> m_results{}; // degrees of freedom, t, P
    std::array<LxButton*, 4> m_cmdAction{};
    LxOnTop* m_lxpOnTop = nullptr;
    PaneHost* m_panes = nullptr;
    bool m_planLinked = false;              // the power curve follows the planning view's plan
    TextCheckWindow* m_textCheck = nullptr; // made when first opened
    int m_reportsShown = 0;                 // successful calculations, to tell one happened
    QSize m_designSize;                     // pixels of the client area without the details
    LastCalculation m_calculated;
    PasteIntoSet* m_paste = nullptr;
    std::unique_ptr<MessageBox> m_ownMessageBox;
    MessageBox* m_messageBox = nullptr;
    std::unique_ptr<SettingsStore> m_ownSettings;
    SettingsStore* m_settings = nullptr;
    std::unique_ptr<WindowSettings> m_windowSettings;
};

} // namespace lx
