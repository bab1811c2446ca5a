#pragma once
// Builds the frame and border pages for the property sheet.
#include <QWidget>

#include "core/sheet/page_routing.h"
#include "ui/sheet/property_page.h"

namespace tessera::ui {

// The page for the frame kinds ("Frame images", "Shape images", "Frame indexes", "Sizing
// margins") and the border kinds ("Left border" .. "Top border"); nullptr for any other kind.
PropertyPage* CreateFramePage(PageKind kind, SectionEditorContext& editor, QWidget* parent);

}  // namespace tessera::ui
