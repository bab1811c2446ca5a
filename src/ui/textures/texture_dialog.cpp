#include "ui/textures/texture_dialog.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "core/pages/texture_keys.h"
#include "ui/app/window_placement.h"

namespace tessera::ui {

TextureDialog::TextureDialog(SkinDocument* document, QWidget* parent)
    : TextureEditorBase(document, QStringLiteral("Set startmenu and taskbar texture"), SkinPreviewBand::Content::StartMenuAndTaskbar,
                        parent) {
  auto* lists = new QHBoxLayout;
  auto* left = new QVBoxLayout;
  auto* right = new QVBoxLayout;
  lists->addLayout(left, 1);
  lists->addLayout(right, 1);
  body()->addLayout(lists, 1);
  addPicker(QStringLiteral("Start Menu texture : "), kStartMenuTextureSection, left);
  addPicker(QStringLiteral("Taskbar texture : "), kTaskbarTextureSection, right);
  ResizeToFirstSize(*this, QSize(760, 620));
}

}  // namespace tessera::ui
