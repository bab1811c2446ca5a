#pragma once
// Builds the six title-bar button pages and the per-pixel frame buttons' "Position" page.
#include "core/sheet/page_routing.h"
#include "ui/sheet/property_page.h"

namespace tessera::ui {

// The page for PageKind::Buttons, ButtonImage, Actions, ButtonPosition, Visibility,
// MouseoverGlow or Position; nullptr for any other kind.
PropertyPage* CreateTitleBarButtonPage(PageKind kind, SectionEditorContext& editor, QWidget* parent);

}  // namespace tessera::ui
