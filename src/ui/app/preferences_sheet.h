#pragma once
// "Tessera Preferences": the pages "Experience level", "Edit mode" and "Advanced". Some controls
// write their setting at once, the rest are written by the single "Close" button.
#include <QDialog>

class QCheckBox;
class QComboBox;
class QRadioButton;
class QSlider;
class QTabWidget;

namespace tessera::ui {

class PreferencesSheet : public QDialog {
  Q_OBJECT
 public:
  explicit PreferencesSheet(QWidget* parent = nullptr);

  // Writes what the pages keep until the sheet closes (as the "Close" button does).
  void applyPages();
  // "Pick custom app...": records `program` as the custom image editor.
  void chooseCustomApp(const QString& program);

  QTabWidget* pages() const { return pages_; }

 private:
  QWidget* buildExperiencePage();
  QWidget* buildEditModePage();
  QWidget* buildAdvancedPage();
  void pickCustomApp();

  QTabWidget* pages_ = nullptr;
  QRadioButton* newUser_ = nullptr;
  QRadioButton* experienced_ = nullptr;
  QCheckBox* singleClick_ = nullptr;
  QComboBox* editVerb_ = nullptr;
  QComboBox* targetOS_ = nullptr;
  QString customApp_;
};

}  // namespace tessera::ui
