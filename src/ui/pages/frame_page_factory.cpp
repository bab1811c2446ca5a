#include "ui/pages/frame_page_factory.h"

#include "ui/pages/border_page.h"
#include "ui/pages/frame_images_page.h"
#include "ui/pages/frame_indexes_page.h"
#include "ui/pages/frame_margins_page.h"

namespace tessera::ui {

PropertyPage* CreateFramePage(PageKind kind, SectionEditorContext& editor, QWidget* parent) {
  switch (kind) {
    case PageKind::FrameImages: return new CMyPropertyPage33(editor, parent);
    case PageKind::ShapeImages: return new CMyPropertyPage43(editor, parent);
    case PageKind::FrameIndexes: return new CMyPropertyPage53(editor, parent);
    case PageKind::SizingMargins: return new CMyPropertyPage62(editor, parent);
    case PageKind::LeftBorder: return new CMyPropertyPage72(editor, parent);
    case PageKind::RightBorder: return new CMyPropertyPage82(editor, parent);
    case PageKind::BottomBorder: return new CMyPropertyPage92(editor, parent);
    case PageKind::TopBorder: return new CMyPropertyPage14(editor, parent);
    default: return nullptr;
  }
}

}  // namespace tessera::ui
