#include "ui/pages/frame_page_factory.h"

#include "ui/pages/border_page.h"
#include "ui/pages/frame_images_page.h"
#include "ui/pages/frame_indexes_page.h"
#include "ui/pages/frame_margins_page.h"

namespace tessera::ui {

PropertyPage* CreateFramePage(PageKind kind, SectionEditorContext& editor, QWidget* parent) {
  switch (kind) {
    case PageKind::FrameImages: return new FrameImagesPage(editor, parent);
    case PageKind::ShapeImages: return new ShapeImagesPage(editor, parent);
    case PageKind::FrameIndexes: return new FrameIndexesPage(editor, parent);
    case PageKind::SizingMargins: return new SizingMarginsPage(editor, parent);
    case PageKind::LeftBorder: return new LeftBorderPage(editor, parent);
    case PageKind::RightBorder: return new RightBorderPage(editor, parent);
    case PageKind::BottomBorder: return new BottomBorderPage(editor, parent);
    case PageKind::TopBorder: return new TopBorderPage(editor, parent);
    default: return nullptr;
  }
}

}  // namespace tessera::ui
