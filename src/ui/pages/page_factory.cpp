#include "ui/pages/page_factory.h"

#include "ui/pages/glyph_page.h"
#include "ui/pages/image_page.h"
#include "ui/pages/settings_page.h"

namespace tessera::ui {

PropertyPage* CreateImageSlotPage(PageKind kind, SectionEditorContext& editor, QWidget* parent) {
  switch (kind) {
    case PageKind::Image: return new CMyPropertyPage1(editor, parent);
    case PageKind::Glyph: return new CMyPropertyPage2(editor, parent);
    case PageKind::Settings: return new CMyPropertyPage8(editor, parent);
    default: return nullptr;
  }
}

}  // namespace tessera::ui
