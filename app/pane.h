// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "window_layout.h"

#include <QList>
#include <QWidget>

namespace lx {

class LastCalculation;

// A view of the calculator's last calculation that its switch in the menu strip shows and hides
// (Details, Planning, Plot): made on first use by the window's PaneHost, which places it, passes
// each calculation on and turns it grey while the inputs no longer match.
class Pane : public QWidget {
    Q_OBJECT
public:
    // Where it goes and the size it asks for, for the window's layout.
    virtual window_layout::PaneSpace space() const = 0;
    // Where the window's layout put it.
    virtual void placeAt(const QRect& place) { setGeometry(place); }

    // The calculation to show; it asks for the parts of the report it shows, and no more.
    virtual void showCalculation(LastCalculation& calculation) = 0;
    virtual void clear() = 0;
    // Whether it shows each calculation while hidden too (what it shows costs nearly nothing).
    virtual bool followsWhileHidden() const { return false; }

    // Its Copy button.
    virtual void copy() = 0;
    // Ctrl+Shift+C with the keyboard in the pane: true when the pane copied its own text, false to
    // leave the key to the window, which copies the results.
    virtual bool copyOnKey() { return false; }

    // Where the keyboard goes when the user shows it, or nothing to leave it where it is.
    virtual QWidget* focusOnShow() const { return nullptr; }
    // Its controls in Tab order, after `before` (its switch).
    virtual void placeInTabOrderAfter(QWidget& before) = 0;
    // Whether its controls take their own keys (lists, boxes) instead of the window's handling.
    virtual bool takesItsOwnKeys() const { return true; }
    // Whether F5 typed in it leaves the keyboard there: it follows the calculation as the user
    // types into it.
    virtual bool keepsFocusOnCalculate() const { return false; }

    // Figures that no longer belong to the inputs look it, all alike; nothing is cleared.
    void setStale(bool stale);
    bool isStale() const { return m_stale; }

signals:
    void copyClicked();

protected:
    explicit Pane(QWidget* parent);
    // The widgets that show its figures, which turn grey while it is stale.
    void setFigureWidgets(const QList<QWidget*>& widgets) { m_figures = widgets; }
    // What else follows the stale state: a Copy button, a picture.
    virtual void staleChanged(bool /*stale*/) {}

private:
    QList<QWidget*> m_figures;
    bool m_stale = false;
};

} // namespace lx
