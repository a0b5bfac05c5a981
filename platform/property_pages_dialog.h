// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: LGPL-3.0-or-later
#pragma once

#include "platform/core/lx_export.h"
#include <QDialog>
#include <QList>

class QPushButton;
class QTabWidget;

namespace lx {

class PropertyPage;
class PropertyPageCatalog;

// The designer's property-pages dialog: its pages as tabs, with OK, Cancel
// and Apply. Apply is enabled only while a page has changes; OK applies and
// closes, but stays open on a page that refused its input.
class LX_EXPORT PropertyPagesDialog : public QDialog {
    Q_OBJECT

public:
    explicit PropertyPagesDialog(QWidget* parent = nullptr);

    // The dialog for a selection: the pages every selected control names,
    // in the first control's order, made by the catalog and loaded.
    static PropertyPagesDialog* forSelection(const PropertyPageCatalog& catalog,
                                             const QList<QObject*>& controls,
                                             QWidget* parent = nullptr);

    // Takes ownership; the page's caption becomes its tab's.
    void addPage(PropertyPage* page);
    QList<PropertyPage*> pages() const { return m_pages; }
    void setSelectedControls(const QList<QObject*>& controls);

    // Applies every changed page; false when one refused (it is made current).
    bool applyChanges();

    void accept() override;

private:
    void updateApplyButton();

    QTabWidget* tabPages;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;
    QPushButton* cmdApply;
    QList<PropertyPage*> m_pages;
};

} // namespace lx
