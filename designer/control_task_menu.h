// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: LGPL-3.0-or-later
#pragma once

#include "control_descriptions.h"

#include <QtDesigner/QDesignerTaskMenuExtension>
#include <QtDesigner/QExtensionFactory>

class QAction;

namespace lx::designer {

// The task-menu entry that opens a control's own property pages on the
// selected controls of its class. What the pages apply is committed through
// the form window's cursor: one undo step per apply, saved in the form file.
class ControlTaskMenu : public QObject, public QDesignerTaskMenuExtension {
    Q_OBJECT
    Q_INTERFACES(QDesignerTaskMenuExtension)

public:
    ControlTaskMenu(QWidget* control, const QString& command, QObject* parent);

    QAction* preferredEditAction() const override { return m_edit; }
    QList<QAction*> taskActions() const override { return {m_edit}; }

private:
    void editProperties();
    QList<QWidget*> selection() const;

    QWidget* m_control;
    QAction* m_edit;
};

// Gives the controls of one class their task menu.
class ControlTaskMenuFactory : public QExtensionFactory {
    Q_OBJECT

public:
    ControlTaskMenuFactory(const ControlDescription& description, QExtensionManager* parent);

protected:
    QObject* createExtension(QObject* object, const QString& iid, QObject* parent) const override;

private:
    const ControlDescription& m_description;
};

} // namespace lx::designer
