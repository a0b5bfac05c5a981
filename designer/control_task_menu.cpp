// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: LGPL-3.0-or-later
#include "control_task_menu.h"

#include "property_commit.h"

#include "controls/pages/control_pages.h"
#include "platform/property_page_catalog.h"
#include "platform/property_pages_dialog.h"

#include <QAction>
#include <QPushButton>
#include <QtDesigner/QDesignerFormWindowCursorInterface>
#include <QtDesigner/QDesignerFormWindowInterface>

namespace lx::designer {

ControlTaskMenu::ControlTaskMenu(QWidget* control, const QString& command, QObject* parent)
    : QObject(parent)
    , m_control(control)
    , m_edit(new QAction(command, this)) {
    connect(m_edit, &QAction::triggered, this, &ControlTaskMenu::editProperties);
}

QList<QWidget*> ControlTaskMenu::selection() const {
    QList<QWidget*> selected;
    QDesignerFormWindowInterface* form = QDesignerFormWindowInterface::findFormWindow(m_control);
    if (form) {
        QDesignerFormWindowCursorInterface* cursor = form->cursor();
        for (int i = 0; i < cursor->selectedWidgetCount(); ++i) {
            QWidget* widget = cursor->selectedWidget(i);
            if (widget->metaObject() == m_control->metaObject()) {
                selected.append(widget);
            }
        }
    }
    if (!selected.contains(m_control)) {
        selected = {m_control};
    }
    return selected;
}

void ControlTaskMenu::editProperties() {
    QDesignerFormWindowInterface* form = QDesignerFormWindowInterface::findFormWindow(m_control);
    if (!form) {
        return;
    }
    PropertyPageCatalog catalog;
    addControlPages(catalog);
    PageEditSession session(selection());
    std::unique_ptr<PropertyPagesDialog> dialog(
        PropertyPagesDialog::forSelection(catalog, session.standIns(), form));
    dialog->setWindowTitle(m_edit->text().remove(QChar(0x2026)));

    const auto commit = [&] {
        const QList<PropertyChange> changes = session.takeChanges();
        if (changes.isEmpty()) {
            return;
        }
        form->beginCommand(dialog->windowTitle());
        commitChanges(changes,
                      [form](QWidget& control, const QString& name, const QVariant& value) {
                          form->cursor()->setWidgetProperty(&control, name, value);
                      });
        form->endCommand();
    };
    // The dialog applies first (its own connection is older), then the form follows.
    if (auto* apply = dialog->findChild<QPushButton*>(QStringLiteral("cmdApply"))) {
        connect(apply, &QPushButton::clicked, dialog.get(), commit);
    }
    dialog->exec();
    commit();
}

ControlTaskMenuFactory::ControlTaskMenuFactory(const ControlDescription& description,
                                               QExtensionManager* parent)
    : QExtensionFactory(parent)
    , m_description(description) {}

QObject* ControlTaskMenuFactory::createExtension(QObject* object, const QString& iid,
                                                 QObject* parent) const {
    if (iid != QLatin1String(Q_TYPEID(QDesignerTaskMenuExtension))) {
        return nullptr;
    }
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget || descriptionOf(*widget) != &m_description) {
        return nullptr;
    }
    return new ControlTaskMenu(widget, m_description.editCommand, parent);
}

} // namespace lx::designer
