// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: LGPL-3.0-or-later
#pragma once

#include "platform/core/lx_export.h"
#include <QList>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <memory>

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace lx {

class MessageBox;

// One page of a designer's property-pages dialog. The designer hands it the
// current selection (the page loads its editors from it), every edit the user
// makes raises the Changed flag, and Apply writes the editors back. Pages
// reach controls only through properties by name, so a page needs nothing of
// a control's class.
class LX_EXPORT PropertyPage : public QWidget {
    Q_OBJECT
    Q_PROPERTY(bool Changed READ Changed WRITE setChanged NOTIFY ChangedStateChanged)

public:
    // clientWidth and clientHeight are the page's client area in twips.
    PropertyPage(const QString& caption, float clientWidth, float clientHeight,
                 QWidget* parent = nullptr);
    ~PropertyPage() override;

    // The tab caption in the property-pages dialog.
    QString Caption() const { return m_caption; }

    // The designer's selection changed: load the editors from it. A load that
    // fails is told to the user and leaves the page with nothing to apply to.
    void setSelectedControls(const QList<QObject*>& controls);
    // The selection, without controls deleted since.
    QList<QObject*> SelectedControls() const;

    bool Changed() const { return m_changed; }
    void setChanged(bool changed);

    // Writes the editors back. Returns false when the page refused or failed
    // (also when the control it edits has been destroyed); it has told the
    // user why and keeps its changes.
    bool Apply();

    // Where the page tells the user about refused input; by default a real
    // message box over the page. Not owned.
    void setMessageBox(MessageBox& box) { m_messageBox = &box; }

signals:
    void ChangedStateChanged(bool changed);

protected:
    // Load the editors from the selection; may throw RuntimeError.
    virtual void SelectionChanged() = 0;
    // Write the editors into the selection; may throw RuntimeError, best
    // before writing anything.
    virtual void ApplyChanges() = 0;

    // The control the editors show, or nullptr when there is none.
    QObject* firstSelected() const;

    // The user's own edits (not the page's loading) raise Changed.
    void markChangedOnEdit(QLineEdit* editor);
    void markChangedOnEdit(QCheckBox* editor);
    void markChangedOnEdit(QComboBox* editor);

private:
    void tell(const QString& text);

    QString m_caption;
    QList<QPointer<QObject>> m_controls;
    bool m_changed = false;
    std::unique_ptr<MessageBox> m_ownMessageBox;
    MessageBox* m_messageBox;
};

} // namespace lx
