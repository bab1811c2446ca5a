#include "core/skin/skin_list.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include "core/platform/environment.h"
#include "core/platform/files.h"
#include "core/platform/registry.h"
#include "scripted_prompt.h"
#include "support/temp_dir.h"

namespace tessera {
namespace {

using testing::ScriptedPrompt;

class SkinListTest : public testing::EnvironmentTest {};

TEST_F(SkinListTest, ASkinIsAFolderHoldingItsMainFileInAnyCase) {
  writeSkin("beta", "[TitlebarSkin]\r\n");
  temp.write("skins/Alpha/ALPHA.UIS", "[TitlebarSkin]\r\n");
  temp.write("skins/NoMain/other.uis", "[TitlebarSkin]\r\n");
  temp.write("skins/Gamma/Gamma.uis/inner.txt", "a folder named like the main file");
  EXPECT_EQ(ListSkinFolders(skinsFolder()), (std::vector<std::string>{"Alpha", "beta"}));
}

TEST_F(SkinListTest, TheDatabaseStandInListsTheSameSkins) {
  writeSkin("Zed", "[TitlebarSkin]\r\n");
  writeSkin("amber", "[TitlebarSkin]\r\n");
  registry::writeValue(registry::Hive::LocalMachine, "SOFTWARE\\Quillmont\\Marrowline\\Velarium", "Path",
                       testing::StandinFolder());
  const SkinDatabase database = OnDemandSkinDatabase();
  database.CreateSkinList();
  EXPECT_EQ(database.PopulateSkinList(), ListSkinFolders(skinsFolder()));
}

TEST_F(SkinListTest, IdentityKeysAndTheirDefaults) {
  writeSkin("Full", "[TitlebarSkin]\r\nSkinName=Full Moon\r\nSkinAuthor=Ann\r\nSpecialNotes=Dark\r\n"
                    "AuthorsURL=http://example.org\r\n[Personality]\r\nTop=full\\top.tga\r\n");
  writeSkin("Bare", "");
  writeSkin("Glass", "[TitlebarSkin]\r\nSpecialNotes=hidden\r\n[DWM]\r\nUseDWMFrames=1\r\n");
  const SkinIdentity full = ReadSkinIdentity(skinsFolder(), "Full");
  EXPECT_EQ(full.name, "Full Moon");
  EXPECT_EQ(full.author, "Ann");
  EXPECT_EQ(full.notes, "Dark");
  EXPECT_EQ(full.url, "http://example.org");
  const SkinIdentity bare = ReadSkinIdentity(skinsFolder(), "Bare");
  EXPECT_EQ(bare.name, "Bare");
  EXPECT_EQ(bare.author, "Unknown");
  EXPECT_EQ(bare.notes, "");
  EXPECT_EQ(ReadSkinIdentity(skinsFolder(), "Glass").notes, "UIS0 skin (Windows Vista / 7 Only)");
  EXPECT_TRUE(SkinNameTaken(skinsFolder(), "full"));
  EXPECT_FALSE(SkinNameTaken(skinsFolder(), "Bare"));
}

TEST_F(SkinListTest, DeleteQuestionIsSingularOrPlural) {
  EXPECT_EQ(DeleteSkinsQuestion(1), "Are you sure you want to delete this 1 skin?");
  EXPECT_EQ(DeleteSkinsQuestion(3), "Are you sure you want to delete these 3 skins?");
}

TEST_F(SkinListTest, DeletingSelectedSkinsAsksFirst) {
  writeSkin("One", "");
  writeSkin("Two", "");
  temp.write("skins/One/deep/er/file.tga", "x");
  {
    ScriptedPrompt no(PromptAnswer::No);
    EXPECT_TRUE(DeleteSelectedSkins(skinsFolder(), {"One", "Two"}, nullptr).empty());
    EXPECT_EQ(no.questions, (std::vector<std::string>{"Are you sure you want to delete these 2 skins? | Delete selected skins"}));
    EXPECT_TRUE(DeleteSelectedSkins(skinsFolder(), {}, nullptr).empty());
    EXPECT_EQ(no.questions.size(), 1u) << "nothing ticked asks nothing";
  }
  ScriptedPrompt yes(PromptAnswer::Yes);
  EXPECT_EQ(DeleteSelectedSkins(skinsFolder(), {"One"}, nullptr), (std::vector<std::string>{"One"}));
  EXPECT_FALSE(files::exists(temp.file("skins/One")));
  EXPECT_TRUE(files::exists(temp.file("skins/Two/Two.uis")));
}

TEST_F(SkinListTest, DeletingNeverLeavesTheSkinsFolder) {
  temp.write("outside/keep.txt", "keep");
  writeSkin("Linked", "");
  ASSERT_EQ(::symlink(temp.file("outside").c_str(), temp.file("skins/Linked/escape").c_str()), 0);
  ASSERT_EQ(::symlink(temp.file("outside").c_str(), temp.file("skins/Alias").c_str()), 0);
  EXPECT_FALSE(DeleteSkinFolder(skinsFolder(), "..").empty());
  EXPECT_FALSE(DeleteSkinFolder(skinsFolder(), "../outside").empty());
  EXPECT_FALSE(DeleteSkinFolder(skinsFolder(), "Tessera7").empty());
  EXPECT_FALSE(DeleteSkinFolder(skinsFolder(), "").empty());
  EXPECT_TRUE(DeleteSkinFolder(skinsFolder(), "Linked").empty());
  EXPECT_TRUE(DeleteSkinFolder(skinsFolder(), "Alias").empty()) << "the link itself is removed";
  EXPECT_EQ(temp.read("outside/keep.txt"), "keep");
  EXPECT_TRUE(files::isFolder(dataFolder()));
}

}  // namespace
}  // namespace tessera
