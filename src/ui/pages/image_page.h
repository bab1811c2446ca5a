#pragma once
// "Image": the section's main picture, with its transparency, frame layout and frame count.
#include "core/pages/image_page_values.h"
#include "ui/sheet/property_page.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QTimer;

namespace tessera::ui {

class ExampleBox;
class ImageSlotPanel;
class NoteBox;
class RefreshTimer;

class ImagePage : public PropertyPage {
  Q_OBJECT
 public:
  // The page loads again once the sheet has settled, 50 ms after it was created.
  static constexpr int kReloadDelayMs = 50;

  explicit ImagePage(SectionEditorContext& editor, QWidget* parent = nullptr);

  ImageSlotPanel* slotPanel() const { return panel_; }
  QCheckBox* transparencyBox() const { return transparency_; }
  QCheckBox* verticalBox() const { return vertical_; }
  QCheckBox* premultipliedBox() const { return premultiplied_; }
  QSpinBox* frameCountBox() const { return frameCount_; }
  QPushButton* defaultButton() const { return default_; }
  NoteBox* noteBox() const { return notes_; }
  RefreshTimer* refreshTimer() const { return refresh_; }
  // True until the settled reload has run.
  bool reloadPending() const;

 private:
  void reload() override;
  void refreshAfterReload() override;
  void applyVisibility();
  void chooseFile(const std::string& value);
  void writeTransparency();
  void edited();

  std::string topLevel_;
  ImagePageLayout layout_;
  ImageSlotPanel* panel_ = nullptr;
  QCheckBox* transparency_ = nullptr;
  QCheckBox* vertical_ = nullptr;
  QCheckBox* premultiplied_ = nullptr;
  QLabel* frameCountLabel_ = nullptr;
  QSpinBox* frameCount_ = nullptr;
  QPushButton* default_ = nullptr;
  NoteBox* notes_ = nullptr;
  ExampleBox* example_ = nullptr;
  RefreshTimer* refresh_ = nullptr;
  bool refillList_ = true;  // the next load reads the picture list afresh
  QTimer* reload_ = nullptr;
};

}  // namespace tessera::ui
