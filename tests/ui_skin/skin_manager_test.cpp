#include <gtest/gtest.h>

#include <QTest>

#include "core/platform/files.h"
#include "core/skin/skin_session.h"
#include "dialog_test_support.h"
#include "ui/skin/skin_info_panel.h"
#include "ui/skin/skin_manager_dialog.h"

namespace tessera::ui {
namespace {

using testing::ScriptedPrompt;

class SkinManagerTest : public testing::DialogTest {
 protected:
  void SetUp() override {
    DialogTest::SetUp();
    for (const char* name : {"Alpha", "Beta", "Delta", "Gamma"}) {
      writeSkin(name, std::string("[TitlebarSkin]\r\nSkinName=") + name + " skin\r\nSkinAuthor=Someone\r\n");
      temp.write(std::string("skins/") + name + "/parts/frame.tga", "x");
    }
    rebuildSkinList();
  }
  static void tick(SkinManagerDialog& dialog, const QString& name) {
    const auto items = dialog.skinList()->findItems(name, Qt::MatchExactly);
    ASSERT_EQ(items.size(), 1);
    items[0]->setCheckState(0, Qt::Checked);
  }
  bool skinExists(const char* name) const { return files::isFolder(temp.file(std::string("skins/") + name)); }
};

TEST_F(SkinManagerTest, ListsTheInstalledSkinsWithCheckBoxes) {
  SkinManagerDialog dialog(skinsFolder());
  EXPECT_EQ(dialog.windowTitle(), "Skin management");
  EXPECT_EQ(dialog.skinList()->headerItem()->text(0), "name");
  ASSERT_EQ(dialog.skinList()->topLevelItemCount(), 4);
  EXPECT_EQ(dialog.skinList()->topLevelItem(2)->text(0), "Delta");
  EXPECT_EQ(dialog.skinList()->topLevelItem(2)->checkState(0), Qt::Unchecked);

  dialog.show();
  dialog.skinList()->setCurrentItem(dialog.skinList()->topLevelItem(1));
  EXPECT_EQ(dialog.infoPanel()->nameLabel()->text(), "Beta skin");
  EXPECT_EQ(dialog.infoPanel()->authorLabel()->text(), "Someone");
}

TEST_F(SkinManagerTest, OneTickedSkinGivesTheSingularQuestionAndNoKeepsIt) {
  ScriptedPrompt no(PromptAnswer::No);
  SkinManagerDialog dialog(skinsFolder());
  dialog.show();
  tick(dialog, "Beta");
  QTest::mouseClick(dialog.deleteButton(), Qt::LeftButton);
  ASSERT_EQ(no.questions.size(), 1u);
  EXPECT_EQ(no.questions[0].text, "Are you sure you want to delete this 1 skin?");
  EXPECT_EQ(no.questions[0].caption, "Delete selected skins");
  EXPECT_TRUE(skinExists("Beta"));
  EXPECT_FALSE(dialog.isVisible());  // the dialog closes in every case
}

TEST_F(SkinManagerTest, ThreeTickedSkinsGiveThePluralQuestionAndYesDeletesThem) {
  ScriptedPrompt yes(PromptAnswer::Yes);
  SkinManagerDialog dialog(skinsFolder());
  dialog.show();
  tick(dialog, "Alpha");
  tick(dialog, "Gamma");
  tick(dialog, "Delta");
  QTest::mouseClick(dialog.deleteButton(), Qt::LeftButton);
  ASSERT_EQ(yes.questions.size(), 1u);
  EXPECT_EQ(yes.questions[0].text, "Are you sure you want to delete these 3 skins?");
  EXPECT_FALSE(skinExists("Alpha"));
  EXPECT_FALSE(skinExists("Gamma"));
  EXPECT_FALSE(skinExists("Delta"));
  EXPECT_TRUE(skinExists("Beta"));
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  // The database list was rebuilt: the next dialog lists only what is left.
  SkinManagerDialog again(skinsFolder());
  ASSERT_EQ(again.skinList()->topLevelItemCount(), 1);
  EXPECT_EQ(again.skinList()->topLevelItem(0)->text(0), "Beta");
}

TEST_F(SkinManagerTest, NothingTickedAsksNothingAndCloses) {
  ScriptedPrompt yes(PromptAnswer::Yes);
  SkinManagerDialog dialog(skinsFolder());
  dialog.show();
  QTest::mouseClick(dialog.deleteButton(), Qt::LeftButton);
  EXPECT_TRUE(yes.questions.empty());
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_TRUE(skinExists("Alpha"));
}

TEST_F(SkinManagerTest, TheSkinOpenForEditingCannotBeTicked) {
  Session().skinName = "Gamma";
  Session().mainFile = temp.file("skins/Gamma/Gamma.uis~");
  ScriptedPrompt yes(PromptAnswer::Yes);
  SkinManagerDialog dialog(skinsFolder());
  const auto items = dialog.skinList()->findItems(QStringLiteral("Gamma"), Qt::MatchExactly);
  ASSERT_EQ(items.size(), 1);
  EXPECT_FALSE(items[0]->flags() & Qt::ItemIsUserCheckable);
  items[0]->setCheckState(0, Qt::Checked);  // even when forced
  tick(dialog, "Alpha");
  QTest::mouseClick(dialog.deleteButton(), Qt::LeftButton);
  ASSERT_EQ(yes.questions.size(), 1u);
  EXPECT_EQ(yes.questions[0].text, "Are you sure you want to delete this 1 skin?");
  EXPECT_TRUE(skinExists("Gamma"));
  EXPECT_FALSE(skinExists("Alpha"));
}

}  // namespace
}  // namespace tessera::ui
