#pragma once
// The controls every image slot shares: the file list, "Edit image...", the ">" command menu
// and the preview of the chosen picture. The page that holds the panel decides what choosing
// a file writes; the panel's commands write the slot themselves and tell the page.
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "core/pages/image_slot.h"
#include "core/pages/slot_writes.h"

class QMenu;
class QPushButton;

namespace tessera::ui {

class SectionEditorContext;
class SlotFileList;
class SlotPreviewBox;

// The commands of the ">" menu, numbered as the menu numbers them.
enum class SlotCommand {
  Import = 1,
  FrameBuilder = 2,
  QuickImport = 3,
  MakeCopy = 4,
  Rename = 5,
  CutFromLargerGraphic = 6,
  FlipToVertical = 8,
  FlipToHorizontal = 9,
};

struct SlotPanelOptions {
  SlotPage page = SlotPage::Image;
  SlotKeys keys = kImageSlot;
  // The section the slot lives in; empty means the current section.
  std::string section;
  QString emptyText;
  bool animationOnly = false;
  // The small preview shows a sample window as the preview library draws it (clipped to the
  // frame's shape) instead of the picture file: the border and shape pages.
  bool frameSample = false;
  // Menu order; a separator goes before the first flip.
  std::vector<SlotCommand> commands;
};

// The commands each page offers.
std::vector<SlotCommand> ImagePageCommands();
std::vector<SlotCommand> GlyphPageCommands();
std::vector<SlotCommand> SettingsPageCommands();
// The menu text of a command ("Import", "Make copy of file", ...).
QString SlotCommandText(SlotCommand command);

class ImageSlotPanel : public QWidget {
  Q_OBJECT
 public:
  ImageSlotPanel(SectionEditorContext& editor, SlotPanelOptions options, QWidget* parent = nullptr);

  // Reads the slot of the current section and selects it in a freshly read list.
  void load();
  // Selects the slot's value again; the list is read afresh only when `picturesChanged` (or
  // when it was never filled).
  void reload(bool picturesChanged);
  // Points the slot at another section (the selected title-bar button's, say).
  void setSection(std::string section) { options_.section = std::move(section); }
  std::string selectedValue() const;
  // The frame count the flips use (the page's frame count box; 1 when not set).
  void setFrameCountSource(std::function<int()> frameCount) { frameCount_ = std::move(frameCount); }
  // Hides the import commands and "Edit image..." (animation sections).
  void setImportControlsVisible(bool visible);
  void repaintPreview();

  // A menu of the page's commands, as the ">" button shows it.
  QMenu* buildCommandMenu(QWidget* parent);
  void runCommand(SlotCommand command);
  void editImage();

  SlotFileList* fileList() const { return fileList_; }
  QPushButton* editButton() const { return editButton_; }
  QPushButton* menuButton() const { return menuButton_; }
  SlotPreviewBox* previewBox() const { return preview_; }

 signals:
  // The user chose an entry of the list; the page writes it.
  void fileChosen(const std::string& value);
  // A command wrote a new value into the slot.
  void slotWrittenByCommand(const std::string& value);
  // A command rewrote the slot's file in place.
  void fileRewritten();

 private:
  void showCommandMenu();
  void importInto(SlotCommand command, const std::string& current, const std::string& source);
  void quickImport(const std::string& current, const std::string& source);
  void copyOrRename(bool rename, const std::string& current);
  void acceptNewValue(const std::string& value);
  std::string slotSection() const;

  SectionEditorContext& editor_;
  SlotPanelOptions options_;
  std::function<int()> frameCount_;
  SlotFileList* fileList_ = nullptr;
  QPushButton* editButton_ = nullptr;
  QPushButton* menuButton_ = nullptr;
  SlotPreviewBox* preview_ = nullptr;
};

}  // namespace tessera::ui
