#include "ui/colours/colour_choosers.h"

#include <QColorDialog>

namespace tessera::ui {

std::optional<ColorRef> ChooseColourWithDialog(QWidget* parent, ColorRef initial) {
  QColorDialog dialog(ColourToQt(initial), parent);
  // Qt's own dialog: the same fully open chooser on every desktop.
  dialog.setOption(QColorDialog::DontUseNativeDialog);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return ColourFromQt(dialog.selectedColor());
}

ColourChooser& CurrentColourChooser() {
  static ColourChooser chooser = &ChooseColourWithDialog;
  return chooser;
}

}  // namespace tessera::ui
