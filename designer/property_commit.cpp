// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: LGPL-3.0-or-later
#include "property_commit.h"

#include "control_descriptions.h"

#include "platform/control.h"

#include <QMetaProperty>

namespace lx::designer {

namespace {

// The properties the control's own class adds, as a designer lists them.
QList<QMetaProperty> ownProperties(const QObject& control) {
    QList<QMetaProperty> properties;
    const QMetaObject* meta = control.metaObject();
    for (int i = QWidget::staticMetaObject.propertyCount(); i < meta->propertyCount(); ++i) {
        const QMetaProperty property = meta->property(i);
        if (property.isWritable() && property.isDesignable()) {
            properties.append(property);
        }
    }
    return properties;
}

std::unique_ptr<QWidget> standInFor(const QWidget& control) {
    const ControlDescription* description = descriptionOf(control);
    std::unique_ptr<QWidget> copy(description ? description->make(nullptr) : new QWidget);
    if (auto* designed = qobject_cast<Control*>(copy.get())) {
        designed->setUserMode(false);
    }
    for (const QMetaProperty& property : ownProperties(control)) {
        property.write(copy.get(), property.read(&control));
    }
    return copy;
}

} // namespace

PageEditSession::PageEditSession(const QList<QWidget*>& controls) {
    for (QWidget* control : controls) {
        m_controls.append(control);
        m_standIns.push_back(standInFor(*control));
    }
}

PageEditSession::~PageEditSession() = default;

QList<QObject*> PageEditSession::standIns() const {
    QList<QObject*> copies;
    for (const auto& copy : m_standIns) {
        copies.append(copy.get());
    }
    return copies;
}

QList<PropertyChange> PageEditSession::takeChanges() {
    QList<PropertyChange> changes;
    for (qsizetype i = 0; i < m_controls.size(); ++i) {
        QWidget* control = m_controls[i];
        if (!control) {
            continue;
        }
        const QWidget& copy = *m_standIns[static_cast<size_t>(i)];
        for (const QMetaProperty& property : ownProperties(copy)) {
            // Pictures cannot be compared, and no page edits them.
            if (!property.metaType().isEqualityComparable()) {
                continue;
            }
            const QVariant edited = property.read(&copy);
            if (edited != property.read(control)) {
                changes.append({control, property.name(), edited});
            }
        }
    }
    return changes;
}

void commitChanges(const QList<PropertyChange>& changes,
                   const std::function<void(QWidget&, const QString&, const QVariant&)>& commit) {
    for (const PropertyChange& change : changes) {
        if (change.control) {
            commit(*change.control, QString::fromLatin1(change.name), change.value);
        }
    }
}

} // namespace lx::designer
