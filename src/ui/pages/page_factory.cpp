#include "ui/pages/page_factory.h"

#include "ui/pages/glyph_page.h"
#include "ui/pages/image_page.h"
#include "ui/pages/settings_page.h"

namespace tessera::ui {

PropertyPage* CreateImageSlotPage(PageKind kind, SectionEditorContext& editor, QWidget* parent) {
  switch (kind) {
    case PageKind::Image: return new ImagePage(editor, parent);
    case PageKind::Glyph: return new GlyphPage(editor, parent);
    case PageKind::Settings: return new SettingsPage(editor, parent);
    default: return nullptr;
  }
}

}  // namespace tessera::ui
