#include "ui/pages/painting_page_factory.h"

#include "ui/pages/animation_page.h"
#include "ui/pages/painting_page.h"

namespace tessera::ui {

PropertyPage* CreatePaintingOrAnimationPage(PageKind kind, SectionEditorContext& editor, QWidget* parent) {
  switch (kind) {
    case PageKind::Painting:
      return new CMyPropertyPage6(editor, parent);
    case PageKind::Animation:
      return new CMyPropertyPage4(editor, parent);
    default:
      return nullptr;
  }
}

}  // namespace tessera::ui
