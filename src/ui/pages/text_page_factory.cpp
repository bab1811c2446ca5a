#include "ui/pages/text_page_factory.h"

#include "ui/pages/caption_personality_pages.h"
#include "ui/pages/caption_text_pages.h"
#include "ui/pages/text_page.h"

namespace tessera::ui {

PropertyPage* CreateTextOrCaptionPage(PageKind kind, SectionEditorContext& editor, QWidget* parent) {
  switch (kind) {
    case PageKind::Text:
      return new TextPage(editor, parent);
    case PageKind::CaptionTextSettings:
      return new CaptionTextSettingsPage(editor, parent);
    case PageKind::CaptionClickSettings:
      return new CaptionClickSettingsPage(editor, parent);
    case PageKind::Caption:
      return new CaptionPage(editor, parent);
    case PageKind::TextSettings:
      return new TextSettingsPage(editor, parent);
    default:
      return nullptr;
  }
}

}  // namespace tessera::ui
