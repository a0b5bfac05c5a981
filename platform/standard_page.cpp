// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: LGPL-3.0-or-later
#include "standard_page.h"

#include "property_by_name.h"

#include <QComboBox>
#include <QLabel>
#include <QMetaProperty>
#include <QVBoxLayout>

namespace lx {

namespace {

// Where a control's own properties start, after those of Qt's base classes.
int firstOwnProperty(const QMetaObject& meta) {
    for (const QMetaObject* base = &meta; base; base = base->superClass()) {
        if (base == &QWidget::staticMetaObject || base == &QObject::staticMetaObject) {
            return base->propertyCount();
        }
    }
    return 0;
}

} // namespace

StandardPage::StandardPage(const QString& caption, QWidget* parent)
    : PropertyPage(caption, 0, 0, parent)
    , cboProperties(new QComboBox(this))
    , m_layout(new QVBoxLayout(this)) {
    cboProperties->setObjectName(QStringLiteral("cboProperties"));
    auto* lblProperties = new QLabel(tr("Properties:"), this);
    lblProperties->setObjectName(QStringLiteral("lblProperties"));
    lblProperties->setBuddy(cboProperties);
    m_layout->addWidget(lblProperties);
    m_layout->addWidget(cboProperties);
    connect(cboProperties, &QComboBox::currentIndexChanged, this, [this] { showChosen(); });
}

void StandardPage::setPicker(QWidget* picker) {
    m_layout->addWidget(picker);
    setFixedSize(m_layout->sizeHint());
}

void StandardPage::picked(const QVariant& value) {
    if (m_showing || cboProperties->currentIndex() < 0) {
        return;
    }
    m_picked.insert(cboProperties->currentText(), value);
    setChanged(true);
}

void StandardPage::SelectionChanged() {
    m_values.clear();
    m_picked.clear();
    if (const QObject* control = firstSelected()) {
        const QMetaObject* meta = control->metaObject();
        for (int i = firstOwnProperty(*meta); i < meta->propertyCount(); ++i) {
            const QMetaProperty property = meta->property(i);
            if (isEdited(property)) {
                m_values.insert(QString::fromLatin1(property.name()), property.read(control));
            }
        }
    }
    const QSignalBlocker quiet(cboProperties);
    cboProperties->clear();
    cboProperties->addItems(m_values.keys());
    showChosen();
}

void StandardPage::ApplyChanges() {
    for (auto value = m_picked.cbegin(); value != m_picked.cend(); ++value) {
        const QByteArray name = value.key().toLatin1();
        for (QObject* control : SelectedControls()) {
            if (control->metaObject()->indexOfProperty(name) >= 0) {
                writeProperty(*control, name, value.value());
            }
        }
        m_values.insert(value.key(), value.value());
    }
    m_picked.clear();
}

void StandardPage::showChosen() {
    const QString name = cboProperties->currentText();
    m_showing = true;
    showValue(m_picked.value(name, m_values.value(name)));
    m_showing = false;
}

} // namespace lx
