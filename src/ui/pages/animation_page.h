#pragma once
// "Animation": the timing of the section's mouse-over animation and the frames it plays when
// the mouse enters, stays over and leaves the element, with a live test of it.
#include "ui/sheet/property_page.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QSlider;
class QSpinBox;

namespace tessera::ui {

class RefreshTimer;

class AnimationPage : public PropertyPage {
  Q_OBJECT
 public:
  explicit AnimationPage(SectionEditorContext& editor, QWidget* parent = nullptr);

  QSlider* rateSlider() const { return rateSlider_; }
  QLabel* rateLabel() const { return rateLabel_; }
  QSlider* delaySlider() const { return delaySlider_; }
  QLabel* delayLabel() const { return delayLabel_; }
  QCheckBox* randomBox() const { return randomBox_; }
  QSpinBox* enterStartBox() const { return enterStart_; }
  QSpinBox* leaveStopBox() const { return leaveStop_; }
  QSpinBox* loopStartBox() const { return loopStart_; }
  QSpinBox* loopStopBox() const { return loopStop_; }
  QCheckBox* loopOnceBox() const { return loopOnce_; }
  QCheckBox* finishBox() const { return finish_; }
  QLabel* noteBox() const { return note_; }
  QPushButton* tryButton() const { return tryButton_; }
  RefreshTimer* refreshTimer() const { return refresh_; }

 private:
  QSpinBox* frameBox(const char* key);
  QCheckBox* flagBox(const QString& text, const char* key);
  void reload() override;
  void rateMoved(int rate);
  void delayChanged();
  void tryIt();

  QSlider* rateSlider_ = nullptr;
  QLabel* rateLabel_ = nullptr;
  QSlider* delaySlider_ = nullptr;
  QLabel* delayLabel_ = nullptr;
  QCheckBox* randomBox_ = nullptr;
  QSpinBox* enterStart_ = nullptr;
  QSpinBox* leaveStop_ = nullptr;
  QSpinBox* loopStart_ = nullptr;
  QSpinBox* loopStop_ = nullptr;
  QCheckBox* loopOnce_ = nullptr;
  QCheckBox* finish_ = nullptr;
  QLabel* note_ = nullptr;
  QPushButton* tryButton_ = nullptr;
  RefreshTimer* refresh_ = nullptr;
};

}  // namespace tessera::ui
