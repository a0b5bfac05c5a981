#pragma once

namespace lx {

class PropertyPageCatalog;

// Makes the controls' own pages, "Button" and "Panel", known to a designer.
void addControlPages(PropertyPageCatalog& catalog);

} // namespace lx
