#pragma once
// Builds the "Text" page and the four caption pages for the property sheet.
#include <QWidget>

#include "core/sheet/page_routing.h"
#include "ui/sheet/property_page.h"

namespace tessera::ui {

// The page for PageKind::Text, CaptionTextSettings, CaptionClickSettings, Caption or
// TextSettings; nullptr for any other kind.
PropertyPage* CreateTextOrCaptionPage(PageKind kind, SectionEditorContext& editor, QWidget* parent);

}  // namespace tessera::ui
