#pragma once
// "Change font": face, size, weight, drawing style, italics, underline, rotation and shadow of
// one font section, written when the user presses OK.
#include <QDialog>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QListWidget;
class QSpinBox;

namespace tessera::ui {

class ColourSwatch;

class ChangeFontDialog final : public QDialog {
  Q_OBJECT

 public:
  // `itemData`: a preset number, or 100 + a system font number.
  explicit ChangeFontDialog(int itemData, QWidget* parent = nullptr);

  QListWidget* faceList() const { return faceList_; }
  QComboBox* sizeBox() const { return sizeBox_; }
  QComboBox* weightList() const { return weightList_; }
  QComboBox* styleList() const { return styleList_; }
  QCheckBox* italics() const { return italics_; }
  QCheckBox* underline() const { return underline_; }
  QCheckBox* rotate() const { return rotate_; }
  QGroupBox* shadowSettings() const { return shadowSettings_; }
  QSpinBox* offsetX() const { return offsetX_; }
  QSpinBox* offsetY() const { return offsetY_; }
  ColourSwatch* shadowSwatch() const { return shadowSwatch_; }

  // The size list offered for a stored height: negative numbers for a negative height.
  static QStringList SizeList(bool negative);

 private:
  void buildLayout();
  void load();
  void save();
  void faceChanged();

  int itemData_;
  QListWidget* faceList_ = nullptr;
  QComboBox* sizeBox_ = nullptr;
  QComboBox* weightList_ = nullptr;
  QComboBox* styleList_ = nullptr;
  QCheckBox* italics_ = nullptr;
  QCheckBox* underline_ = nullptr;
  QCheckBox* rotate_ = nullptr;
  QGroupBox* shadowSettings_ = nullptr;
  ColourSwatch* shadowSwatch_ = nullptr;
  QSpinBox* offsetX_ = nullptr;
  QSpinBox* offsetY_ = nullptr;
};

}  // namespace tessera::ui
