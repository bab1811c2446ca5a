#pragma once
// "Painting": how the section's picture is painted and sized (painting mode, the four sizing
// margins and their tiling, the middle area), with a preview of the section.
#include <QStringList>
#include <array>

#include "ui/sheet/property_page.h"

class QCheckBox;
class QComboBox;
class QPushButton;
class QSpinBox;
class QToolButton;

namespace tessera::ui {

class PaintingPreviewBox;
class RefreshTimer;

class PaintingPage : public PropertyPage {
  Q_OBJECT
 public:
  explicit PaintingPage(SectionEditorContext& editor, QWidget* parent = nullptr);

  QComboBox* modeList() const { return modeList_; }
  QSpinBox* marginBox(int edge) const { return marginBoxes_[static_cast<std::size_t>(edge)]; }
  QCheckBox* tileBox(int edge) const { return tileBoxes_[static_cast<std::size_t>(edge)]; }
  QComboBox* middleList() const { return middleList_; }
  QCheckBox* smartBox() const { return smartBox_; }
  QPushButton* syncButton() const { return syncButton_; }
  QCheckBox* marginsBox() const { return marginsBox_; }
  QCheckBox* gridBox() const { return gridBox_; }
  QComboBox* stateList() const { return stateList_; }
  QToolButton* marginsEditorButton() const { return marginsEditorButton_; }
  PaintingPreviewBox* preview() const { return preview_; }
  RefreshTimer* refreshTimer() const { return refresh_; }

 private:
  QWidget* buildPaintingControls();
  QWidget* buildPreviewControls();
  void reload() override;
  void refreshAfterReload() override;
  void enableMarginControls(bool on);
  void edited();
  void sync();
  void updatePreviewOptions();
  void fitPreviewToFrame(QSize bound);
  double dialogScale() const;
  void openMarginsEditor();

  QComboBox* modeList_ = nullptr;
  std::array<QSpinBox*, 4> marginBoxes_{};
  std::array<QCheckBox*, 4> tileBoxes_{};
  QComboBox* middleList_ = nullptr;
  QCheckBox* smartBox_ = nullptr;
  QPushButton* syncButton_ = nullptr;
  QCheckBox* marginsBox_ = nullptr;
  QCheckBox* gridBox_ = nullptr;
  QComboBox* stateList_ = nullptr;
  QToolButton* marginsEditorButton_ = nullptr;
  PaintingPreviewBox* preview_ = nullptr;
  RefreshTimer* refresh_ = nullptr;
};

}  // namespace tessera::ui
