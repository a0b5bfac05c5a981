// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: LGPL-3.0-or-later
#pragma once

#include "platform/core/lx_export.h"
namespace lx {

class PropertyPageCatalog;

// Makes the controls' own pages, "Button" and "Panel", known to a designer.
LX_EXPORT void addControlPages(PropertyPageCatalog& catalog);

} // namespace lx
