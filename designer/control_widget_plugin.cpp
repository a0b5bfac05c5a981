// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: LGPL-3.0-or-later
#include "control_widget_plugin.h"

#include "control_task_menu.h"

#include "platform/control.h"

#include <QtDesigner/QDesignerFormEditorInterface>
#include <QtDesigner/QExtensionManager>

namespace lx::designer {

ControlWidgetPlugin::ControlWidgetPlugin(const ControlDescription& description, QObject* parent)
    : QObject(parent)
    , m_description(description) {}

QIcon ControlWidgetPlugin::icon() const {
    return m_description.icon();
}

QWidget* ControlWidgetPlugin::createWidget(QWidget* parent) {
    QWidget* widget = m_description.make(parent);
    // Only Designer initialises the plugin: there the form is being designed.
    if (m_core) {
        if (auto* control = qobject_cast<Control*>(widget)) {
            control->setUserMode(false);
            // Designer's property editor calls the setters: nothing there catches.
            control->setReportsSetterErrors(true);
            // The window helpers hide while a form runs; here they show their picture.
            control->setVisible(true);
        }
    }
    return widget;
}

void ControlWidgetPlugin::initialize(QDesignerFormEditorInterface* core) {
    if (m_core) {
        return;
    }
    m_core = core;
    if (!m_description.editCommand.isEmpty()) {
        core->extensionManager()->registerExtensions(
            new ControlTaskMenuFactory(m_description, core->extensionManager()),
            Q_TYPEID(QDesignerTaskMenuExtension));
    }
}

} // namespace lx::designer
