// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: LGPL-3.0-or-later
#include "property_page.h"

#include "core/runtime_error.h"
#include "message_box.h"
#include "twips.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

namespace lx {

PropertyPage::PropertyPage(const QString& caption, float clientWidth, float clientHeight,
                           QWidget* parent)
    : QWidget(parent)
    , m_caption(caption)
    , m_ownMessageBox(std::make_unique<QtMessageBox>(this))
    , m_messageBox(m_ownMessageBox.get()) {
    setObjectName(caption);
    setFixedSize(twips::toPixels(clientWidth), twips::toPixels(clientHeight));
}

PropertyPage::~PropertyPage() = default;

void PropertyPage::setSelectedControls(const QList<QObject*>& controls) {
    m_controls.clear();
    for (QObject* control : controls) {
        m_controls.append(control);
    }
    try {
        SelectionChanged();
    } catch (const RuntimeError& error) {
        // Half-loaded editors must never be written back.
        m_controls.clear();
        tell(QString::fromStdString(error.what()));
    }
    setChanged(false);
}

QList<QObject*> PropertyPage::SelectedControls() const {
    QList<QObject*> alive;
    for (const QPointer<QObject>& control : m_controls) {
        if (control) {
            alive.append(control);
        }
    }
    return alive;
}

void PropertyPage::setChanged(bool changed) {
    if (m_changed == changed) {
        return;
    }
    m_changed = changed;
    emit ChangedStateChanged(changed);
}

bool PropertyPage::Apply() {
    if (m_controls.isEmpty()) {
        setChanged(false); // nothing loaded, nothing to write
        return true;
    }
    if (!firstSelected()) {
        tell(tr("The control this page edits no longer exists; the changes cannot be applied."));
        return false;
    }
    try {
        ApplyChanges();
    } catch (const RuntimeError& error) {
        tell(QString::fromStdString(error.what()));
        return false;
    }
    setChanged(false);
    return true;
}

QObject* PropertyPage::firstSelected() const {
    return m_controls.isEmpty() ? nullptr : m_controls.first().data();
}

void PropertyPage::markChangedOnEdit(QLineEdit* editor) {
    connect(editor, &QLineEdit::textEdited, this, [this] { setChanged(true); });
}

void PropertyPage::markChangedOnEdit(QCheckBox* editor) {
    connect(editor, &QCheckBox::clicked, this, [this] { setChanged(true); });
}

void PropertyPage::markChangedOnEdit(QComboBox* editor) {
    connect(editor, &QComboBox::activated, this, [this] { setChanged(true); });
}

void PropertyPage::tell(const QString& text) {
    m_messageBox->show(text, m_caption, MessageBox::Icon::Exclamation);
}

} // namespace lx
