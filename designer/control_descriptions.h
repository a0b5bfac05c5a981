// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: LGPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QList>
#include <QString>
#include <functional>

class QObject;
class QWidget;

namespace lx::designer {

// What the designer needs to offer one control in its widget box.
struct ControlDescription {
    QString className;   // with its namespace, as the form file names it
    QString includeFile; // as a program that uses the installed package includes it
    QString toolTip;
    QString domXml; // a new instance: default name and size, new-instance values
    bool container = false;
    // The task-menu command that opens the control's property pages; empty
    // for a control that names no pages.
    QString editCommand;
    std::function<QWidget*(QWidget* parent)> make;
    std::function<QIcon()> icon;
};

// The four controls, in widget-box order.
const QList<ControlDescription>& controlDescriptions();
// The description of a control's class, or nullptr.
const ControlDescription* descriptionOf(const QObject& control);

// The widget-box group the controls are offered in.
QString groupName();

} // namespace lx::designer
