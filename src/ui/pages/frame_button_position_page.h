#pragma once
// "Position" of a per-pixel frame button: its side, its offsets normally and when maximised, and
// for the three extra frame buttons the click action and command.
#include "core/pages/frame_button_position.h"
#include "ui/sheet/property_page.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QSpinBox;

namespace tessera::ui {

class RefreshTimer;

class FrameButtonPositionPage : public PropertyPage {
  Q_OBJECT
 public:
  static constexpr int kMinOffset = -40;
  static constexpr int kMaxOffset = 500;

  explicit FrameButtonPositionPage(SectionEditorContext& editor, QWidget* parent = nullptr);

  bool isActive() const { return isLoaded(); }
  QRadioButton* leftRadio() const { return left_; }
  QRadioButton* rightRadio() const { return right_; }
  QSpinBox* leftBox() const { return leftCoord_; }
  QSpinBox* topBox() const { return topCoord_; }
  QSpinBox* leftMaximizedBox() const { return leftMax_; }
  QSpinBox* topMaximizedBox() const { return topMax_; }
  QComboBox* actionList() const { return action_; }
  QLineEdit* commandEdit() const { return command_; }
  RefreshTimer* refreshTimer() const { return refresh_; }

 private:
  void reload() override;
  void refreshAfterReload() override;
  QSpinBox* offsetBox();

  std::string section_;
  QRadioButton* left_ = nullptr;
  QRadioButton* right_ = nullptr;
  QSpinBox* leftCoord_ = nullptr;
  QSpinBox* topCoord_ = nullptr;
  QSpinBox* leftMax_ = nullptr;
  QSpinBox* topMax_ = nullptr;
  QLabel* actionLabel_ = nullptr;
  QComboBox* action_ = nullptr;
  QLabel* commandLabel_ = nullptr;
  QLineEdit* command_ = nullptr;
  RefreshTimer* refresh_ = nullptr;
};

}  // namespace tessera::ui
