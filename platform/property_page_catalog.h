// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: LGPL-3.0-or-later
#pragma once

#include "platform/core/lx_export.h"
#include <QHash>
#include <QString>
#include <functional>

namespace lx {

class PropertyPage;

// The pages a designer can make, by the names controls give them. Knows the
// standard colour and font pages from the start.
class LX_EXPORT PropertyPageCatalog {
public:
    using Maker = std::function<PropertyPage*()>;

    PropertyPageCatalog();

    void add(const QString& name, Maker maker);
    // A new page, owned by the caller; nullptr for an unknown name.
    PropertyPage* create(const QString& name) const;

private:
    QHash<QString, Maker> m_makers;
};

} // namespace lx
