#pragma once
// "Frame images" and "Shape images": two image slots of the current section and the frame
// count they share. Frame images pick files through the ">" menu; shape images through an
// "Import file..." button per image.
#include <array>

#include "core/pages/image_slot.h"
#include "core/skin/catalogue.h"
#include "ui/sheet/property_page.h"

class QPushButton;
class QSpinBox;

namespace tessera::ui {

class ImageSlotPanel;
class NoteBox;
class RefreshTimer;

struct FrameImageSlot {
  const char* label;
  SlotKeys keys;
};

struct FrameImagePageSetup {
  const char* caption;
  std::array<FrameImageSlot, 2> images;
  const char* countKey;
  CatalogueText notesKey;
  bool importButtons;  // "Import file..." buttons instead of the ">" menu
  bool frameSample;    // the previews show the frame as its shape cuts it
};

class FrameImagePairPage : public PropertyPage {
  Q_OBJECT
 public:
  FrameImagePairPage(const FrameImagePageSetup& setup, SectionEditorContext& editor, QWidget* parent = nullptr);

  ImageSlotPanel* slotPanel(int index) const { return panels_[index]; }
  // The "Import file..." button of a slot; nullptr on pages that use the ">" menu.
  QPushButton* importButton(int index) const { return importButtons_[index]; }
  QSpinBox* frameCountBox() const { return frameCount_; }
  QPushButton* defaultButton() const { return default_; }
  NoteBox* noteBox() const { return notes_; }

 private:
  void reload() override;
  void refreshAfterReload() override;
  ImageSlotPanel* makeSlot(const FrameImageSlot& slot);
  void writeCount();
  void edited();

  const FrameImagePageSetup& setup_;
  std::array<ImageSlotPanel*, 2> panels_{};
  std::array<QPushButton*, 2> importButtons_{};
  QSpinBox* frameCount_ = nullptr;
  QPushButton* default_ = nullptr;
  NoteBox* notes_ = nullptr;
  RefreshTimer* refresh_ = nullptr;
};

// "Frame images": "HorzFrame", "VertFrame" and "FrameCount".
class FrameImagesPage : public FrameImagePairPage {
  Q_OBJECT
 public:
  explicit FrameImagesPage(SectionEditorContext& editor, QWidget* parent = nullptr);
};

// "Shape images": "ShapeLeftImage", "ShapeRightImage" and "ShapeFrameCount".
class ShapeImagesPage : public FrameImagePairPage {
  Q_OBJECT
 public:
  explicit ShapeImagesPage(SectionEditorContext& editor, QWidget* parent = nullptr);
};

}  // namespace tessera::ui
