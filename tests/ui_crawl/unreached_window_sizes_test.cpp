// The windows the crawl does not open on its way (they need a font preset, a saved picture, a
// strip or a sub-style list to act on) open at a size that fits their content on the laptop
// screen too, and so does the file picker in each of its forms.
#include <gtest/gtest.h>

#include <QDialog>
#include <QFileDialog>
#include <memory>

#include "core/skin/skin_document.h"
#include "core/skin/skin_session.h"
#include "core/skin/substyle_manager.h"
#include "support/modal_dialogs.h"
#include "support/temp_dir.h"
#include "ui/colours/change_font_dialog.h"
#include "ui/common/file_picker.h"
#include "ui/import/frame_count_dialog.h"
#include "ui/skin/substyle_name_dialogs.h"
#include "ui/strip/update_section_dialog.h"
#include "window_size_watch.h"

namespace tessera::ui {
namespace {

using testing::WhenModal;

class UnreachedWindowSizes : public tessera::testing::EnvironmentTest {
 protected:
  void SetUp() override {
    EnvironmentTest::SetUp();
    Session().mainFile = writeSkin("S", "[TitlebarSkin]\r\nSkinName=S\r\n[Button]\r\n[StartButton]\r\n"
                                        "[Font1]\r\nFontName=Tahoma\r\nFontHeight=-11\r\n");
    Session().skinName = "S";
  }
  void TearDown() override {
    Session() = SkinSession{};
    EnvironmentTest::TearDown();
  }
  // Shows `window` as the user first sees it and lists what does not fit.
  std::string misfitsOf(QDialog& window) {
    const crawl::WindowSizeWatch watch;
    window.show();
    window.close();
    EXPECT_EQ(watch.windowsSeen(), 1) << window.windowTitle().toStdString();
    return watch.misfits().join(QLatin1Char('\n')).toStdString();
  }
};

TEST_F(UnreachedWindowSizes, SmallDialogsFitTheirContent) {
  ChangeFontDialog font(1);
  EXPECT_EQ(misfitsOf(font), "");
  UpdateSectionDialog update;
  EXPECT_EQ(misfitsOf(update), "");
  FrameCountDialog frames;
  EXPECT_EQ(misfitsOf(frames), "");
  SubStyleManager manager(skinsFolder(), "S");
  NewSubStyleDialog create(SkinDocument::current(), manager);
  EXPECT_EQ(misfitsOf(create), "");
  RenameSubStyleDialog rename(QStringLiteral("A rather long sub-style name for its field"));
  EXPECT_EQ(misfitsOf(rename), "");
}

TEST_F(UnreachedWindowSizes, FilePickerFitsInEachForm) {
  const std::vector<FilePickerRequest> forms{
      {.title = QStringLiteral("Open"), .filter = QStringLiteral("Skins (*.uis)")},
      {.title = QStringLiteral("Save as"), .filter = QStringLiteral("Bitmaps (*.bmp)"), .defaultSuffix = QStringLiteral("bmp"),
       .mode = PickerMode::Save},
      {.title = QStringLiteral("Picture"), .filter = QStringLiteral("Pictures (*.bmp *.png)"), .preview = true},
      {.title = QStringLiteral("Program"), .programsOnly = true},
  };
  for (const FilePickerRequest& form : forms) {
    const crawl::WindowSizeWatch watch;
    const auto shown = WhenModal<QFileDialog>([](QFileDialog* dialog) { dialog->reject(); });
    EXPECT_EQ(PickFileWithDialog(nullptr, form), QString());
    EXPECT_GE(watch.windowsSeen(), 1) << form.title.toStdString();
    EXPECT_EQ(watch.misfits().join(QLatin1Char('\n')).toStdString(), "") << form.title.toStdString();
  }
}

}  // namespace
}  // namespace tessera::ui
