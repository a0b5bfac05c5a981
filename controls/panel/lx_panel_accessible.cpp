// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: LGPL-3.0-or-later
#include "lx_panel_accessible.h"

#include "lx_panel.h"

#include <algorithm>
#include <mutex>

namespace lx {

namespace {

QAccessibleInterface* panelInterface(const QString& className, QObject* object) {
    if (className == QLatin1String("lx::LxPanel")) {
        return new LxPanelAccessible(static_cast<LxPanel*>(object));
    }
    return nullptr;
}

// The caption label is part of the panel's own face, not a control it holds.
bool holdsControls(const LxPanel* panel) {
    const auto children = panel->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    return std::any_of(children.begin(), children.end(), [](const QWidget* child) {
        return child->objectName() != QLatin1String("lblCaption");
    });
}

} // namespace

LxPanelAccessible::LxPanelAccessible(LxPanel* panel)
    : QAccessibleWidget(panel, QAccessible::Grouping)
    , m_panel(panel) {}

QAccessible::Role LxPanelAccessible::role() const {
    return holdsControls(m_panel) ? QAccessible::Grouping : QAccessible::Separator;
}

QString LxPanelAccessible::text(QAccessible::Text t) const {
    if (t == QAccessible::Name && m_panel->accessibleName().isEmpty()) {
        return QString(m_panel->Caption()).remove(u'&');
    }
    return QAccessibleWidget::text(t);
}

void LxPanelAccessible::install() {
    static std::once_flag installed;
    std::call_once(installed, [] { QAccessible::installFactory(panelInterface); });
}

} // namespace lx
