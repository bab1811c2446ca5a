#pragma once
// "Left border", "Right border", "Bottom border" and "Top border": one border image of the
// window frame with its frame count, stretch flag and two sizing margins.
#include "core/pages/border_keys.h"
#include "ui/sheet/property_page.h"

class QCheckBox;
class QPushButton;
class QSpinBox;

namespace tessera::ui {

class ExampleBox;
class ImageSlotPanel;
class NoteBox;
class RefreshTimer;

class BorderPage : public PropertyPage {
  Q_OBJECT
 public:
  BorderPage(BorderSide side, SectionEditorContext& editor, QWidget* parent = nullptr);

  ImageSlotPanel* slotPanel() const { return panel_; }
  QSpinBox* frameCountBox() const { return frameCount_; }
  QPushButton* defaultButton() const { return default_; }
  QCheckBox* stretchBox() const { return stretch_; }
  QSpinBox* firstMarginBox() const { return firstMargin_; }
  QSpinBox* secondMarginBox() const { return secondMargin_; }
  NoteBox* noteBox() const { return notes_; }
  ExampleBox* exampleBox() const { return example_; }

 private:
  QSpinBox* marginBox(const char* key);
  void reload() override;
  void refreshAfterReload() override;
  void edited();

  const BorderKeys& keys_;
  BorderCatalogue catalogue_;
  ImageSlotPanel* panel_ = nullptr;
  QSpinBox* frameCount_ = nullptr;
  QPushButton* default_ = nullptr;
  QCheckBox* stretch_ = nullptr;
  QSpinBox* firstMargin_ = nullptr;
  QSpinBox* secondMargin_ = nullptr;
  NoteBox* notes_ = nullptr;
  ExampleBox* example_ = nullptr;
  RefreshTimer* refresh_ = nullptr;
};

class LeftBorderPage : public BorderPage {
  Q_OBJECT
 public:
  explicit LeftBorderPage(SectionEditorContext& editor, QWidget* parent = nullptr)
      : BorderPage(BorderSide::Left, editor, parent) {}
};

class RightBorderPage : public BorderPage {
  Q_OBJECT
 public:
  explicit RightBorderPage(SectionEditorContext& editor, QWidget* parent = nullptr)
      : BorderPage(BorderSide::Right, editor, parent) {}
};

class BottomBorderPage : public BorderPage {
  Q_OBJECT
 public:
  explicit BottomBorderPage(SectionEditorContext& editor, QWidget* parent = nullptr)
      : BorderPage(BorderSide::Bottom, editor, parent) {}
};

class TopBorderPage : public BorderPage {
  Q_OBJECT
 public:
  explicit TopBorderPage(SectionEditorContext& editor, QWidget* parent = nullptr)
      : BorderPage(BorderSide::Top, editor, parent) {}
};

}  // namespace tessera::ui
