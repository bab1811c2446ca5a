#include "ui/pages/painting_page_factory.h"

#include "ui/pages/animation_page.h"
#include "ui/pages/painting_page.h"

namespace tessera::ui {

PropertyPage* CreatePaintingOrAnimationPage(PageKind kind, SectionEditorContext& editor, QWidget* parent) {
  switch (kind) {
    case PageKind::Painting:
      return new PaintingPage(editor, parent);
    case PageKind::Animation:
      return new AnimationPage(editor, parent);
    default:
      return nullptr;
  }
}

}  // namespace tessera::ui
