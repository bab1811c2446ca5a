#pragma once
// "Frame indexes": which frame of the frame and shape images each kind of window shows when
// active, inactive and disabled. The lists follow the frame counts, which the other pages of
// the section can change, so the page reads again each time it is shown.
#include <array>

#include "ui/sheet/property_page.h"

class QComboBox;

namespace tessera::ui {

class RefreshTimer;

class FrameIndexesPage : public PropertyPage {
  Q_OBJECT
 public:
  explicit FrameIndexesPage(SectionEditorContext& editor, QWidget* parent = nullptr);

  // row: "Sizable windows :", "Non sizable windows :", "MDI child windows :"; state: active,
  // inactive, disabled.
  QComboBox* frameList(int row, int state) const { return frameLists_[row][state]; }
  QComboBox* shapeList(int row, int state) const { return shapeLists_[row][state]; }


 protected:
  void showEvent(QShowEvent* event) override;

 private:
  // Fills the lists from the frame counts and selects each from its key.
  void reload() override;
  void refreshAfterReload() override;
  using ListRow = std::array<QComboBox*, 3>;
  QComboBox* makeList(const char* key);
  void loadRow(const ListRow& lists, const std::array<const char*, 3>& keys, bool shape, int count);

  std::array<ListRow, 3> frameLists_{};
  std::array<ListRow, 3> shapeLists_{};
  RefreshTimer* refresh_ = nullptr;
};

}  // namespace tessera::ui
