#pragma once
// The image slot pages the property sheet can add: "Image", "Glyph" and "Settings".
#include "core/sheet/page_routing.h"
#include "ui/sheet/property_page.h"

namespace tessera::ui {

// The page for PageKind::Image, Glyph or Settings; nullptr for any other kind.
PropertyPage* CreateImageSlotPage(PageKind kind, SectionEditorContext& editor, QWidget* parent);

}  // namespace tessera::ui
