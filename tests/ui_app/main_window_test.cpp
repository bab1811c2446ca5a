#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QUndoStack>

#include "core/app/preview_engine.h"
#include "core/engine/engine_startup.h"
#include "core/image/zor_file.h"
#include "core/platform/files.h"
#include "core/platform/paths.h"
#include "core/platform/profile.h"
#include "core/platform/registry.h"
#include "core/platform/prompt.h"
#include "core/platform/settings.h"
#include "core/platform/shell.h"
#include "core/skin/section_store.h"
#include "core/skin/skin_document.h"
#include "core/skin/skin_session.h"
#include "support/temp_dir.h"
#include "ui/app/animation_area.h"
#include "ui/app/category_kind.h"
#include "ui/app/category_pane.h"
#include "ui/app/editor_launcher.h"
#include "ui/app/skin_properties_dialog.h"
#include "ui/app/main_window.h"

namespace tessera::ui {
namespace {

class MainWindowTest : public testing::EnvironmentTest {
 protected:
  void SetUp() override {
    EnvironmentTest::SetUp();
    WriteSetting(settings::FirstRun, "0");
    temp.write("skins/Tessera7/sections.ini",
               "[Count]\r\nSectionCount=3\r\n[0]\r\nDescription=Window frames\r\nIcon=1\r\n"
               "[1]\r\nDescription=XP only things\r\nNotXP=1\r\n[2]\r\nDescription=Buttons\r\nDescription2=Push buttons\r\n");
    temp.write("skins/Tessera7/subsections2.ini", "[2]\r\nButton=1\r\nCloseButton=8\r\nFramelessOnly=6\r\n");
    temp.write("skins/Tessera7/subsections.ini", "[Button]\r\nDescription=Push button\r\n");
  }
  std::vector<int> paneNumbers(MainWindow& dlg) {
    std::vector<int> numbers;
    for (int i = 0; i < dlg.categoryPane()->count(); ++i) numbers.push_back(CategoryPane::numberOf(dlg.categoryPane()->item(i)));
    return numbers;
  }
};

TEST_F(MainWindowTest, PlacementComesBackAsItWasStored) {
  WriteSetting(settings::MainX, 50);
  WriteSetting(settings::MainY, 40);
  WriteSetting(settings::MainWidth, 700);
  WriteSetting(settings::MainHeight, 500);
  for (int run = 0; run < 2; ++run) {
    MainWindow dlg("");
    dlg.show();
  }
  EXPECT_EQ(ReadSettingInt(settings::MainX), 50);
  EXPECT_EQ(ReadSettingInt(settings::MainY), 40);
  EXPECT_EQ(ReadSettingInt(settings::MainWidth), 700);
  EXPECT_EQ(ReadSettingInt(settings::MainHeight), 500);
}

TEST_F(MainWindowTest, FirstRunOpensLargeButNeverBeyondTheScreen) {
  MainWindow dlg("");
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  EXPECT_EQ(dlg.width(), std::min(1100, screen.width()));
  // Room is left for the title bar, and all of the window shows.
  EXPECT_EQ(dlg.height(), std::min(700, screen.height() - 24));
  EXPECT_TRUE(screen.contains(QRect(dlg.pos(), dlg.size() + QSize(0, 24))));
}

TEST_F(MainWindowTest, StartPageOffersNewAndOpenAndListsRecentSkins) {
  AddToSkinHistory("/a/One/One.uis", "One");
  AddToSkinHistory("/a/Two/Two.uis", "Two");
  MainWindow dlg("");
  EXPECT_EQ(dlg.windowTitle(), "Quillmont Tessera");
  EXPECT_EQ(paneNumbers(dlg), (std::vector<int>{kNewSkinItem, kOpenSkinItem}));
  ASSERT_EQ(dlg.recentSkinsList()->count(), 2);
  EXPECT_EQ(dlg.recentSkinsList()->item(0)->text(), "Two");
}

TEST_F(MainWindowTest, CommandLineOpensTheFoldersMainFileAndFiltersCategories) {
  const std::string path = writeSkin("Cool", "[TitlebarSkin]\r\nSkinName=Cool\r\n[Personality]\r\nButtonCount=0\r\n");
  WriteSetting(settings::TargetOS, "1");
  MainWindow dlg(paths::upper(skinsFolder() + "/Cool/anything.tga"));
  dlg.finishStartup();
  ASSERT_TRUE(Session().isOpen());
  // The command line upper-cases the path; the skin still opens under its own names.
  EXPECT_EQ(dlg.currentTitle(), "[Cool] - Quillmont Tessera");
  EXPECT_EQ(Session().mainFile, path + "~");
  // Category 1 is not for XP; the pane ends with the open-skin item.
  EXPECT_EQ(paneNumbers(dlg), (std::vector<int>{0, 2, kOpenSkinItem}));
  EXPECT_TRUE(files::isFile(skinsFolder() + "/Cool/TSRPreview.png"));

  dlg.taskPaneClick(2);
  // "8" entries need a ButtonCount, "6" entries a frameless skin.
  ASSERT_EQ(dlg.entryList()->count(), 1);
  EXPECT_EQ(dlg.entryList()->item(0)->text(), "Push button");
}

TEST_F(MainWindowTest, CloseReturnsToTheStartPage) {
  MainWindow dlg(writeSkin("Cool", "[A]\r\n"));
  dlg.finishStartup();
  ASSERT_TRUE(Session().isOpen());
  dlg.closeSkin();
  EXPECT_FALSE(Session().isOpen());
  EXPECT_EQ(dlg.windowTitle(), "Quillmont Tessera");
  EXPECT_EQ(dlg.recentSkinsList()->count(), 1);
}

TEST_F(MainWindowTest, SkinPropertiesSaveThroughTheStoreAndMarkModified) {
  const std::string path = writeSkin("Cool", "[TitlebarSkin]\r\nSkinName=Cool\r\n");
  MainWindow dlg(path);
  dlg.finishStartup();
  Session().modified = 0;
  {
    SkinPropertiesDialog properties(&dlg);
    EXPECT_EQ(properties.findChild<QLineEdit*>("skinAuthor")->text(), "Unknown");
    properties.findChild<QLineEdit*>("skinAuthor")->setText("Ann");
    QTest::mouseClick(properties.findChild<QPushButton*>("save"), Qt::LeftButton);
  }
  EXPECT_EQ(profile::ReadString("TitlebarSkin", "SkinAuthor", "", Session().mainFile), "Ann");
  EXPECT_EQ(profile::ReadString("TitlebarSkin", "Category", "", Session().mainFile), "Others");
  EXPECT_EQ(Session().modified, 1);
  Session().modified = 0;
  {
    SkinPropertiesDialog properties(&dlg);
    QTest::mouseClick(properties.findChild<QPushButton*>("cancel"), Qt::LeftButton);
  }
  EXPECT_EQ(Session().modified, 1);
}

TEST(EntryDispatch, TypeCodeChoosesTheEditor) {
  EXPECT_EQ(EditorForEntry("Frames=4"), EntryEditor::FramesForm);
  EXPECT_EQ(EditorForEntry("Find=3"), EntryEditor::Wallpapers);
  EXPECT_EQ(EditorForEntry("Anim=2"), EntryEditor::ShellAnimation);
  EXPECT_EQ(EditorForEntry("Textures=6"), EntryEditor::Textures);
  EXPECT_EQ(EditorForEntry("Frames0=7"), EntryEditor::FramelessFrames);
  EXPECT_EQ(EditorForEntry("Button=1"), EntryEditor::Section);
  EXPECT_EQ(EditorForEntry(""), EntryEditor::Section);
  EXPECT_EQ(CategoryKind(0), 2);
  EXPECT_EQ(CategoryKind(10), 7);
  EXPECT_EQ(CategoryKind(42), 1);
}

}  // namespace
}  // namespace tessera::ui

namespace tessera::ui {
namespace {

class ScriptedPrompt : public Prompt {
 public:
  PromptAnswer answer = PromptAnswer::Yes;
  PromptAnswer threeWayAnswer = PromptAnswer::Cancel;
  int questions = 0;
  int threeWayQuestions = 0;
  PromptAnswer askYesNo(std::string_view, std::string_view) override {
    ++questions;
    return answer;
  }
  PromptAnswer askYesNoCancel(std::string_view, std::string_view) override {
    ++threeWayQuestions;
    return threeWayAnswer;
  }
  void inform(std::string_view, std::string_view) override {}
};

class MainWindowFlowTest : public testing::EnvironmentTest {
 protected:
  void SetUp() override {
    EnvironmentTest::SetUp();
    WriteSetting(settings::FirstRun, "0");
    InstallPrompt(&prompt);
    InstallShell(&shell);
    registry::writeValue(registry::Hive::LocalMachine, "SOFTWARE\\Quillmont\\Marrowline\\Velarium", "Path",
                         temp.file("engine"));
    temp.write("skins/Tessera7/sections.ini", "[Count]\r\nSectionCount=1\r\n[0]\r\nDescription=Buttons\r\n");
    temp.write("skins/Tessera7/subsections2.ini", "[0]\r\nButton=1\r\n");
    path = writeSkin("Cool", "[TitlebarSkin]\r\nSkinName=Cool skin\r\n[Button]\r\nImage=old\r\n");
  }
  ScriptedPrompt prompt;
  RecordingShell shell;
  std::string path;
};

TEST_F(MainWindowFlowTest, RecentSkinOpensOnDoubleClickWithWorkingCopies) {
  AddToSkinHistory(path, "Cool");
  MainWindow dlg("");
  ASSERT_EQ(dlg.recentSkinsList()->count(), 1);
  emit dlg.recentSkinsList()->itemDoubleClicked(dlg.recentSkinsList()->item(0));
  ASSERT_TRUE(Session().isOpen());
  EXPECT_EQ(Session().mainFile, path + "~");
  EXPECT_TRUE(files::isFile(path + "~"));
  EXPECT_EQ(dlg.currentTitle(), "[Cool] - Quillmont Tessera");
  EXPECT_TRUE(files::isFile(skinsFolder() + "/Cool/TSRPreview.png"));
}

TEST_F(MainWindowFlowTest, SingleClickOpensEntriesOnlyInSingleClickMode) {
  MainWindow dlg(path);
  std::vector<std::string> opened;
  dlg.setEntryOpener([&](QWidget*, int, const std::string& entry) { opened.push_back(entry); });
  dlg.finishStartup();
  ASSERT_EQ(dlg.entryList()->count(), 1);
  QListWidgetItem* entry = dlg.entryList()->item(0);
  WriteSetting(settings::SingleClickUI, "0");
  emit dlg.entryList()->itemClicked(entry);
  EXPECT_TRUE(opened.empty());
  emit dlg.entryList()->itemDoubleClicked(entry);
  EXPECT_EQ(opened, (std::vector<std::string>{"Button=1"}));
  EXPECT_EQ(Session().modified, 1);
  WriteSetting(settings::SingleClickUI, "1");
  emit dlg.entryList()->itemClicked(entry);
  EXPECT_EQ(opened.size(), 2u);
}

TEST_F(MainWindowFlowTest, CloseAsksUnlessAutoSaveAndKeepsTheAnswer) {
  MainWindow dlg(path);
  dlg.finishStartup();
  WriteSkinString("Button", "Image", "declined", Session().mainFile);
  prompt.threeWayAnswer = PromptAnswer::No;
  dlg.closeSkin();
  EXPECT_EQ(prompt.threeWayQuestions, 1);
  EXPECT_EQ(profile::ReadString("Button", "Image", "", path), "old");

  dlg.openRecentSkin(0);
  WriteSetting(settings::AutoSave, "1");
  WriteSkinString("Button", "Image", "saved", Session().mainFile);
  dlg.closeSkin();
  EXPECT_EQ(prompt.threeWayQuestions, 1);
  EXPECT_EQ(profile::ReadString("Button", "Image", "", path), "saved");
}

TEST_F(MainWindowFlowTest, ApplyRecordsTheSkinAndStartsTheLoader) {
  MainWindow dlg(path);
  dlg.finishStartup();
  dlg.applySkin();
  // The command-line rule names the main file "<folder>.UIS", found under its own spelling.
  EXPECT_EQ(ReadSetting(settings::SkinSet), skinsFolder() + "/Cool/Cool.uis");
  EXPECT_EQ(ReadSetting(settings::SkinSet2), "Cool skin");
  ASSERT_FALSE(shell.calls.empty());
  EXPECT_EQ(shell.calls.back().program, temp.file("engine") + "/vlload");
}

TEST_F(MainWindowFlowTest, PlacementIsStoredAndRestored) {
  WriteSetting(settings::MainZoom, "0");
  WriteSetting(settings::MainWidth, "760");
  WriteSetting(settings::MainHeight, "560");
  {
    MainWindow dlg("");
    EXPECT_EQ(dlg.size(), QSize(760, 560));
    EXPECT_FALSE(dlg.windowState() & Qt::WindowMaximized);
    dlg.resize(700, 520);
    dlg.exitProgram();
  }
  EXPECT_EQ(ReadSettingInt(settings::MainWidth), 700);
  EXPECT_EQ(ReadSettingInt(settings::MainHeight), 520);
  EXPECT_EQ(ReadSettingInt(settings::MainZoom), 0);
  WriteSetting(settings::MainZoom, "1");
  MainWindow maximised("");
  EXPECT_TRUE(maximised.windowState() & Qt::WindowMaximized);
}

TEST_F(MainWindowFlowTest, UnsavedChangesAreNeverDroppedWithoutAsking) {
  AddToSkinHistory(path, "Cool");
  MainWindow dlg(path);
  dlg.finishStartup();
  WriteSkinString("Button", "Image", "edited", Session().mainFile);
  ASSERT_EQ(Session().modified, 1);

  // Cancel keeps the open skin and its edits, whatever the way out.
  prompt.threeWayAnswer = PromptAnswer::Cancel;
  dlg.openRecentSkin(0);
  dlg.exitProgram();
  EXPECT_FALSE(dlg.close());
  dlg.closeSkin();
  EXPECT_EQ(prompt.threeWayQuestions, 4);
  ASSERT_TRUE(Session().isOpen());
  EXPECT_EQ(Session().modified, 1);
  EXPECT_EQ(ReadSkinString("Button", "Image", "", Session().mainFile), "edited");

  // No discards: the skin opens again fresh, unmodified, and nothing is left to recover.
  prompt.threeWayAnswer = PromptAnswer::No;
  dlg.openRecentSkin(0);
  EXPECT_EQ(prompt.threeWayQuestions, 5);
  EXPECT_EQ(prompt.questions, 0);
  EXPECT_EQ(Session().modified, 0);
  EXPECT_EQ(ReadSkinString("Button", "Image", "", Session().mainFile), "old");
  EXPECT_EQ(profile::ReadString("Button", "Image", "", path), "old");

  // Yes saves before the window closes.
  WriteSkinString("Button", "Image", "kept", Session().mainFile);
  prompt.threeWayAnswer = PromptAnswer::Yes;
  EXPECT_TRUE(dlg.close());
  EXPECT_EQ(prompt.threeWayQuestions, 6);
  EXPECT_EQ(profile::ReadString("Button", "Image", "", path), "kept");
}

TEST_F(MainWindowFlowTest, EntriesOutsideAsciiOpenByTheirOwnBytes) {
  temp.write("skins/Tessera7/subsections2.ini", "[0]\r\nB\xFCtton \x80=1\r\n");
  temp.write("skins/Tessera7/subsections.ini", "[B\xFCtton \x80]\r\nDescription=Caf\xE9 \xA9\r\n");
  WriteSetting(settings::SingleClickUI, "0");
  MainWindow dlg(path);
  std::vector<std::string> opened;
  dlg.setEntryOpener([&](QWidget*, int, const std::string& entry) { opened.push_back(entry); });
  dlg.finishStartup();
  ASSERT_EQ(dlg.entryList()->count(), 1);
  EXPECT_EQ(dlg.entryList()->item(0)->text(), QString::fromUtf8("Café ©"));
  emit dlg.entryList()->itemDoubleClicked(dlg.entryList()->item(0));
  EXPECT_EQ(opened, (std::vector<std::string>{"B\xFCtton \x80=1"}));
}

}  // namespace
}  // namespace tessera::ui

namespace tessera::ui {
namespace {

// Enter opens what is current in each list of the main window, whatever the click rule says.
TEST_F(MainWindowFlowTest, EnterOpensTheCurrentEntryInEitherClickMode) {
  MainWindow dlg(path);
  std::vector<std::string> opened;
  dlg.setEntryOpener([&](QWidget*, int, const std::string& entry) { opened.push_back(entry); });
  dlg.finishStartup();
  QListWidget* list = dlg.entryList();
  ASSERT_EQ(list->count(), 1);
  QTest::keyClick(list, Qt::Key_Return);  // nothing current yet: nothing opens
  EXPECT_TRUE(opened.empty());
  list->setCurrentRow(0);
  for (const char* singleClick : {"0", "1"}) {
    WriteSetting(settings::SingleClickUI, singleClick);
    QTest::keyClick(list, Qt::Key_Return);
    QTest::keyClick(list, Qt::Key_Enter, Qt::KeypadModifier);
  }
  EXPECT_EQ(opened, (std::vector<std::string>(4, "Button=1")));
}

TEST_F(MainWindowFlowTest, EnterOpensTheCurrentRecentSkin) {
  AddToSkinHistory(path, "Cool");
  MainWindow dlg("");
  dlg.recentSkinsList()->setCurrentRow(0);
  QTest::keyClick(dlg.recentSkinsList(), Qt::Key_Return);
  ASSERT_TRUE(Session().isOpen());
  EXPECT_EQ(Session().mainFile, path + "~");
}

TEST_F(MainWindowFlowTest, EnterAndDoubleClickOpenTheCurrentPreviewPicture) {
  temp.write("skins/Tessera7/sections.ini", "[Count]\r\nSectionCount=11\r\n[10]\r\nDescription=Pictures\r\n");
  temp.write("skins/Tessera7/subsections.ini", "[Button]\r\nDescription=Push button\r\n");
  temp.write("skins/Tessera7/previews.ini", "[Start.png]\r\nSectionName=Button\r\n");
  files::createFolder(temp.file("skins/Tessera7/previews"));
  ASSERT_TRUE(QImage(8, 8, QImage::Format_RGB32).save(QString::fromStdString(temp.file("skins/Tessera7/previews/Start.png"))));
  MainWindow dlg(path);
  std::vector<std::string> opened;
  dlg.setPictureOpener([&](QWidget*, int category, const std::string& section) {
    EXPECT_EQ(category, 10);
    opened.push_back(section);
  });
  dlg.finishStartup();
  dlg.taskPaneClick(10);
  QListWidget* pictures = dlg.previewPicturesList();
  ASSERT_EQ(pictures->count(), 1);
  pictures->setCurrentRow(0);
  QTest::keyClick(pictures, Qt::Key_Return);
  emit pictures->itemDoubleClicked(pictures->item(0));
  EXPECT_EQ(opened, (std::vector<std::string>{"Button", "Button"}));
}

// The title carries "*" exactly while the skin differs from its saved state.
TEST_F(MainWindowFlowTest, TitleIsMarkedWhileTheSkinHasUnsavedChanges) {
  MainWindow dlg(path);
  dlg.finishStartup();
  SkinDocument* document = SkinDocument::current();
  ASSERT_NE(document, nullptr);
  EXPECT_EQ(dlg.currentTitle(), "[Cool] - Quillmont Tessera");
  EXPECT_FALSE(dlg.isWindowModified());

  WriteSkinString("Button", "Image", "edited", Session().mainFile);
  document->commitPendingStep();
  EXPECT_TRUE(dlg.isWindowModified());
  EXPECT_EQ(dlg.currentTitle(), "[Cool]* - Quillmont Tessera");
  document->undoStack()->undo();
  EXPECT_FALSE(dlg.isWindowModified());
  document->undoStack()->redo();
  EXPECT_TRUE(dlg.isWindowModified());

  dlg.saveSkin();
  EXPECT_FALSE(dlg.isWindowModified());
  EXPECT_EQ(Session().modified, 0);

  // Opening an entry counts as a change (the editors write as they go); closing unmarks.
  dlg.setEntryOpener([](QWidget*, int, const std::string&) {});
  dlg.openEntry("Button=1");
  EXPECT_TRUE(dlg.isWindowModified());
  prompt.threeWayAnswer = PromptAnswer::No;
  dlg.closeSkin();
  EXPECT_FALSE(dlg.isWindowModified());
  EXPECT_EQ(dlg.currentTitle(), "Quillmont Tessera");
}

// Tab from the category pane reaches the entry list, and the menus have mnemonics throughout.
TEST_F(MainWindowFlowTest, KeyboardReachesTheEntriesAndEveryCommandHasAMnemonic) {
  MainWindow dlg(path);
  dlg.finishStartup();
  dlg.show();
  QApplication::setActiveWindow(&dlg);
  dlg.categoryPane()->setFocus();
  ASSERT_EQ(QApplication::focusWidget(), dlg.categoryPane());
  bool reached = false;
  for (int i = 0; i < 10 && !reached; ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    reached = QApplication::focusWidget() == dlg.entryList();
  }
  EXPECT_TRUE(reached);

  for (QAction* top : dlg.findChild<QMenuBar*>()->actions()) {
    EXPECT_TRUE(top->text().contains(QLatin1Char('&'))) << top->text().toStdString();
    for (QAction* action : top->menu()->actions()) {
      if (action->isSeparator() || action->text().isEmpty()) continue;
      EXPECT_TRUE(action->text().contains(QLatin1Char('&'))) << action->text().toStdString();
    }
  }
}

}  // namespace
}  // namespace tessera::ui

namespace tessera::ui {
namespace {

// A one-frame-per-colour ZOR animation of 6 x 4 pixels.
std::string ZorOfColours(std::initializer_list<std::uint32_t> colours) {
  ZorFile file;
  file.width = 6;
  file.height = 4;
  for (std::uint32_t colour : colours) {
    file.table.push_back(static_cast<std::uint32_t>(file.stream.size()));
    file.stream.push_back(zor::kColourRun | 24);
    file.stream.push_back(colour);
  }
  return EncodeZorFile(file);
}

// The animations category plays the chosen entry's own clip, from its first frame.
TEST_F(MainWindowFlowTest, AnimationAreaPlaysThePickedEntrysClip) {
  temp.write("skins/Tessera7/sections.ini",
             "[Count]\r\nSectionCount=5\r\n[0]\r\nDescription=Buttons\r\n[4]\r\nDescription=Animations\r\n");
  temp.write("skins/Tessera7/subsections2.ini", "[0]\r\nButton=1\r\n[4]\r\nCopy=2\r\nMoveFiles=2\r\nEmptyBin=2\r\n");
  temp.write("skins/Tessera7/subsections.ini", "[Copy]\r\nID=160\r\n[MoveFiles]\r\nID=161\r\n[EmptyBin]\r\nID=162\r\n");
  temp.write("skins/Cool/copy.zor", ZorOfColours({0xFFFF0000u, 0xFF00FF00u}));
  temp.write("skins/Cool/move.zor", ZorOfColours({0xFF0000FFu, 0xFFFFFF00u, 0xFF00FFFFu}));
  temp.write("skins/Cool/cool.anim", "[Animations.Avis]\r\nCopy=cool\\copy.zor\r\nMoveFiles=cool\\move.zor\r\n");
  path = writeSkin("Cool", "[TitlebarSkin]\r\nSkinName=Cool skin\r\n[Animations]\r\nFile=cool\\cool.anim\r\n");
  MainWindow dlg(path);
  dlg.finishStartup();
  dlg.taskPaneClick(4);
  AnimationArea* area = dlg.animationArea();
  ASSERT_FALSE(area->isHidden());
  ASSERT_TRUE(area->player().isLoaded());
  EXPECT_EQ(area->player().image().pixel(2, 2), 0xFFFF0000u);
  EXPECT_EQ(area->caption(), "Animation: cool\\copy.zor");

  ASSERT_EQ(dlg.entryList()->count(), 3);
  dlg.entryList()->setCurrentRow(1);
  EXPECT_EQ(area->caption(), "Animation: cool\\move.zor");
  EXPECT_EQ(area->player().frame(), 0);
  EXPECT_EQ(area->player().image().pixel(2, 2), 0xFF0000FFu);
  EXPECT_TRUE(area->player().playing());
  area->player().step();
  EXPECT_EQ(area->player().image().pixel(2, 2), 0xFFFFFF00u);

  // Without a clip of its own the entry names the platform's standard clip.
  dlg.entryList()->setCurrentRow(2);
  EXPECT_FALSE(area->player().isLoaded());
  EXPECT_EQ(area->caption(), "Standard animation (clip 162)");
  // Other categories hide the area and stop its clip.
  dlg.taskPaneClick(0);
  EXPECT_TRUE(area->isHidden());
  EXPECT_FALSE(area->player().playing());
}

}  // namespace
}  // namespace tessera::ui
