#pragma once
// "Edit Colours": the skin's colour presets and its system colours, where each preset is used,
// a sample window in the system colours, a screen colour picker and the import of the
// platform's current colours.
#include <QDialog>
#include <QPointer>
#include <QTimer>
#include "core/skin/skin_document.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace tessera::ui {

class ScreenPickIcon;
class SystemColourSample;

class EditColoursDialog final : public QDialog {
  Q_OBJECT

 public:
  enum Mode { Presets = 0, SystemColours = 1 };

  // Opens on the presets with row `startRow` selected (the first row when it does not exist).
  explicit EditColoursDialog(SkinDocument* document, QWidget* parent = nullptr, int startRow = 0);
  // The name field, focused and edited, finishes its editing as the window goes.
  ~EditColoursDialog() override;

  QComboBox* modeList() const { return modeList_; }
  QListWidget* colourList() const { return colourList_; }
  QLineEdit* nameEdit() const { return nameEdit_; }
  QListWidget* usedByList() const { return usedByList_; }
  ScreenPickIcon* picker() const { return picker_; }
  // Fills the used-by list now instead of waiting for the selection timer.
  void flushUsedBy();

 private:
  QPointer<SkinDocument> document_;
  void buildLayout();
  void setMode(int mode);
  void fillList();
  void rowSelected();
  void fillUsedBy();
  void changeColour();
  void pickedColour(unsigned int colour);
  void storeColour(unsigned int colour);
  void nameEdited(const QString& text);
  void addPreset();
  void importSystemColours();
  void openPartColours();
  int mode() const;
  int selectedNumber() const;  // preset number or platform index of the selected row; -1 none

  QComboBox* modeList_ = nullptr;
  QListWidget* colourList_ = nullptr;
  QWidget* colourSample_ = nullptr;
  ScreenPickIcon* picker_ = nullptr;
  QWidget* pickPreview_ = nullptr;
  QLineEdit* nameEdit_ = nullptr;
  QLabel* usedByLabel_ = nullptr;
  QListWidget* usedByList_ = nullptr;
  SystemColourSample* sampleWindow_ = nullptr;
  QLabel* description_ = nullptr;
  QPushButton* changeButton_ = nullptr;
  QPushButton* addButton_ = nullptr;
  QPushButton* importButton_ = nullptr;
  QPushButton* partColoursButton_ = nullptr;
  QTimer usedByTimer_;
};

}  // namespace tessera::ui
