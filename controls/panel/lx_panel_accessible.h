// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: LGPL-3.0-or-later
#pragma once

#include <QAccessibleWidget>

namespace lx {

class LxPanel;

// What a screen reader learns of a panel: a grouping of the controls it holds, or a separator
// when it holds none; its caption is its name.
class LxPanelAccessible : public QAccessibleWidget {
public:
    explicit LxPanelAccessible(LxPanel* panel);

    QAccessible::Role role() const override;
    QString text(QAccessible::Text t) const override;

    // Registers the factory that gives LxPanel this interface; once per process.
    static void install();

private:
    LxPanel* m_panel;
};

} // namespace lx
