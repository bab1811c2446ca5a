// Every command of the main window's menus and every kind of catalogue entry opens a real window,
// never the message that names an editor still to be built ("The ... editor opens here").
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QTimer>
#include <map>
#include <set>

#include "core/app/demo_environment.h"
#include "core/app/skin_actions.h"
#include "core/engine/engine_startup.h"
#include "core/platform/environment.h"
#include "core/platform/profile.h"
#include "core/platform/prompt.h"
#include "core/platform/settings.h"
#include "core/platform/shell.h"
#include "core/skin/category_catalogue.h"
#include "core/skin/skin_session.h"
#include "crawl_support.h"
#include "support/temp_dir.h"
#include "ui/app/editor_launcher.h"
#include "ui/app/main_window.h"
#include "ui/common/file_picker.h"

namespace tessera::ui {
namespace {

// Closes every modal window as soon as it shows (file pickers answer "cancel"), keeping the text
// of each message box.
class CloseEveryModal final : public QObject {
 public:
  CloseEveryModal() { qApp->installEventFilter(this); }
  ~CloseEveryModal() override { qApp->removeEventFilter(this); }
  QStringList messages;
  QStringList windows;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::Show || !watched->isWidgetType()) return false;
    auto* window = static_cast<QWidget*>(watched);
    if (!window->isWindow() || window->windowModality() == Qt::NonModal) return false;
    auto* dialog = qobject_cast<QDialog*>(window);
    if (!dialog) return false;
    windows << QString::fromLatin1(window->metaObject()->className());
    if (auto* box = qobject_cast<QMessageBox*>(window)) messages << box->text();
    QTimer::singleShot(0, dialog, [dialog] { dialog->done(QDialog::Rejected); });
    return false;
  }
};

bool IsPlaceholder(const QString& message) {
  return message.startsWith(QStringLiteral("The ")) && message.contains(QStringLiteral(" opens here"));
}

class NoPlaceholderTest : public testing::EnvironmentTest {
 protected:
  void SetUp() override {
    EnvironmentTest::SetUp();
    ASSERT_TRUE(layOutDemo(TESSERA_TEST_GENERATED_SKINS_DIR));
    InstallPrompt(&prompt_);
    InstallShell(&shell_);
  }

  class NoPrompt final : public Prompt {
   public:
    PromptAnswer askYesNo(std::string_view, std::string_view) override { return PromptAnswer::No; }
    void inform(std::string_view, std::string_view) override {}
  } prompt_;
  RecordingShell shell_;
  FilePickerOverride noFiles_{[](QWidget*, const FilePickerRequest&) { return QString(); }};
};

TEST_F(NoPlaceholderTest, MenuCommandsOpenRealWindows) {
  MainWindow window(SkinMainFilePath("Copperline"));
  window.show();
  window.finishStartup();
  ASSERT_TRUE(Session().isOpen());

  // Commands that close, reopen or replace the open skin, or leave the program, are not run here.
  const QStringList notRun = {QStringLiteral("Open current Velarium skin"), QStringLiteral("Close skin"),
                              QStringLiteral("Save As..."), QStringLiteral("Switch substyle"),
                              QStringLiteral("Exit"), QStringLiteral("Make VLA package")};
  CloseEveryModal closer;
  int run = 0;
  for (QAction* top : window.findChild<QMenuBar*>()->actions()) {
    for (QAction* action : top->menu()->actions()) {
      const QString text = action->text().remove(QLatin1Char('&'));
      if (action->isSeparator() || action->menu() || notRun.contains(text) || !action->isEnabled()) continue;
      SCOPED_TRACE(text.toStdString());
      const QSet<QWidget*> before = crawl::TopLevels();
      action->trigger();
      crawl::DrainEvents();
      ++run;
      // Windows that stay beside the main window close again.
      for (QWidget* opened : crawl::TopLevels())
        if (!before.contains(opened) && opened->isVisible()) opened->close();
      crawl::DrainEvents();
    }
  }
  EXPECT_GE(run, 15);
  EXPECT_TRUE(closer.windows.contains(QStringLiteral("tessera::ui::HowDoIDialog")));
  for (const QString& message : closer.messages) EXPECT_FALSE(IsPlaceholder(message)) << message.toStdString();
  window.closeSkin();
}

TEST_F(NoPlaceholderTest, EveryEntryTypeOpensItsEditor) {
  MainWindow window(SkinMainFilePath("Copperline"));
  window.show();
  window.finishStartup();
  ASSERT_TRUE(Session().isOpen());

  // The first catalogue entry of each editor, whichever skins the catalogue offers it to.
  const CategoryCatalogue catalogue(DataFolder());
  std::map<EntryEditor, std::string> firstEntry;
  for (int number = 0; number < catalogue.count(); ++number)
    for (const CategoryEntry& entry : catalogue.entries(number)) firstEntry.try_emplace(EditorForEntry(entry.line), entry.line);
  // Type codes our catalogue does not use ("4") are tried with an entry of their own.
  for (const char* line : {"Frames=1", "Frames.UIS1=4", "Wallpapers=3", "Copy=2", "Taskbar.Texture=6",
                           "Frames.Texture=7"}) {
    firstEntry.try_emplace(EditorForEntry(line), line);
  }
  ASSERT_EQ(firstEntry.size(), 6u);

  for (const auto& [editor, line] : firstEntry) {
    SCOPED_TRACE(line);
    CloseEveryModal closer;
    OpenEntryEditor(&window, SkinDocument::current(), 0, line);
    crawl::DrainEvents();
    ASSERT_FALSE(closer.windows.isEmpty()) << "nothing opened";
    bool placeholder = false;
    for (const QString& message : closer.messages) placeholder = placeholder || IsPlaceholder(message);
    EXPECT_FALSE(placeholder) << closer.messages.join(QLatin1Char('\n')).toStdString();
  }
  window.closeSkin();
}

}  // namespace
}  // namespace tessera::ui
