// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: LGPL-3.0-or-later
#pragma once

#include "control_descriptions.h"

#include <QtUiPlugin/QDesignerCustomWidgetInterface>

class QDesignerFormEditorInterface;

namespace lx::designer {

// Offers one control in the widget box. In Designer the instances it makes
// are at design time (UserMode False): no hover timer, no docking, nothing
// done to the window; a program's QUiLoader gets them as they are made.
class ControlWidgetPlugin : public QObject, public QDesignerCustomWidgetInterface {
    Q_OBJECT
    Q_INTERFACES(QDesignerCustomWidgetInterface)

public:
    ControlWidgetPlugin(const ControlDescription& description, QObject* parent);

    QString name() const override { return m_description.className; }
    QString group() const override { return groupName(); }
    QString toolTip() const override { return m_description.toolTip; }
    QString whatsThis() const override { return m_description.toolTip; }
    QString includeFile() const override { return m_description.includeFile; }
    QIcon icon() const override;
    bool isContainer() const override { return m_description.container; }
    QString domXml() const override { return m_description.domXml; }

    QWidget* createWidget(QWidget* parent) override;

    bool isInitialized() const override { return m_core != nullptr; }
    void initialize(QDesignerFormEditorInterface* core) override;

private:
    const ControlDescription& m_description;
    QDesignerFormEditorInterface* m_core = nullptr;
};

} // namespace lx::designer
