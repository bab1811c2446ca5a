#pragma once
// "Position" of a title-bar button: the side or anchor it is placed from, its offsets, and
// whether its size is the picture's own or set here.
#include "ui/pages/title_bar_button_page.h"

class QComboBox;
class QRadioButton;
class QSpinBox;

namespace tessera::ui {

class ButtonPositionPage : public TitleBarButtonPage {
  Q_OBJECT
 public:
  explicit ButtonPositionPage(SectionEditorContext& editor, QWidget* parent = nullptr);

  QRadioButton* leftRadio() const { return left_; }
  QRadioButton* rightRadio() const { return right_; }
  QComboBox* anchorList() const { return anchor_; }
  QSpinBox* xBox() const { return x_; }
  QSpinBox* yBox() const { return y_; }
  QRadioButton* imageSizeRadio() const { return imageSize_; }
  QRadioButton* setSizeRadio() const { return setSize_; }
  QSpinBox* widthBox() const { return width_; }
  QSpinBox* heightBox() const { return height_; }

 protected:
  void startPage() override;
  void loadButton(const TitleBarButtonKeys* keys) override;

 private:
  QSpinBox* spin(int low, int high);
  void enableSize(bool on);

  QRadioButton* left_ = nullptr;
  QRadioButton* right_ = nullptr;
  QComboBox* anchor_ = nullptr;
  QSpinBox* x_ = nullptr;
  QSpinBox* y_ = nullptr;
  QRadioButton* imageSize_ = nullptr;
  QRadioButton* setSize_ = nullptr;
  QSpinBox* width_ = nullptr;
  QSpinBox* height_ = nullptr;
};

}  // namespace tessera::ui
