#pragma once
// The "Text" page: alignment, colour and font of the text of each state of a control, and the
// content (text) area of the section, with a preview of the text as the engine draws it.
#include <array>

#include "core/pages/text_keys.h"
#include "ui/sheet/property_page.h"

class QComboBox;
class QSpinBox;

namespace tessera::ui {

class RefreshTimer;
class SkinPresetList;
class TextPreviewBox;

class TextPage : public PropertyPage {
  Q_OBJECT
 public:
  explicit TextPage(SectionEditorContext& editor, QWidget* parent = nullptr);

  QComboBox* stateList() const { return stateList_; }
  QComboBox* horizontalList() const { return horizontal_; }
  QComboBox* verticalList() const { return vertical_; }
  SkinPresetList* colourList() const { return colours_; }
  SkinPresetList* fontList() const { return fonts_; }
  // Top, bottom, left, right.
  QSpinBox* contentBox(int edge) const { return content_[static_cast<std::size_t>(edge)]; }
  TextPreviewBox* preview() const { return preview_; }
  QWidget* stateControls() const { return stateControls_; }
  RefreshTimer* refreshTimer() const { return refresh_; }
  const TextPageCatalogue& catalogueEntry() const { return catalogue_; }

 private:
  void reload() override;
  void refreshAfterReload() override;
  QWidget* buildStateControls();
  QWidget* buildContentMargins();
  void loadState();
  void writeAlignment(bool horizontal, int value);
  void writePreset(bool colour, int row);
  void selectPresets(const TextStateValues& values);

  TextPageCatalogue catalogue_;
  QComboBox* stateList_ = nullptr;
  QComboBox* horizontal_ = nullptr;
  QComboBox* vertical_ = nullptr;
  SkinPresetList* colours_ = nullptr;
  SkinPresetList* fonts_ = nullptr;
  std::array<QSpinBox*, 4> content_{};
  TextPreviewBox* preview_ = nullptr;
  QWidget* stateControls_ = nullptr;
  RefreshTimer* refresh_ = nullptr;
};

}  // namespace tessera::ui
