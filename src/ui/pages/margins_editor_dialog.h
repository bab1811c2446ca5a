#pragma once
// "Painting margins": edits how the current section's picture is painted and sized while the
// preview library draws the section live at a size the user drags. Every change is written at
// once; OK keeps the changes, Cancel, Escape and the close box take them back.
#include <QDialog>
#include <QStringList>
#include <array>
#include <optional>

#include "core/pages/painting_keys.h"
#include "core/pages/painting_preview.h"
#include "core/skin/skin_document.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QSpinBox;
class QToolButton;

namespace tessera::ui {

class MarginsPreview;
class RefreshTimer;
class SectionEditorContext;

class MarginsEditorDialog : public QDialog {
  Q_OBJECT
 public:
  MarginsEditorDialog(SectionEditorContext& editor, QWidget* parent = nullptr);
  ~MarginsEditorDialog() override;

  QComboBox* paintingList() const { return paintingList_; }
  QComboBox* middleList() const { return middleList_; }
  QSpinBox* marginBox(int edge) const { return marginBoxes_[static_cast<std::size_t>(edge)]; }
  QLabel* swatch(int edge) const { return swatches_[static_cast<std::size_t>(edge)]; }
  QCheckBox* tileBox(int edge) const { return tileBoxes_[static_cast<std::size_t>(edge)]; }
  QCheckBox* smartBox() const { return smartBox_; }
  QCheckBox* edgesOnlyBox() const { return edgesOnlyBox_; }
  QCheckBox* gridBox() const { return gridBox_; }
  QCheckBox* marginsBox() const { return marginsBox_; }
  QComboBox* stateList() const { return stateList_; }
  QToolButton* zoomButton() const { return zoomButton_; }
  MarginsPreview* preview() const { return preview_; }
  QWidget* previewArea() const { return previewArea_; }
  RefreshTimer* refreshTimer() const { return refresh_; }
  bool isInitialised() const { return initialised_; }
  // The size a double click on the preview restores.
  QSize defaultPreviewSize() const;

  void done(int result) override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* buildControls();
  void load();
  void restorePlacement();
  void storePlacement();
  void written();
  void updatePreview();
  void fitPreviewToRoom();
  std::array<int, 4> shownMargins() const;

  SectionEditorContext& editor_;
  std::string section_;
  std::string catalogueSection_;
  SectionPictureLayout layout_;
  bool initialised_ = false;
  bool changed_ = false;
  bool previewSized_ = false;
  int cancelPoint_ = -1;
  // Open while a margin mark is dragged, so the drag is one undo step.
  std::optional<SkinDocument::Step> dragStep_;

  QComboBox* paintingList_ = nullptr;
  QComboBox* middleList_ = nullptr;
  std::array<QSpinBox*, 4> marginBoxes_{};
  std::array<QLabel*, 4> swatches_{};
  std::array<QCheckBox*, 4> tileBoxes_{};
  QCheckBox* smartBox_ = nullptr;
  QCheckBox* edgesOnlyBox_ = nullptr;
  QCheckBox* gridBox_ = nullptr;
  QCheckBox* marginsBox_ = nullptr;
  QComboBox* stateList_ = nullptr;
  QToolButton* zoomButton_ = nullptr;
  QWidget* previewArea_ = nullptr;
  MarginsPreview* preview_ = nullptr;
  RefreshTimer* refresh_ = nullptr;
};

}  // namespace tessera::ui
