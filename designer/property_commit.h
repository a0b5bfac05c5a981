// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: LGPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QPointer>
#include <QVariant>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

namespace lx::designer {

// One property value the pages gave a control of the form.
struct PropertyChange {
    QPointer<QWidget> control;
    QByteArray name;
    QVariant value;
};

// Copies of the selected controls for the property pages to edit, so that
// the form itself changes only through the designer, where every change can
// be undone and is saved. Every apply of the pages becomes a list of changes.
class PageEditSession {
public:
    explicit PageEditSession(const QList<QWidget*>& controls);
    ~PageEditSession();

    // What the pages edit: one design-time copy per control, same order.
    QList<QObject*> standIns() const;

    // The designable properties in which a copy now differs from its control.
    // Once committed, the controls hold them, so none is offered twice.
    QList<PropertyChange> takeChanges();

private:
    QList<QPointer<QWidget>> m_controls;
    std::vector<std::unique_ptr<QWidget>> m_standIns;
};

// Commits changes one by one, e.g. through the form window's cursor.
void commitChanges(const QList<PropertyChange>& changes,
                   const std::function<void(QWidget&, const QString&, const QVariant&)>& commit);

} // namespace lx::designer
