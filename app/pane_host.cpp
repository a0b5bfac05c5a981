// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "pane_host.h"

#include "controls/button/lx_button.h"
#include "last_calculation.h"
#include "platform/core/runtime_error.h"
#include "platform/error_guard.h"
#include "window_settings.h"

#include <QAction>
#include <QApplication>

namespace lx {

namespace {

QWidget& face(LxButton& button) {
    return *button.findChild<QWidget*>(QStringLiteral("picButton"));
}

} // namespace

PaneHost::PaneHost(QWidget& window, WindowSettings& settings, LastCalculation& calculation,
                   QWidget& focusOut, std::vector<PaneRow> rows)
    : QObject(&window)
    , m_window(window)
    , m_settings(settings)
    , m_calculation(calculation)
    , m_focusOut(focusOut) {
    m_entries.reserve(rows.size());
    for (PaneRow& row : rows) {
        auto* button = window.findChild<LxButton*>(row.switchName);
        if (!button) {
            throw RuntimeError(
                ErrorNumber::InvalidArgument,
                QStringLiteral("the form file has no %1").arg(row.switchName).toStdString());
        }
        m_entries.push_back({std::move(row), button});
    }
    for (Entry& entry : m_entries) {
        connect(entry.button, &LxButton::Click, this,
                [this, &entry] { guarded([&] { switchClicked(entry); }); });
        // A click without the mouse does not switch, so the key switches first.
        entry.toggle = new QAction(entry.row.setting, &window);
        entry.toggle->setObjectName(QStringLiteral("act") + entry.row.setting);
        entry.toggle->setShortcut(entry.row.key);
        entry.toggle->setShortcutContext(Qt::WindowShortcut);
        connect(entry.toggle, &QAction::triggered, this, [&entry] {
            entry.button->setValue(!entry.button->Value());
            entry.button->AutoClick();
        });
        window.addAction(entry.toggle);
    }
    connect(&calculation, &LastCalculation::calculated, this, &PaneHost::showCalculation);
    connect(&calculation, &LastCalculation::cleared, this, &PaneHost::clear);
    connect(&calculation, &LastCalculation::staleChanged, this, &PaneHost::setStale);
}

void PaneHost::restore() {
    for (Entry& entry : m_entries) {
        if (m_settings.isOn(entry.row.setting)) {
            entry.button->setValue(true);
            show(entry, true);
        }
    }
}

void PaneHost::switchClicked(Entry& entry) {
    const bool on = entry.button->Value();
    show(entry, on);
    if (on) {
        if (QWidget* first = entry.pane->focusOnShow()) {
            first->setFocus(Qt::OtherFocusReason);
        }
    }
    m_settings.setOn(entry.row.setting, on);
}

void PaneHost::show(Entry& entry, bool on) {
    if (on) {
        Pane& pane = paneOf(entry);
        pane.setVisible(true);
        if (m_calculation.has()) {
            pane.showCalculation(m_calculation);
        }
    } else if (entry.pane) {
        if (entry.pane->isAncestorOf(QApplication::focusWidget())) {
            m_focusOut.setFocus(Qt::OtherFocusReason);
        }
        entry.pane->setVisible(false);
    }
    emit layoutChanged();
}

Pane& PaneHost::paneOf(Entry& entry) {
    if (!entry.pane) {
        entry.pane = entry.row.make(m_window);
        entry.pane->setVisible(false);
        entry.pane->placeInTabOrderAfter(face(*entry.button));
        entry.pane->setStale(m_calculation.isStale());
        Pane* pane = entry.pane;
        connect(pane, &Pane::copyClicked, this, [pane] { guarded([pane] { pane->copy(); }); });
        emit paneMade(entry.pane);
    }
    return *entry.pane;
}

Pane* PaneHost::pane(const QString& setting) {
    for (Entry& entry : m_entries) {
        if (entry.row.setting == setting) {
            return &paneOf(entry);
        }
    }
    return nullptr;
}

Pane* PaneHost::made(const QString& setting) const {
    for (const Entry& entry : m_entries) {
        if (entry.row.setting == setting) {
            return entry.pane;
        }
    }
    return nullptr;
}

bool PaneHost::visible(const Entry& entry) const {
    return entry.pane && entry.pane->isVisibleTo(&m_window);
}

std::vector<Pane*> PaneHost::shown() const {
    std::vector<Pane*> panes;
    for (const Entry& entry : m_entries) {
        if (visible(entry)) {
            panes.push_back(entry.pane);
        }
    }
    return panes;
}

// A hidden pane is shown the calculation when it is shown, unless it follows every one.
void PaneHost::showCalculation() {
    for (Entry& entry : m_entries) {
        if (visible(entry) || (entry.pane && entry.pane->followsWhileHidden())) {
            entry.pane->showCalculation(m_calculation);
        }
    }
    if (!shown().empty()) {
        emit layoutChanged(); // the details' height follows the rows they show
    }
}

void PaneHost::clear() {
    for (Entry& entry : m_entries) {
        if (entry.pane) {
            entry.pane->clear();
        }
    }
    if (!shown().empty()) {
        emit layoutChanged();
    }
}

void PaneHost::setStale(bool stale) {
    for (Entry& entry : m_entries) {
        if (entry.pane) {
            entry.pane->setStale(stale);
        }
    }
}

Pane* PaneHost::paneWithFocus() const {
    for (const Entry& entry : m_entries) {
        if (visible(entry) && entry.pane->isAncestorOf(QApplication::focusWidget())) {
            return entry.pane;
        }
    }
    return nullptr;
}

} // namespace lx
