// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: LGPL-3.0-or-later
#pragma once

#include "platform/property_page_catalog.h"

#include <QWidget>

namespace lx {

class LxButton;
class LxPanel;
class PropertyPagesDialog;

// A stand-in for a form designer: a button and a panel placed in design mode,
// each with a command that opens its property pages.
class DesignSurface : public QWidget {
    Q_OBJECT

public:
    DesignSurface();

    // The placed controls: the button, then the panel.
    QList<QObject*> placedControls() const;
    // The dialog the designer shows for a control (owned by the surface).
    PropertyPagesDialog* pagesFor(QObject* control);

private:
    void openPages(QObject* control);

    PropertyPageCatalog m_catalog;
    LxButton* lxbButton;
    LxPanel* panPanel;
};

} // namespace lx
