#pragma once
// "Glyph": a second picture drawn over the first (an icon on a button), with its blending,
// alignment and the smallest size at which it is shown.
#include "ui/sheet/property_page.h"

class QComboBox;
class QSpinBox;

namespace tessera::ui {

class ImageSlotPanel;
class NoteBox;
class RefreshTimer;

class GlyphPage : public PropertyPage {
  Q_OBJECT
 public:
  explicit GlyphPage(SectionEditorContext& editor, QWidget* parent = nullptr);


  ImageSlotPanel* slotPanel() const { return panel_; }
  QComboBox* transModeBox() const { return transMode_; }
  QSpinBox* constantAlphaBox() const { return constantAlpha_; }
  QComboBox* horzAlignBox() const { return horzAlign_; }
  QSpinBox* xShiftBox() const { return xShift_; }
  QComboBox* vertAlignBox() const { return vertAlign_; }
  QSpinBox* yShiftBox() const { return yShift_; }
  QSpinBox* minWidthBox() const { return minWidth_; }
  QSpinBox* minHeightBox() const { return minHeight_; }
  NoteBox* noteBox() const { return notes_; }

 private:
  void reload() override;
  void refreshAfterReload() override;
  QComboBox* optionBox(const char* key, const QStringList& options);
  QSpinBox* numberBox(const char* key);

  ImageSlotPanel* panel_ = nullptr;
  QComboBox* transMode_ = nullptr;
  QSpinBox* constantAlpha_ = nullptr;
  QComboBox* horzAlign_ = nullptr;
  QSpinBox* xShift_ = nullptr;
  QComboBox* vertAlign_ = nullptr;
  QSpinBox* yShift_ = nullptr;
  QSpinBox* minWidth_ = nullptr;
  QSpinBox* minHeight_ = nullptr;
  NoteBox* notes_ = nullptr;
  RefreshTimer* refresh_ = nullptr;
};

}  // namespace tessera::ui
