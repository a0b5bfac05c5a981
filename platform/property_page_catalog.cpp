// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: LGPL-3.0-or-later
#include "property_page_catalog.h"

#include "standard_color_page.h"
#include "standard_font_page.h"

namespace lx {

PropertyPageCatalog::PropertyPageCatalog() {
    add(QStringLiteral("StandardColor"), [] { return new StandardColorPage; });
    add(QStringLiteral("StandardFont"), [] { return new StandardFontPage; });
}

void PropertyPageCatalog::add(const QString& name, Maker maker) {
    m_makers.insert(name, std::move(maker));
}

PropertyPage* PropertyPageCatalog::create(const QString& name) const {
    const auto maker = m_makers.constFind(name);
    return maker == m_makers.constEnd() ? nullptr : (*maker)();
}

} // namespace lx
