// The interface crawl: every entry of every category of each demo skin opened as the main window
// opens it, every page of its editor visited with one edit, the editor closed by OK, Cancel or
// Escape in turn (with "Painting margins" opened from each "Painting" page); and every dialog the
// menus reach without a file picker opened and closed.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QMessageBox>
#include <QToolButton>
#include <cstdio>
#include <map>
#include <memory>
#include <type_traits>

#include "core/app/demo_environment.h"
#include "core/app/skin_actions.h"
#include "core/engine/engine_startup.h"
#include "core/platform/environment.h"
#include "core/platform/files.h"
#include "core/platform/paths.h"
#include "core/platform/profile.h"
#include "core/platform/prompt.h"
#include "core/platform/settings.h"
#include "core/platform/shell.h"
#include "core/skin/category_catalogue.h"
#include "core/skin/skin_session.h"
#include "crawl_support.h"
#include "window_size_watch.h"
#include "support/temp_dir.h"
#include "ui/app/category_kind.h"
#include "ui/app/category_pane.h"
#include "ui/app/editor_launcher.h"
#include "ui/app/frames_editor_dialog.h"
#include "ui/app/main_window.h"
#include "ui/app/preferences_sheet.h"
#include "ui/app/shell_animation_dialog.h"
#include "ui/app/skin_properties_dialog.h"
#include "ui/colours/colour_choosers.h"
#include "ui/colours/edit_colours_dialog.h"
#include "ui/colours/edit_fonts_dialog.h"
#include "ui/colours/included_fonts_dialog.h"
#include "ui/common/video_preview.h"
#include "ui/common/zoom_window.h"
#include "ui/colours/part_table_dialog.h"
#include "ui/editor/section_editor_window.h"
#include "ui/import/zor_builder_dialog.h"
#include "ui/pages/margins_editor_dialog.h"
#include "ui/pages/painting_page.h"
#include "ui/sheet/property_sheet.h"
#include "ui/skin/clean_skin_dialog.h"
#include "ui/skin/how_do_i_dialog.h"
#include "ui/skin/new_skin_dialog.h"
#include "ui/skin/open_skin_dialog.h"
#include "ui/skin/save_as_dialog.h"
#include "ui/skin/skin_manager_dialog.h"
#include "ui/skin/substyle_manager_dialog.h"
#include "ui/skin/substyle_picker.h"
#include "ui/skin/wallpaper_dialog.h"
#include "ui/strip/cut_tool_dialog.h"
#include "ui/strip/frame_builder_dialog.h"
#include "ui/textures/frameless_frames_dialog.h"
#include "ui/textures/texture_dialog.h"
#include "ui/textures/texture_list.h"
#include "ui/textures/texture_picker.h"

namespace tessera::ui {
namespace {

using crawl::AnswerNextModal;
using crawl::CloseBy;

// Every question is answered No; messages are dropped.
class NoPrompt final : public Prompt {
 public:
  PromptAnswer askYesNo(std::string_view, std::string_view) override {
    ++questions;
    return PromptAnswer::No;
  }
  void inform(std::string_view, std::string_view) override {}
  int questions = 0;
};

struct CrawlCounts {
  int categories = 0;
  int entries = 0;        // entries whose editor opened
  int placeholders = 0;   // entries of editors not built yet (a message says which would open)
  int pages = 0;
  int edits = 0;
  int dialogs = 0;
  int marginsEditors = 0;  // "Painting margins" windows opened from "Painting" pages
  int animations = 0;   // shell animation pickers
  int zoomWindows = 0;
};

class InterfaceCrawl : public testing::EnvironmentTest {
 protected:
  void SetUp() override {
    EnvironmentTest::SetUp();
    ASSERT_TRUE(layOutDemo(TESSERA_TEST_GENERATED_SKINS_DIR));
    InstallPrompt(&prompt);
    InstallShell(&shell);
    previousChooser_ = CurrentColourChooser();
    CurrentColourChooser() = [](QWidget*, ColorRef) -> std::optional<ColorRef> { return std::nullopt; };
    before_ = crawl::TopLevels();
  }
  void TearDown() override {
    // Every window shown on the way opened at a size that fits its content and the screen.
    for (const QString& misfit : sizes.misfits()) ADD_FAILURE() << misfit.toStdString();
    const QSet<QWidget*> after = crawl::TopLevels();
    for (QWidget* window : after) {
      EXPECT_TRUE(before_.contains(window)) << "top-level window left behind: " << window->metaObject()->className()
                                            << " \"" << window->windowTitle().toStdString() << "\"";
    }
    CurrentColourChooser() = previousChooser_;
    EnvironmentTest::TearDown();
  }

  std::vector<std::string> demoSkins() const {
    std::vector<std::string> skins;
    for (const std::string& name : files::listFolders(skinsFolder()))
      if (paths::lower(name) != "tessera7") skins.push_back(name);
    return skins;
  }

  // The entries the catalogue offers the open skin in categories with an entry list, counted
  // from the catalogue rather than from the window.
  int catalogueEntries() const {
    const CategoryCatalogue catalogue(DataFolder());
    int total = 0;
    for (const Category& category :
         catalogue.visibleCategories(ReadSettingInt(settings::TargetOS), Session().framelessSkin == 1)) {
      if (!hasEntryList(category.number)) continue;
      total += static_cast<int>(catalogue.visibleEntries(category.number, SkinTraits::Of(Session().mainFile)).size());
    }
    return total;
  }
  static bool hasEntryList(int number) {
    return number != kHowDoICategory && number != kColoursCategory && number != kFontsCategory &&
           CategoryKind(number) != 7;
  }

  // What the main window's entry opener would start, driven instead of run modally.
  void openEntry(QWidget* parent, const std::string& entryText) {
    switch (EditorForEntry(entryText)) {
      case EntryEditor::Section: crawlSectionEditor(parent, entryText.substr(0, entryText.find('='))); break;
      case EntryEditor::FramesForm: {
        FramesEditorDialog dialog(parent);
        dialog.show();
        closeOrFail(dialog, crawl::NthClose(counts.entries));
        ++counts.entries;
        break;
      }
      case EntryEditor::Wallpapers: {
        WallpaperDialog dialog(SkinDocument::current(), parent);
        dialog.show();
        closeOrFail(dialog, crawl::NthClose(counts.entries));
        ++counts.entries;
        break;
      }
      case EntryEditor::Textures: crawlTextureEditor<TextureDialog>(parent); break;
      case EntryEditor::FramelessFrames: crawlTextureEditor<FramelessFramesDialog>(parent); break;
      case EntryEditor::ShellAnimation: {
        ShellAnimationDialog dialog(SkinDocument::current(), entryText.substr(0, entryText.find('=')), parent);
        dialog.show();
        // Each entry plays or says in its line why it cannot.
        for (int row = 0; row < dialog.list()->count(); ++row) {
          dialog.list()->setCurrentRow(row);
          EXPECT_TRUE(dialog.preview()->isPlaying() || !dialog.preview()->message().isEmpty()) << row;
        }
        closeOrFail(dialog, crawl::NthClose(counts.entries));
        ++counts.entries;
        ++counts.animations;
        break;
      }
      default: ++counts.placeholders; break;
    }
  }

  // A texture editor: shown (the frame editor stores its sliders then), one edit, then closed.
  template <typename T>
  void crawlTextureEditor(QWidget* parent) {
    T dialog(SkinDocument::current(), parent);
    dialog.show();
    if (!crawl::EditFirstControl(dialog).empty()) ++counts.edits;
    // The picture lists take an entry too: the last one, then the no-texture entry.
    for (TexturePicker* picker : dialog.pickers()) {
      picker->list()->setCurrentRow(picker->list()->count() - 1);
      picker->list()->setCurrentRow(0);
    }
    QCoreApplication::processEvents();
    closeOrFail(dialog, crawl::NthClose(counts.entries));
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    ++counts.entries;
  }

  void crawlSectionEditor(QWidget* parent, const std::string& section) {
    SCOPED_TRACE("section " + section);
    SectionEditorWindow editor(SkinDocument::current(), section, parent);
    editor.show();
    ASSERT_NE(editor.propertySheet(), nullptr);
    if (counts.entries == 0) openZoomWindow(editor);
    const int pageCount = static_cast<int>(editor.propertySheet()->pageCaptions().size());
    EXPECT_GT(pageCount, 0);
    for (int p = 0; p < pageCount; ++p) {
      // An edit may ask for a new sheet; the pages stay the same for the same section.
      PropertySheet* sheet = editor.propertySheet();
      ASSERT_NE(sheet, nullptr);
      if (p >= sheet->pageCaptions().size()) break;
      sheet->activatePage(p);
      ++counts.pages;
      QWidget* page = sheet->page(p);
      ASSERT_NE(page, nullptr);
      sizes.checkFields(*page);
      if (!crawl::EditFirstControl(*page).empty()) ++counts.edits;
      if (auto* painting = qobject_cast<PaintingPage*>(page)) crawlMarginsEditor(*painting);
      // Between pages the queued work runs, as between two clicks; after the last edit the
      // window closes at once.
      if (p + 1 < pageCount) QCoreApplication::processEvents();
    }
    const CloseBy how = crawl::NthClose(counts.entries);
    closeOrFail(editor, how);
    EXPECT_EQ(editor.result(), how == CloseBy::Ok ? QDialog::Accepted : QDialog::Rejected) << crawl::CloseName(how);
    ++counts.entries;
  }

  // "Painting margins" from the page's button: one edit, then closed by OK, Cancel or Escape in
  // turn. The page may be rebuilt while the window is open; it is not touched afterwards.
  void crawlMarginsEditor(PaintingPage& page) {
    const CloseBy how = crawl::NthClose(counts.marginsEditors);
    auto answer = AnswerNextModal<MarginsEditorDialog>([how](MarginsEditorDialog* dialog) {
      EXPECT_FALSE(crawl::EditFirstControl(*dialog).empty());
      closeOrFail(*dialog, how);
      EXPECT_EQ(dialog->result(), how == CloseBy::Ok ? QDialog::Accepted : QDialog::Rejected) << crawl::CloseName(how);
    });
    page.marginsEditorButton()->click();
    EXPECT_TRUE(answer->answered());
    ++counts.marginsEditors;
  }

  // The editor's "Z" opens the zoom window beside it; its magnifications switch, and it goes
  // with the editor.
  void openZoomWindow(QWidget& editor) {
    auto* zoom = editor.findChild<QPushButton*>(QStringLiteral("zoom"));
    ASSERT_NE(zoom, nullptr);
    zoom->click();
    ZoomWindow* window = ZoomWindow::instance();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    for (QPushButton* button : window->findChildren<QPushButton*>()) {
      button->click();
      EXPECT_EQ(QStringLiteral("%1x").arg(window->factor()), button->text());
    }
    ++counts.zoomWindows;
  }

  static void closeOrFail(QDialog& dialog, CloseBy how) {
    EXPECT_TRUE(crawl::CloseDialog(dialog, how)) << dialog.metaObject()->className() << " has no " << crawl::CloseName(how);
    EXPECT_FALSE(dialog.isVisible()) << dialog.metaObject()->className() << " stayed open after " << crawl::CloseName(how);
    if (dialog.isVisible()) dialog.reject();
  }

  // A modal dialog of type T answered by one edit (when asked) and a close: by OK, Cancel or Escape
  // in turn, or, for dialogs whose OK would create, delete or reopen, by Cancel or Escape. The
  // answer has been given by the time the caller checks `answered()`.
  template <typename T>
  [[nodiscard]] std::unique_ptr<crawl::ModalAnswer> expectDialog(bool edit = false, bool mayAccept = true) {
    const CloseBy how = mayAccept ? crawl::NthClose(counts.dialogs) : crawl::NthClose(1 + counts.dialogs % 2);
    return AnswerNextModal<T>([this, how, edit](T* dialog) {
      if (edit) crawl::EditFirstControl(*dialog);
      closeOrFail(*dialog, how);
      ++counts.dialogs;
    });
  }

  // The colours or fonts editor, which opens its part dialog by `button` (edited once and
  // closed, with the part table listed) and, for fonts, "Included Fonts" (edited and closed in its
  // turn), then closes after one edit of its own.
  template <typename T>
  [[nodiscard]] std::unique_ptr<crawl::ModalAnswer> expectEditorWithPartDialog(const QString& button) {
    const CloseBy how = crawl::NthClose(counts.dialogs);
    return AnswerNextModal<T>([this, how, button](T* dialog) {
      QPushButton* opener = nullptr;
      for (QPushButton* b : dialog->template findChildren<QPushButton*>())
        if (b->text() == button) opener = b;
      EXPECT_NE(opener, nullptr) << button.toStdString();
      if (opener) {
        auto part = AnswerNextModal<PartTableDialog>([this](PartTableDialog* partDialog) {
          EXPECT_GT(partDialog->recordList()->count(), 0) << partDialog->currentClass();
          crawl::EditFirstControl(*partDialog);
          closeOrFail(*partDialog, crawl::NthClose(counts.dialogs));
          ++counts.dialogs;
        });
        opener->click();
        EXPECT_TRUE(part->answered()) << button.toStdString();
      }
      crawl::EditFirstControl(*dialog);
      if constexpr (std::is_same_v<T, EditFontsDialog>) {
        for (QPushButton* b : dialog->template findChildren<QPushButton*>()) {
          if (b->text() != QStringLiteral("Included font files...")) continue;
          auto included = expectDialog<IncludedFontsDialog>(true);
          b->click();
          EXPECT_TRUE(included->answered());
        }
      }
      closeOrFail(*dialog, how);
      ++counts.dialogs;
    });
  }

  // What a whole demo skin's crawl must have reached, whichever skin it was.
  void expectEverythingReached() const {
    EXPECT_EQ(counts.animations, 7);
    EXPECT_EQ(counts.zoomWindows, 1);
    EXPECT_GE(counts.categories, 10);
    EXPECT_GE(counts.entries, 100);
    EXPECT_GE(counts.pages, 2 * counts.entries);
    EXPECT_GE(counts.edits, counts.entries);
    EXPECT_GE(counts.marginsEditors, 3);
  }

  // Opens the skin in a main window and crawls every category of its category pane.
  void crawlSkin(const std::string& skin) {
    MainWindow window(SkinMainFilePath(skin));
    window.setEntryOpener([this](QWidget* parent, int, const std::string& entryText) { openEntry(parent, entryText); });
    window.show();
    // A skin with sub-styles asks which to edit; Escape keeps the main file.
    auto picker = AnswerNextModal<SubStylePickerDialog>([this](SubStylePickerDialog* dialog) {
      closeOrFail(*dialog, CloseBy::Escape);
      ++counts.dialogs;
    });
    window.finishStartup();
    picker.reset();
    ASSERT_TRUE(Session().isOpen()) << skin;
    const int expectedEntries = catalogueEntries();

    std::vector<int> numbers;
    for (int row = 0; row < window.categoryPane()->count(); ++row)
      numbers.push_back(CategoryPane::numberOf(window.categoryPane()->item(row)));
    for (int number : numbers) {
      SCOPED_TRACE("category " + std::to_string(number));
      if (number == kOpenSkinItem || number == kNewSkinItem) continue;  // the menu crawl opens these
      ++counts.categories;
      std::unique_ptr<crawl::ModalAnswer> answer;
      if (number == kColoursCategory) answer = expectEditorWithPartDialog<EditColoursDialog>("Edit Vista / 7 part colours...");
      if (number == kFontsCategory) answer = expectEditorWithPartDialog<EditFontsDialog>("Modify Vista / 7 part fonts...");
      if (number == kHowDoICategory) answer = expectDialog<HowDoIDialog>(true);
      emit window.categoryPane()->taskPaneClick(number);
      if (answer) {
        EXPECT_TRUE(answer->answered());
      }
      if (!hasEntryList(number)) continue;
      ASSERT_EQ(window.currentCategory(), number);
      const bool singleClick = ReadSettingInt(settings::SingleClickUI) == 1;
      for (int row = 0; row < window.entryList()->count(); ++row) {
        QListWidgetItem* item = window.entryList()->item(row);
        if (singleClick) {
          emit window.entryList()->itemClicked(item);
        } else {
          emit window.entryList()->itemDoubleClicked(item);
        }
        crawl::DrainEvents();
      }
    }
    EXPECT_EQ(counts.entries + counts.placeholders, expectedEntries) << skin;
    window.closeSkin();
  }

  void report(const std::string& what) const {
    std::printf("[ crawl ] %s: %d categories, %d entries opened (+%d not built yet), %d pages, %d edits, %d dialogs, "
                "%d painting margins\n",
                what.c_str(), counts.categories, counts.entries, counts.placeholders, counts.pages, counts.edits,
                counts.dialogs, counts.marginsEditors);
    std::fflush(stdout);
  }

  NoPrompt prompt;
  RecordingShell shell;
  CrawlCounts counts;
  crawl::WindowSizeWatch sizes;

 private:
  ColourChooser previousChooser_;
  QSet<QWidget*> before_;
};

// The window sizes are checked on the screen a small laptop has.
TEST_F(InterfaceCrawl, RunsOnALaptopSizeScreen) {
  ASSERT_NE(QGuiApplication::primaryScreen(), nullptr);
  EXPECT_EQ(QGuiApplication::primaryScreen()->geometry().size(), crawl::kLaptopScreen);
}

TEST_F(InterfaceCrawl, TheDemoSkinsAreTheOnesCrawled) {
  // A new demo skin needs its own crawl case below.
  EXPECT_EQ(demoSkins(), (std::vector<std::string>{"Aurora", "Copperline"}));
}

TEST_F(InterfaceCrawl, Aurora) {
  crawlSkin("Aurora");
  report("Aurora");
  expectEverythingReached();
  // the sub-style picker, colours and fonts with their part dialogs, included fonts, "How do I"
  EXPECT_EQ(counts.dialogs, 7);
}

TEST_F(InterfaceCrawl, Copperline) {
  crawlSkin("Copperline");
  report("Copperline");
  expectEverythingReached();
  // colours and fonts with their part dialogs, included fonts, "How do I" (no sub-styles)
  EXPECT_EQ(counts.dialogs, 6);
}

// The texture editors, opened directly: the demo skins' catalogue entries may not offer them.
TEST_F(InterfaceCrawl, TextureEditorsOpenEditAndClose) {
  MainWindow window(SkinMainFilePath("Aurora"));
  window.show();
  {
    auto picker = expectDialog<SubStylePickerDialog>(false, false);
    window.finishStartup();
    EXPECT_TRUE(picker->answered());
  }
  ASSERT_TRUE(Session().isOpen());
  for (int i = 0; i < 3; ++i) {
    crawlTextureEditor<TextureDialog>(&window);
    crawlTextureEditor<FramelessFramesDialog>(&window);
  }
  EXPECT_EQ(counts.entries, 6);
  EXPECT_GE(counts.edits, 3);
  window.closeSkin();
}

// Every command of the menus is either crawled here or named as one that opens no dialog.
TEST_F(InterfaceCrawl, EveryMenuDialogOpensAndCloses) {
  MainWindow window(SkinMainFilePath("Aurora"));
  window.show();
  {
    auto picker = expectDialog<SubStylePickerDialog>(false, false);
    window.finishStartup();
    EXPECT_TRUE(picker->answered());
  }
  ASSERT_TRUE(Session().isOpen());

  std::map<QString, QAction*> actions;
  for (QAction* top : window.findChild<QMenuBar*>()->actions())
    for (QAction* action : top->menu()->actions())
      if (!action->isSeparator()) actions[action->text().remove(QLatin1Char('&'))] = action;

  // Commands that open no dialog of their own (they reopen, save, close or hand over to the shell).
  const QStringList noDialog = {QStringLiteral("Open current Velarium skin"), QStringLiteral("Recent skins..."),
                                QStringLiteral("Save skin"),  QStringLiteral("Close skin"),
                                QStringLiteral("Apply skin"), QStringLiteral("Open skin folder"),
                                QStringLiteral("Refresh preview"),
                                QStringLiteral("Exit"),
                                // Nothing to undo yet; the package's progress closes itself and its
                                // message goes through the prompt.
                                QStringLiteral("Undo"), QStringLiteral("Redo"), QStringLiteral("Make VLA package")};
  // In menu order, "Save As..." last: cancelling it leaves the skin closed.
  using Expect = std::function<std::unique_ptr<crawl::ModalAnswer>()>;
  const std::vector<std::pair<QString, Expect>> dialogs = {
      {QStringLiteral("Open skin for editing..."), [this] { return expectDialog<OpenSkinDialog>(false, false); }},
      {QStringLiteral("SubStyle Management"), [this] { return expectDialog<SubStyleManagerDialog>(false, false); }},
      {QStringLiteral("Switch substyle"), [this] { return expectDialog<SubStylePickerDialog>(false, false); }},
      {QStringLiteral("Skin Properties"), [this] { return expectDialog<SkinPropertiesDialog>(true, false); }},
      {QStringLiteral("Clean skin"), [this] { return expectDialog<CleanSkinDialog>(false, false); }},
      {QStringLiteral("Manage skins"), [this] { return expectDialog<SkinManagerDialog>(false, false); }},
      {QStringLiteral("Sub frame builder"), [this] { return expectDialog<FrameBuilderDialog>(true, false); }},
      {QStringLiteral("Cut from larger graphic..."), [this] { return expectDialog<CutToolDialog>(false, false); }},
      {QStringLiteral("Build ZOR File for animation..."), [this] { return expectDialog<ZorBuilderDialog>(false, false); }},
      {QStringLiteral("How do I?"), [this] { return expectDialog<HowDoIDialog>(false, false); }},
      {QStringLiteral("Preferences"), [this] { return expectDialog<PreferencesSheet>(false, false); }},
      {QStringLiteral("About Tessera"), [this] { return expectDialog<QMessageBox>(false, false); }},
      {QStringLiteral("Save As..."), [this] { return expectDialog<SaveAsDialog>(false, false); }},
  };
  QStringList covered = noDialog;
  // Windows that stay open beside the main window: each shows, then closes.
  for (const QString& text : {QStringLiteral("History"), QStringLiteral("Check skin")}) {
    SCOPED_TRACE(text.toStdString());
    covered << text;
    ASSERT_TRUE(actions.count(text)) << "no menu command " << text.toStdString();
    const QWidgetList windows = QApplication::topLevelWidgets();
    const QSet<QWidget*> shownBefore(windows.begin(), windows.end());
    actions[text]->trigger();
    crawl::DrainEvents();
    QWidget* opened = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets())
      if (widget->isVisible() && !shownBefore.contains(widget)) opened = widget;
    ASSERT_NE(opened, nullptr);
    opened->close();
    crawl::DrainEvents();
  }
  for (const auto& [text, expect] : dialogs) {
    SCOPED_TRACE(text.toStdString());
    covered << text;
    ASSERT_TRUE(actions.count(text)) << "no menu command " << text.toStdString();
    QAction* action = actions[text];
    ASSERT_TRUE(action->isEnabled());
    const int before = counts.dialogs;
    auto answer = expect();
    action->trigger();
    crawl::DrainEvents();
    EXPECT_TRUE(answer->answered());
    EXPECT_EQ(counts.dialogs, before + 1);
  }
  for (const auto& [text, action] : actions) EXPECT_TRUE(covered.contains(text)) << "menu command not crawled: " << text.toStdString();

  // Cancelled "Save As..." left the start page, whose pane offers a new skin.
  EXPECT_FALSE(Session().isOpen());
  {
    auto answer = expectDialog<NewSkinDialog>(false, false);
    emit window.categoryPane()->taskPaneClick(kNewSkinItem);
    crawl::DrainEvents();
    EXPECT_TRUE(answer->answered());
  }
  report("menus");
  EXPECT_EQ(counts.dialogs, static_cast<int>(dialogs.size()) + 2);  // and the picker at the start
  // Each of those dialogs, the main window, "History" and "Check skin" had its size checked.
  EXPECT_GE(sizes.windowsSeen(), counts.dialogs + 3);
}

}  // namespace
}  // namespace tessera::ui
