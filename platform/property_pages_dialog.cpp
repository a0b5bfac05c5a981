// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: LGPL-3.0-or-later
#include "property_pages_dialog.h"

#include "property_page.h"
#include "property_page_catalog.h"
#include "property_page_names.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace lx {

PropertyPagesDialog::PropertyPagesDialog(QWidget* parent)
    : QDialog(parent)
    , tabPages(new QTabWidget(this)) {
    setWindowTitle(tr("Property Pages"));
    tabPages->setObjectName(QStringLiteral("tabPages"));
    auto* buttons = new QDialogButtonBox(
        QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Apply, this);
    cmdOK = buttons->button(QDialogButtonBox::Ok);
    cmdCancel = buttons->button(QDialogButtonBox::Cancel);
    cmdApply = buttons->button(QDialogButtonBox::Apply);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdApply->setObjectName(QStringLiteral("cmdApply"));
    connect(cmdOK, &QPushButton::clicked, this, &PropertyPagesDialog::accept);
    connect(cmdCancel, &QPushButton::clicked, this, &PropertyPagesDialog::reject);
    connect(cmdApply, &QPushButton::clicked, this, &PropertyPagesDialog::applyChanges);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabPages);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    updateApplyButton();
}

PropertyPagesDialog* PropertyPagesDialog::forSelection(const PropertyPageCatalog& catalog,
                                                       const QList<QObject*>& controls,
                                                       QWidget* parent) {
    auto* dialog = new PropertyPagesDialog(parent);
    for (const QString& name : commonPropertyPages(controls)) {
        if (PropertyPage* page = catalog.create(name)) {
            dialog->addPage(page);
        }
    }
    dialog->setSelectedControls(controls);
    return dialog;
}

void PropertyPagesDialog::addPage(PropertyPage* page) {
    m_pages.append(page);
    tabPages->addTab(page, page->Caption());
    connect(page, &PropertyPage::ChangedStateChanged, this,
            &PropertyPagesDialog::updateApplyButton);
    updateApplyButton();
}

void PropertyPagesDialog::setSelectedControls(const QList<QObject*>& controls) {
    for (PropertyPage* page : m_pages) {
        page->setSelectedControls(controls);
    }
}

bool PropertyPagesDialog::applyChanges() {
    for (PropertyPage* page : m_pages) {
        if (page->Changed() && !page->Apply()) {
            tabPages->setCurrentWidget(page);
            return false;
        }
    }
    return true;
}

void PropertyPagesDialog::accept() {
    if (applyChanges()) {
        QDialog::accept();
    }
}

void PropertyPagesDialog::updateApplyButton() {
    bool anyChanged = false;
    for (const PropertyPage* page : m_pages) {
        anyChanged = anyChanged || page->Changed();
    }
    cmdApply->setEnabled(anyChanged);
}

} // namespace lx
