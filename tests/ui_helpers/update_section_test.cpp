#include <gtest/gtest.h>

#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "core/skin/section_links.h"
#include "ui/strip/update_section_dialog.h"
#include "ui_helpers/helpers_fixture.h"

namespace tessera::ui {
namespace {

using testing::WhenModal;

class UpdateSectionTest : public testing::HelperDialogTest {
 protected:
  void SetUp() override {
    HelperDialogTest::SetUp();
    catalogue("subsections.ini", "[Button]\r\nDescription=Push buttons\r\n");
    openSkin("[Personality]\r\n[xpshell]\r\nFile=S\\S.xps~\r\n[XPTaskbar]\r\nFile=S\\S.xp~\r\n[TitlebarSkin]\r\n[Button]\r\n",
             "[XPTaskbar]\r\n[Taskbar]\r\n[XPShell]\r\n[StartButton]\r\n", "[xpshell]\r\n[Explorer]\r\n");
  }
  static std::vector<std::pair<std::string, LinkFile>> listed() {
    std::vector<std::pair<std::string, LinkFile>> out;
    for (const LinkableSection& s : LinkableSections()) out.emplace_back(s.name, s.file);
    return out;
  }
};

TEST_F(UpdateSectionTest, MainThenTaskbarThenShellWithoutTheirHeaderSections) {
  EXPECT_EQ(listed(), (std::vector<std::pair<std::string, LinkFile>>{{"Personality", LinkFile::Main},
                                                                      {"Button", LinkFile::Main},
                                                                      {"Taskbar", LinkFile::Taskbar},
                                                                      {"StartButton", LinkFile::Taskbar},
                                                                      {"Explorer", LinkFile::Shell}}));
  EXPECT_EQ(LinkFilePath(0), mainFile());
  EXPECT_EQ(LinkFilePath(1), Session().companionFiles[1]);
  EXPECT_EQ(LinkFilePath(2), Session().companionFiles[0]);
  EXPECT_EQ(LinkFilePath(7), "");
}

TEST_F(UpdateSectionTest, MissingCompanionsListOnlyTheMainFile) {
  files::deleteFile(Session().companionFiles[0]);
  files::deleteFile(Session().companionFiles[1]);
  EXPECT_EQ(listed().size(), 2u);
  Session() = SkinSession{};
  EXPECT_TRUE(LinkableSections().empty());
}

TEST_F(UpdateSectionTest, UpdateAnswersTheChosenSectionAndItsFileNoneAnswersNothing) {
  {
    UpdateSectionDialog dialog;
    dialog.show();
    ASSERT_EQ(dialog.sectionList()->count(), 5);
    EXPECT_EQ(dialog.sectionList()->currentRow(), 0);
    EXPECT_EQ(dialog.sectionList()->item(1)->text(), QStringLiteral("Button  (Push buttons)"));
    EXPECT_TRUE(dialog.sectionList()->item(3)->text().startsWith(QStringLiteral("StartButton")));
  }
  {
    auto pick = WhenModal<UpdateSectionDialog>([](UpdateSectionDialog* dialog) {
      dialog->sectionList()->setCurrentRow(3);
      testing::ButtonWithText(dialog, QStringLiteral("Update"))->click();
    });
    const SectionLinkAnswer answer = UpdateSectionDialog::ask(nullptr);
    EXPECT_EQ(answer.section, "StartButton");
    EXPECT_EQ(answer.file, 2);
  }
  {
    auto none = WhenModal<UpdateSectionDialog>([](UpdateSectionDialog* dialog) {
      testing::ButtonWithText(dialog, QStringLiteral("None"))->click();
    });
    EXPECT_EQ(UpdateSectionDialog::ask(nullptr).section, "");
  }
}

}  // namespace
}  // namespace tessera::ui
