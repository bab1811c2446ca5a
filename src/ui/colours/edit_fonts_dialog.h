#pragma once
// "Edit Fonts": the skin's font presets and system fonts with an engine-drawn preview, where
// each preset is used, the six system font roles, and the commands that add, rename and change
// fonts.
#include <QDialog>
#include <QPointer>
#include <QTimer>
#include <array>
#include "core/skin/skin_document.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;

namespace tessera::ui {

class ColourSwatch;
class FontPreview;

class EditFontsDialog final : public QDialog {
  Q_OBJECT

 public:
  enum Mode { Presets = 0, SystemFonts = 1 };

  explicit EditFontsDialog(SkinDocument* document, QWidget* parent = nullptr, int startRow = 0);
  // The name field, focused and edited, finishes its editing as the window goes.
  ~EditFontsDialog() override;

  QComboBox* modeList() const { return modeList_; }
  QListWidget* fontList() const { return fontList_; }
  QLineEdit* nameEdit() const { return nameEdit_; }
  QListWidget* usedByList() const { return usedByList_; }
  QComboBox* roleList(int role) const { return roleLists_[static_cast<std::size_t>(role)]; }
  FontPreview* preview() const { return preview_; }
  ColourSwatch* textSwatch() const { return textSwatch_; }
  ColourSwatch* backSwatch() const { return backSwatch_; }
  void flushUsedBy();
  void addFont();
  void changeFont();

 private:
  QPointer<SkinDocument> document_;
  void buildLayout();
  void setMode(int mode);
  void fillList();
  void fillRoleLists();
  void roleChosen(int role, int entry);
  void rowSelected();
  void fillUsedBy();
  void nameEdited(const QString& text);
  int mode() const;
  int selectedItemData() const;  // -1 without a selection

  QComboBox* modeList_ = nullptr;
  QListWidget* fontList_ = nullptr;
  FontPreview* preview_ = nullptr;
  ColourSwatch* textSwatch_ = nullptr;
  ColourSwatch* backSwatch_ = nullptr;
  QLineEdit* nameEdit_ = nullptr;
  QLabel* usedByLabel_ = nullptr;
  QListWidget* usedByList_ = nullptr;
  QWidget* rolesPanel_ = nullptr;
  std::array<QComboBox*, 6> roleLists_{};
  QTimer usedByTimer_;
};

}  // namespace tessera::ui
