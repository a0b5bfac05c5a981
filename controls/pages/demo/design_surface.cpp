// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: LGPL-3.0-or-later
#include "design_surface.h"

#include "controls/button/lx_button.h"
#include "controls/pages/control_pages.h"
#include "controls/panel/lx_panel.h"
#include "platform/property_pages_dialog.h"

#include <QPushButton>

namespace lx {

namespace {

template <typename Control> Control* placeInDesignMode(QWidget* surface, const char* name) {
    auto* control = new Control(surface);
    control->setObjectName(QString::fromLatin1(name));
    control->setUserMode(false);
    control->InitProperties();
    return control;
}

} // namespace

DesignSurface::DesignSurface()
    : lxbButton(placeInDesignMode<LxButton>(this, "lxbButton"))
    , panPanel(placeInDesignMode<LxPanel>(this, "panPanel")) {
    setWindowTitle(tr("Property pages at design time"));
    lxbButton->Move(240, 240, 1800, 600);
    panPanel->Move(2400, 240, 4800, 3600);

    auto* cmdButtonPages = new QPushButton(tr("Button properties..."), this);
    auto* cmdPanelPages = new QPushButton(tr("Panel properties..."), this);
    cmdButtonPages->setGeometry(16, 270, 136, 28);
    cmdPanelPages->setGeometry(16, 306, 136, 28);
    connect(cmdButtonPages, &QPushButton::clicked, this, [this] { openPages(lxbButton); });
    connect(cmdPanelPages, &QPushButton::clicked, this, [this] { openPages(panPanel); });
    resize(500, 360);

    addControlPages(m_catalog);
}

QList<QObject*> DesignSurface::placedControls() const {
    return {lxbButton, panPanel};
}

PropertyPagesDialog* DesignSurface::pagesFor(QObject* control) {
    return PropertyPagesDialog::forSelection(m_catalog, {control}, this);
}

void DesignSurface::openPages(QObject* control) {
    PropertyPagesDialog* dialog = pagesFor(control);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
}

} // namespace lx
