// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pane.h"

#include <QKeySequence>
#include <QObject>
#include <QString>

#include <functional>
#include <vector>

class QAction;

namespace lx {

class LastCalculation;
class LxButton;
class WindowSettings;

// A row of the window's table of panes.
struct PaneRow {
    QString switchName; // its switch in the menu strip, from the form file
    QKeySequence key;   // which shows and hides it, as a click on the switch does
    QString setting;    // whether it was shown last time
    std::function<Pane*(QWidget& window)> make; // made when first shown or asked for
};

// The calculator's panes, one mechanism for all: each switch and its key, the remembered
// switches, making a pane when first used, its place in the Tab order, moving the keyboard out
// of a pane that is hidden, and passing each calculation of the window's LastCalculation, its
// clearing and its stale state on.
// The window lays out what is shown whenever layoutChanged() says so.
class PaneHost : public QObject {
    Q_OBJECT
public:
    // focusOut is where the keyboard goes from a pane that is hidden.
    PaneHost(QWidget& window, WindowSettings& settings, LastCalculation& calculation,
             QWidget& focusOut, std::vector<PaneRow> rows);

    // Shows the panes whose switch was on last time.
    void restore();

    // The pane of a row's setting, made if it was not yet; nullptr for no such row.
    Pane* pane(const QString& setting);
    // The pane of that row if it has been made.
    Pane* made(const QString& setting) const;
    // The panes shown, in the table's order.
    std::vector<Pane*> shown() const;

    // The shown pane that holds the keyboard, or nullptr.
    Pane* paneWithFocus() const;

signals:
    // A pane was shown, hidden or changed its size: the window lays itself out again.
    void layoutChanged();
    void paneMade(lx::Pane* pane);

private:
    struct Entry {
        PaneRow row;
        LxButton* button = nullptr;
        Pane* pane = nullptr;
        QAction* toggle = nullptr;
    };
    void showCalculation();
    void clear();
    void setStale(bool stale);
    void switchClicked(Entry& entry);
    void show(Entry& entry, bool on);
    Pane& paneOf(Entry& entry);
    bool visible(const Entry& entry) const;

    QWidget& m_window;
    WindowSettings& m_settings;
    LastCalculation& m_calculation;
    QWidget& m_focusOut;
    std::vector<Entry> m_entries;
};

} // namespace lx
