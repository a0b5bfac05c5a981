// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: LGPL-3.0-or-later
#include "control_pages.h"

#include "controls/pages/button_page.h"
#include "controls/pages/panel_page.h"
#include "platform/property_page_catalog.h"

namespace lx {

void addControlPages(PropertyPageCatalog& catalog) {
    catalog.add(QStringLiteral("Button"), [] { return new ButtonPage; });
    catalog.add(QStringLiteral("Panel"), [] { return new PanelPage; });
}

} // namespace lx
