#pragma once
// "Image" of a title-bar button: its picture strip, transparency, image count and animation rate.
#include "ui/pages/title_bar_button_page.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QSpinBox;

namespace tessera::ui {

class ButtonSlider;
class ImageSlotPanel;

class ButtonImagePage : public TitleBarButtonPage {
  Q_OBJECT
 public:
  explicit ButtonImagePage(SectionEditorContext& editor, QWidget* parent = nullptr);

  ImageSlotPanel* slotPanel() const { return panel_; }
  QCheckBox* transparencyBox() const { return transparent_; }
  QCheckBox* perPixelBox() const { return perPixel_; }
  QSpinBox* frameCountBox() const { return frameCount_; }
  QPushButton* defaultButton() const { return default_; }
  ButtonSlider* rateSlider() const { return rate_; }

 protected:
  void startPage() override;
  void loadButton(const TitleBarButtonKeys* keys) override;

 private:
  void chooseImage(const std::string& value);

  ImageSlotPanel* panel_ = nullptr;
  QCheckBox* transparent_ = nullptr;
  QCheckBox* perPixel_ = nullptr;
  QLabel* frameCountLabel_ = nullptr;
  QSpinBox* frameCount_ = nullptr;
  QPushButton* default_ = nullptr;
  QLabel* rateLabel_ = nullptr;
  ButtonSlider* rate_ = nullptr;
};

}  // namespace tessera::ui
