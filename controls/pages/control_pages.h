#pragma once

#include "platform/core/lx_export.h"
namespace lx {

class PropertyPageCatalog;

// Makes the controls' own pages, "Button" and "Panel", known to a designer.
LX_EXPORT void addControlPages(PropertyPageCatalog& catalog);

} // namespace lx
