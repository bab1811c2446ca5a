#include "ui/pages/title_bar_button_page_factory.h"

#include "ui/pages/button_actions_page.h"
#include "ui/pages/button_glow_page.h"
#include "ui/pages/button_image_page.h"
#include "ui/pages/button_position_page.h"
#include "ui/pages/button_visibility_page.h"
#include "ui/pages/buttons_list_page.h"
#include "ui/pages/frame_button_position_page.h"

namespace tessera::ui {

PropertyPage* CreateTitleBarButtonPage(PageKind kind, SectionEditorContext& editor, QWidget* parent) {
  switch (kind) {
    case PageKind::Buttons: return new ButtonsListPage(editor, parent);
    case PageKind::ButtonImage: return new ButtonImagePage(editor, parent);
    case PageKind::Actions: return new ButtonActionsPage(editor, parent);
    case PageKind::ButtonPosition: return new ButtonPositionPage(editor, parent);
    case PageKind::Visibility: return new ButtonVisibilityPage(editor, parent);
    case PageKind::MouseoverGlow: return new ButtonGlowPage(editor, parent);
    case PageKind::Position: return new FrameButtonPositionPage(editor, parent);
    default: return nullptr;
  }
}

}  // namespace tessera::ui
