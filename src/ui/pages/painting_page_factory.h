#pragma once
// Builds the "Painting" and "Animation" pages for the property sheet.
#include <QWidget>

#include "core/sheet/page_routing.h"
#include "ui/sheet/property_page.h"

namespace tessera::ui {

// The page for PageKind::Painting or PageKind::Animation; nullptr for any other kind.
PropertyPage* CreatePaintingOrAnimationPage(PageKind kind, SectionEditorContext& editor, QWidget* parent);

}  // namespace tessera::ui
