#pragma once
// The main window: owns the open skin, opens, saves, closes, applies and reopens skins, keeps
// the recent skins, shows the catalogue's categories and their entries, and starts every editor.
#include <QDialog>
#include <QPointer>
#include <functional>
#include <string>

#include "core/skin/skin_document.h"
#include "ui/app/interface_pictures.h"

class QLabel;
class QListWidget;
class QListWidgetItem;
class QMenu;
class QMenuBar;
class QStackedWidget;
class QStatusBar;
class QAction;

namespace tessera::ui {

class AnimationArea;
class CategoryPane;
class ModifiedMark;
class SkinCheckWindow;
class PreviewView;
class UndoActions;

class MainWindow : public QDialog {
  Q_OBJECT
 public:
  explicit MainWindow(const std::string& commandLinePath, QWidget* parent = nullptr);
  ~MainWindow() override;

  // Runs the initialisation steps that need the window on screen (first-run preferences, the
  // command-line skin). Called once after show().
  void finishStartup();

  UndoActions* undoActions() const { return undo_; }

  // Menu commands.
  void openSkinForEditing();
  void openAppliedSkin();
  void openRecentSkin(int index);  // 0..4
  void saveSkin();
  void saveSkinAs();
  void closeSkin();
  void applySkin();
  void makePackage();
  void openSkinFolder();
  void manageSubStyles();
  void switchSubStyle();
  void editSkinProperties();
  void exitProgram();
  void cleanSkin();
  void checkSkin();
  void manageSkins();
  void showPreferences();
  void showAbout();
  void newSkin();

  // Handles a click of the category pane ("TASKPANE_CLICK").
  void taskPaneClick(int number);
  // Opens an entry of the entry list by its text.
  void openEntry(const std::string& entryText);

  // What opening an entry starts (the editors by default; tests record instead).
  using EntryOpener = std::function<void(QWidget* parent, int category, const std::string& entryText)>;
  void setEntryOpener(EntryOpener opener) { entryOpener_ = std::move(opener); }
  // What opening a preview picture starts (the section editor on its section by default).
  void setPictureOpener(EntryOpener opener) { pictureOpener_ = std::move(opener); }

  // The title as shown, with "*" while the skin has unsaved changes.

  QString currentTitle() const;
  int currentCategory() const { return currentCategory_; }
  CategoryPane* categoryPane() const { return categoryPane_; }
  QListWidget* entryList() const { return entryList_; }
  AnimationArea* animationArea() const { return animation_; }
  QListWidget* recentSkinsList() const { return recentList_; }
  QListWidget* previewPicturesList() const { return previewPictures_; }
  // The status line: what the last save, apply or test did, from whichever window it came.
  QStatusBar* statusLine() const { return statusLine_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  // The window stands on the interface grey of the "Brightness" setting.
  void applyInterfaceColour();
  enum class Before { Reset, CommitThenReset, Nothing };
  void openPath(const std::string& path, Before before);
  void resetToStartPage();
  void rebuildCategoryPane();
  void rebuildRecentSkins();
  void selectCategory(int number);
  void showPreviewPictures();
  void updateMenus();
  void storePlacement();
  void restorePlacement();
  void buildMenus(QMenuBar* bar);
  void fillRecentMenu();
  void writeThumbnail();
  bool requireSkin(const char* message);
  void openPreviewPicture(const std::string& section);

  std::string commandLinePath_;
  EntryOpener entryOpener_;
  EntryOpener pictureOpener_;
  InterfacePictures pictures_;
  bool skinLoaded_ = false;
  bool placementStored_ = false;
  int currentCategory_ = -1;
  int currentKind_ = 1;

  CategoryPane* categoryPane_ = nullptr;
  QStackedWidget* pages_ = nullptr;
  QListWidget* recentList_ = nullptr;
  QLabel* heading2_ = nullptr;
  QLabel* heading3_ = nullptr;
  QListWidget* entryList_ = nullptr;
  QListWidget* previewPictures_ = nullptr;
  AnimationArea* animation_ = nullptr;
  PreviewView* preview_ = nullptr;
  QMenu* recentMenu_ = nullptr;
  QList<QAction*> skinActions_;
  QPointer<SkinCheckWindow> checkWindow_;  // "Check skin", refreshed after each save
  QAction* appliedSkinAction_ = nullptr;
  UndoActions* undo_ = nullptr;
  ModifiedMark* modifiedMark_ = nullptr;
  // The open skin, handed to the editors this window opens.
  QPointer<SkinDocument> document_;
  QStatusBar* statusLine_ = nullptr;
  std::function<void(const std::string&)> previousActivityListener_;
};

}  // namespace tessera::ui
