#pragma once
// "Sizing margins": the stretch flags and sizing margins of the four borders of a frame drawn
// from frame images, kept in section "Borders".
#include <array>

#include "ui/sheet/property_page.h"

class QCheckBox;
class QSpinBox;

namespace tessera::ui {

class RefreshTimer;

class SizingMarginsPage : public PropertyPage {
  Q_OBJECT
 public:
  explicit SizingMarginsPage(SectionEditorContext& editor, QWidget* parent = nullptr);

  // Borders in the order left, right, top, bottom.
  QCheckBox* stretchBox(int border) const { return stretch_[border]; }
  QSpinBox* firstMarginBox(int border) const { return firstMargin_[border]; }
  QSpinBox* secondMarginBox(int border) const { return secondMargin_[border]; }

 private:
  void reload() override;
  void refreshAfterReload() override;
  QSpinBox* marginBox(const char* key);

  std::array<QCheckBox*, 4> stretch_{};
  std::array<QSpinBox*, 4> firstMargin_{};
  std::array<QSpinBox*, 4> secondMargin_{};
  RefreshTimer* refresh_ = nullptr;
};

}  // namespace tessera::ui
