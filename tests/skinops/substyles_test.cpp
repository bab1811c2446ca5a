#include "core/skin/substyle_manager.h"

#include <gtest/gtest.h>

#include "core/platform/files.h"
#include "core/platform/profile.h"
#include "scripted_prompt.h"
#include "support/temp_dir.h"

namespace tessera {
namespace {

using testing::ScriptedPrompt;

class SubStyleTest : public testing::EnvironmentTest {
 protected:
  void SetUp() override {
    EnvironmentTest::SetUp();
    writeSkin("Aqua",
              "[TitlebarSkin]\r\nSkinName=Aqua Deluxe\r\n[XPTaskbar]\r\nFile=Aqua\\Aqua.xp\r\n[XPShell]\r\nFile=\r\n");
    temp.write("skins/Aqua/Aqua.xp", "[Taskbar]\r\nImage=aqua\\bar.tga\r\n");
  }
  std::string ssd() const { return temp.file("skins/Aqua/Aqua.SSD"); }
  std::string value(std::string_view section, std::string_view key) const {
    return profile::ReadString(section, key, "<none>", ssd());
  }
  // A skin with sub-styles named after their index: Aqua.uis, One.sss, Two.sss, ...
  void writeStyles(int n, std::string_view extra = {}) {
    std::string text = "[SkinStyles]\r\nNumber=" + std::to_string(n) + "\r\n" + std::string(extra);
    for (int i = 0; i < n; ++i) {
      const std::string file = i == 0 ? "Aqua.uis" : "style" + std::to_string(i) + ".sss";
      text += "[SkinStyle" + std::to_string(i) + "]\r\nName=Style " + std::to_string(i) + "\r\nSkin=" + file +
              "\r\nExtra=" + std::to_string(i) + "\r\n";
      if (i > 0) temp.write("skins/Aqua/" + file, "[TitlebarSkin]\r\nSkinName=from " + std::to_string(i) + "\r\n");
    }
    temp.write("skins/Aqua/Aqua.SSD", text);
  }
  std::vector<std::string> names(const SubStyleManager& m) const {
    std::vector<std::string> list;
    for (const auto& row : m.rows()) list.push_back(row.displayName);
    return list;
  }
};

TEST_F(SubStyleTest, ASkinWithoutSsdHasOneRowAndNoPicker) {
  SubStyleManager m(skinsFolder(), "Aqua");
  const auto rows = m.rows();
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0].itemData, -1);
  EXPECT_EQ(rows[0].rowText, "Aqua.uis");
  EXPECT_EQ(rows[0].displayName, "Aqua Deluxe");
  const SubStyleButtons b = m.buttonsFor(0);
  EXPECT_FALSE(b.rename || b.remove || b.up || b.down);
  EXPECT_TRUE(SubStylePickerRows(m.file()).empty());
  ASSERT_EQ(m.baseChoices().size(), 1u);
  EXPECT_EQ(m.baseChoices()[0].text, "Existing skin");
}

TEST_F(SubStyleTest, FirstSubStyleOfASkinWithoutSsd) {
  SubStyleManager m(skinsFolder(), "Aqua");
  ASSERT_TRUE(m.create("Blue", -1).ok);
  EXPECT_EQ(value("SkinStyles", "Number"), "2");
  EXPECT_EQ(value("SkinStyle0", "Skin"), "Aqua.uis");
  EXPECT_EQ(value("SkinStyle0", "Name"), "Aqua Deluxe");
  EXPECT_EQ(value("SkinStyle1", "Name"), "Blue");
  EXPECT_EQ(value("SkinStyle1", "Skin"), "Blue.sss");
  const std::string blue = temp.file("skins/Aqua/Blue.sss");
  EXPECT_EQ(profile::ReadString("TitlebarSkin", "SkinName", "", blue), "Aqua Deluxe");
  // Its taskbar companion is a copy of its own; an empty shell value is left alone.
  EXPECT_EQ(profile::ReadString("XPTaskbar", "File", "", blue), "Aqua\\Blue.xp");
  EXPECT_EQ(temp.read("skins/Aqua/Blue.xp"), temp.read("skins/Aqua/Aqua.xp"));
  EXPECT_EQ(profile::ReadString("XPShell", "File", "", blue), "");

  EXPECT_EQ(SubStylePickerRows(m.file()), (std::vector<std::string>{"Aqua Deluxe", "Blue"}));
  EXPECT_EQ(SubStylePickerResult(m.file(), 1), "Blue.sss");
  EXPECT_EQ(SubStylePickerResult(m.file(), 5), "");
}

TEST_F(SubStyleTest, CreateRefusesBadAndDuplicateNames) {
  SubStyleManager m(skinsFolder(), "Aqua");
  EXPECT_FALSE(m.create("../evil", -1).ok);
  EXPECT_FALSE(m.create("", -1).ok);
  EXPECT_FALSE(files::exists(ssd()));
  ASSERT_TRUE(m.create("Blue", -1).ok);
  EXPECT_FALSE(m.create("BLUE", 0).ok);
  EXPECT_EQ(value("SkinStyles", "Number"), "2");
}

TEST_F(SubStyleTest, RowsCarryDefaultMarkersAndButtonsFollowTheSelection) {
  writeStyles(4, "VistaDefault=2\r\nWin7Default=2\r\n");
  SubStyleManager m(skinsFolder(), "Aqua");
  const auto rows = m.rows();
  ASSERT_EQ(rows.size(), 4u);
  EXPECT_EQ(rows[2].label(), "Style 2  (Vista default substyle)  (Win 7 default substyle)");
  EXPECT_EQ(rows[1].label(), "Style 1");
  EXPECT_EQ(rows[3].rowText, "style3.sss");
  EXPECT_FALSE(m.buttonsFor(-1).rename);
  EXPECT_FALSE(m.buttonsFor(0).up);
  EXPECT_FALSE(m.buttonsFor(0).down);
  EXPECT_FALSE(m.buttonsFor(1).up);
  EXPECT_TRUE(m.buttonsFor(1).down);
  EXPECT_TRUE(m.buttonsFor(3).up);
  EXPECT_FALSE(m.buttonsFor(3).down);
  EXPECT_TRUE(m.buttonsFor(3).rename && m.buttonsFor(3).remove);
}

TEST_F(SubStyleTest, UpAndDownMoveWholeSections) {
  writeStyles(4);
  SubStyleManager m(skinsFolder(), "Aqua");
  EXPECT_FALSE(m.moveUp(1).ok) << "row 0 never moves";
  EXPECT_FALSE(m.moveDown(3).ok);
  const SubStyleResult up = m.moveUp(3);
  ASSERT_TRUE(up.ok);
  EXPECT_EQ(up.selectedRow, 2);
  EXPECT_EQ(names(m), (std::vector<std::string>{"Style 0", "Style 1", "Style 3", "Style 2"}));
  EXPECT_EQ(value("SkinStyle2", "Extra"), "3") << "other keys move with the section";
  ASSERT_TRUE(m.moveDown(1).ok);
  EXPECT_EQ(names(m), (std::vector<std::string>{"Style 0", "Style 3", "Style 1", "Style 2"}));
}

TEST_F(SubStyleTest, DeleteAsksAndRenumbersWithoutLosingSections) {
  writeStyles(4);
  SubStyleManager m(skinsFolder(), "Aqua");
  {
    ScriptedPrompt no(PromptAnswer::No);
    EXPECT_FALSE(m.remove(2).ok);
    ASSERT_EQ(no.questions.size(), 1u);
    EXPECT_EQ(no.questions[0], "Are you sure you want to delete this substyle? | Delete sub style?");
  }
  EXPECT_EQ(value("SkinStyles", "Number"), "4");
  ScriptedPrompt yes(PromptAnswer::Yes);
  ASSERT_TRUE(m.remove(2).ok);
  EXPECT_EQ(value("SkinStyles", "Number"), "3");
  EXPECT_EQ(names(m), (std::vector<std::string>{"Style 0", "Style 1", "Style 3"}));
  EXPECT_EQ(value("SkinStyle3", "Name"), "<none>");
  EXPECT_TRUE(files::isFile(temp.file("skins/Aqua/style2.sss"))) << "the sub-style's own file stays";
}

TEST_F(SubStyleTest, DefaultsFollowTheirSubStyleWhenRowsAreDeletedOrMoved) {
  writeStyles(5, "VistaDefault=2\r\nWin7Default=3\r\n");
  ScriptedPrompt yes(PromptAnswer::Yes);
  SubStyleManager m(skinsFolder(), "Aqua");
  // Deleting the Vista default clears it; the 7 default after it moves down with its sub-style.
  ASSERT_TRUE(m.remove(2).ok);
  EXPECT_EQ(value("SkinStyles", "VistaDefault"), "-1");
  EXPECT_EQ(value("SkinStyles", "Win7Default"), "2");
  EXPECT_EQ(m.rows()[2].label(), std::string("Style 3") + kWin7DefaultMarker);
  // A deletion after it leaves it alone.
  ASSERT_TRUE(m.remove(3).ok);
  EXPECT_EQ(value("SkinStyles", "Win7Default"), "2");
  // Moving rows carries the marker along.
  ASSERT_TRUE(m.moveUp(2).ok);
  EXPECT_EQ(value("SkinStyles", "Win7Default"), "1");
  ASSERT_TRUE(m.moveDown(1).ok);
  EXPECT_EQ(value("SkinStyles", "Win7Default"), "2");
  // Deleting the 7 default clears it too.
  ASSERT_TRUE(m.remove(2).ok);
  EXPECT_EQ(value("SkinStyles", "Win7Default"), "-1");
  EXPECT_EQ(value("SkinStyles", "VistaDefault"), "-1");
}

TEST_F(SubStyleTest, DeletingRowZeroMakesTheSecondTheMainFile) {
  writeStyles(3);
  ScriptedPrompt yes(PromptAnswer::Yes);
  SubStyleManager m(skinsFolder(), "Aqua");
  ASSERT_TRUE(m.remove(0).ok);
  EXPECT_EQ(profile::ReadString("TitlebarSkin", "SkinName", "", temp.file("skins/Aqua/Aqua.UIS")), "from 1");
  const auto rows = m.rows();
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0].displayName, "Style 1");
  EXPECT_EQ(rows[0].rowText, "Aqua.UIS");
  EXPECT_EQ(rows[1].displayName, "Style 2");
}

TEST_F(SubStyleTest, DeletingRowZeroRefusesWhenTheSecondFileIsMissing) {
  writeStyles(2);
  files::deleteFile(temp.file("skins/Aqua/style1.sss"));
  ScriptedPrompt yes(PromptAnswer::Yes);
  SubStyleManager m(skinsFolder(), "Aqua");
  const SubStyleResult r = m.remove(0);
  EXPECT_FALSE(r.ok);
  EXPECT_FALSE(r.message.empty());
  EXPECT_EQ(profile::ReadString("TitlebarSkin", "SkinName", "", temp.file("skins/Aqua/Aqua.uis")), "Aqua Deluxe");
  EXPECT_EQ(value("SkinStyles", "Number"), "2");
}

TEST_F(SubStyleTest, DeletingDownToOneSubStyleRemovesTheSsd) {
  writeStyles(2);
  ScriptedPrompt yes(PromptAnswer::Yes);
  SubStyleManager m(skinsFolder(), "Aqua");
  ASSERT_TRUE(m.remove(1).ok);
  EXPECT_FALSE(files::exists(ssd()));
  ASSERT_EQ(m.rows().size(), 1u);
  EXPECT_EQ(m.rows()[0].itemData, -1);
}

TEST_F(SubStyleTest, LimitsRefuseInsteadOfLosingSections) {
  writeStyles(100);
  ScriptedPrompt yes(PromptAnswer::Yes);
  SubStyleManager m(skinsFolder(), "Aqua");
  const SubStyleResult r = m.remove(50);
  EXPECT_FALSE(r.ok);
  EXPECT_FALSE(r.message.empty());
  EXPECT_TRUE(yes.questions.empty()) << "refused before asking";
  EXPECT_FALSE(m.moveUp(50).ok);
  EXPECT_EQ(value("SkinStyle99", "Name"), "Style 99");
  EXPECT_FALSE(m.create("More", -1).ok);

  writeStyles(3);
  profile::WriteString("SkinStyle2", "Big", std::string(60000, 'x'), ssd());
  EXPECT_FALSE(m.moveUp(2).ok);
  EXPECT_EQ(profile::ReadString("SkinStyle2", "Big", "", ssd(), 70000).size(), 60000u);
}

TEST_F(SubStyleTest, RenameAndDefaults) {
  writeStyles(3);
  SubStyleManager m(skinsFolder(), "Aqua");
  ASSERT_TRUE(m.rename(1, "Midnight").ok);
  EXPECT_EQ(value("SkinStyle1", "Name"), "Midnight");
  EXPECT_EQ(value("SkinStyle1", "Skin"), "style1.sss");
  ASSERT_TRUE(m.makeVistaDefault(2).ok);
  ASSERT_TRUE(m.make7Default(1).ok);
  EXPECT_EQ(value("SkinStyles", "VistaDefault"), "2");
  EXPECT_EQ(value("SkinStyles", "Win7Default"), "1");
  EXPECT_FALSE(m.rename(7, "x").ok);
}

TEST_F(SubStyleTest, ASkinNameOutsideTheSkinsFolderIsNeverWritten) {
  temp.write("outside/outside.uis", "[TitlebarSkin]\r\nSkinName=Victim\r\n");
  SubStyleManager m(skinsFolder(), "../outside");
  EXPECT_FALSE(m.create("Blue", -1).ok);
  EXPECT_FALSE(files::exists(temp.file("outside/outside.SSD")));
  EXPECT_FALSE(files::exists(temp.file("outside/Blue.sss")));
}

TEST_F(SubStyleTest, PickerRefusesFilesOutsideTheSkinFolder) {
  temp.write("skins/Aqua/Aqua.SSD",
             "[SkinStyles]\r\nNumber=2\r\n[SkinStyle0]\r\nSkin=Aqua.uis\r\n[SkinStyle1]\r\nSkin=..\\Other\\x.uis\r\n");
  EXPECT_EQ(SubStylePickerResult(SubStyleFile(skinsFolder(), "Aqua"), 1), "");
  EXPECT_EQ(SubStylePickerResult(SubStyleFile(skinsFolder(), "Aqua"), 0), "Aqua.uis");
}

}  // namespace
}  // namespace tessera
