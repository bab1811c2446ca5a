#pragma once
// "Included Fonts": the five TrueType files of the skin folder that the engine installs with the
// skin. "Copy font from disk" brings a font into the skin folder (a file that is no font is
// refused); "OK" writes the choices, "Cancel" takes back everything the dialog did, copies too.
#include <QDialog>
#include <QPointer>
#include <array>

#include "core/colours/included_fonts.h"
#include "core/skin/skin_document.h"

class QComboBox;

namespace tessera::ui {

class IncludedFontsDialog final : public QDialog {
  Q_OBJECT
 public:
  static constexpr const char* kNone = "<None>";

  explicit IncludedFontsDialog(SkinDocument* document, QWidget* parent = nullptr);

  QComboBox* fontList(int index) const { return lists_[static_cast<std::size_t>(index)]; }
  void copyFontFromDisk();
  void done(int result) override;

 private:
  QPointer<SkinDocument> document_;
  // Refills the five lists, keeping each list's choice (the stored fonts at the start).
  void fillLists(const IncludedFonts& chosen);
  IncludedFonts chosenFonts() const;

  std::array<QComboBox*, kIncludedFontCount> lists_{};
  int cancelPoint_ = -1;
};

}  // namespace tessera::ui
