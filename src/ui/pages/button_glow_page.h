#pragma once
// "Mouseover glow" of a title-bar button: the picture drawn over the button while the mouse is
// on it, its offset, frame count, fade-in and animation.
#include "ui/pages/title_bar_button_page.h"

class QPushButton;
class QSpinBox;

namespace tessera::ui {

class ButtonSlider;
class ImageSlotPanel;

class ButtonGlowPage : public TitleBarButtonPage {
  Q_OBJECT
 public:
  explicit ButtonGlowPage(SectionEditorContext& editor, QWidget* parent = nullptr);

  ImageSlotPanel* slotPanel() const { return panel_; }
  QSpinBox* frameCountBox() const { return frameCount_; }
  QPushButton* defaultButton() const { return default_; }
  QSpinBox* xOffsetBox() const { return x_; }
  QSpinBox* yOffsetBox() const { return y_; }
  ButtonSlider* fadeSlider() const { return fade_; }
  ButtonSlider* timerSlider() const { return timer_; }

 protected:
  void startPage() override;
  void loadButton(const TitleBarButtonKeys* keys) override;

 private:
  void connectInt(QSpinBox* box, const char* key);

  ImageSlotPanel* panel_ = nullptr;
  QSpinBox* frameCount_ = nullptr;
  QPushButton* default_ = nullptr;
  QSpinBox* x_ = nullptr;
  QSpinBox* y_ = nullptr;
  ButtonSlider* fade_ = nullptr;
  ButtonSlider* timer_ = nullptr;
};

}  // namespace tessera::ui
