#pragma once
// "Set startmenu and taskbar texture": the texture pictures of the start menu and the taskbar,
// under a preview of both.
#include "ui/textures/texture_editor_base.h"

namespace tessera::ui {

class TextureDialog : public TextureEditorBase {
  Q_OBJECT
 public:
  explicit TextureDialog(SkinDocument* document, QWidget* parent = nullptr);

  TexturePicker* startMenuPicker() const { return pickers()[0]; }
  TexturePicker* taskbarPicker() const { return pickers()[1]; }
};

}  // namespace tessera::ui
