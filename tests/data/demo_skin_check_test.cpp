// The skin check on the demo skins: they hold no errors, and a copy broken by hand reports every
// break made to it.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/platform/files.h"
#include "core/platform/paths.h"
#include "core/platform/profile.h"
#include "core/skin/check/skin_check.h"
#include "data_test_support.h"
#include "support/temp_dir.h"

namespace tessera::testing {
namespace {

std::vector<std::string> DemoSkins() {
  std::vector<std::string> demos;
  for (const std::string& name : files::listFolders(GeneratedSkinsFolder())) {
    if (name != "Tessera7") demos.push_back(name);
  }
  return demos;
}

std::string Listing(const std::vector<CheckFinding>& findings) {
  std::string text;
  for (const CheckFinding& f : findings) text += FormatFinding(f) + "\n";
  return text;
}

bool Reports(const std::vector<CheckFinding>& findings, CheckLevel level, const std::string& section,
             const std::string& key, const std::string& words) {
  return std::any_of(findings.begin(), findings.end(), [&](const CheckFinding& f) {
    return f.level == level && paths::equalsIgnoreCase(f.section, section) && paths::equalsIgnoreCase(f.key, key) &&
           f.message.find(words) != std::string::npos;
  });
}

TEST(DemoSkinCheck, DemoSkinsHaveNoErrors) {
  const auto demos = DemoSkins();
  ASSERT_GE(demos.size(), 2u);
  for (const std::string& name : demos) {
    const auto findings = CheckSkin(GeneratedSkinsFolder(), name);
    EXPECT_FALSE(HasErrors(findings)) << name << "\n" << Listing(findings);
  }
}

TEST(DemoSkinCheck, ABrokenCopyReportsEveryBreak) {
  for (const std::string& name : DemoSkins()) {
    TempDir temp;
    const std::filesystem::path skins = temp.file("skins");
    std::filesystem::create_directories(skins / "Tessera7");
    std::filesystem::copy_file(std::filesystem::path(GeneratedDataFolder()) / "subsections.ini",
                               skins / "Tessera7" / "subsections.ini");
    std::filesystem::copy(std::filesystem::path(GeneratedSkinsFolder()) / name, skins / name,
                          std::filesystem::copy_options::recursive);
    const std::string folder = (skins / name).string();
    const std::string main = paths::join(folder, name + ".uis");
    const std::string lower = paths::lower(name);
    ASSERT_FALSE(HasErrors(CheckSkin(skins.string(), name))) << "the copy starts clean";

    // 1. A picture that is not there, 2. one that is damaged, 3. a PNG, 4. a path out of the folder.
    profile::WriteString("Menu.Item", "Image", lower + "\\nowhere.tga", main);
    const std::string buttonPicture = profile::ReadString("Buttons", "Image", "", main);
    ASSERT_FALSE(buttonPicture.empty());
    files::writeAllAtomic(paths::join(skins.string(), buttonPicture), "not a picture at all");
    files::copyFile(paths::join(GeneratedDataFolder(), "previews/pushbuttons.png"), paths::join(folder, "shot.png"), true);
    profile::WriteString("Tooltip", "Image", lower + "\\shot.png", main);
    profile::WriteString("Tab.Item", "Image", "..\\..\\etc\\passwd", main);
    // 5. A layer that does not exist, 6. two title-bar buttons more than the skin has.
    profile::WriteString("ComboBox", "NextLayerName", "Gone", main);
    const char* owner = profile::FindValue("Personality", "ButtonCount", main) ? "Personality" : "Caption";
    const unsigned buttons = profile::GetInt(owner, "ButtonCount", 0, main);
    profile::WriteString(owner, "ButtonCount", std::to_string(buttons + 2), main);
    // 7. A missing taskbar file, 8. a colour preset that is not defined, 9. a value out of range,
    // 10. a section nobody knows.
    const std::string taskbar = profile::ReadString("XPTaskbar", "File", "", main);
    ASSERT_FALSE(taskbar.empty());
    files::deleteFile(paths::join(skins.string(), taskbar));
    profile::WriteString("Edit", "NormalColour", "42", main);
    profile::WriteString("Menu.Item", "SimpleMode", "12", main);
    profile::WriteString("NoSuchSection", "Image", "", main);
    profile::WriteString("NoSuchSection", "Key", "1", main);

    const auto f = CheckSkin(skins.string(), name);
    const std::string listing = name + "\n" + Listing(f);
    EXPECT_TRUE(Reports(f, CheckLevel::Error, "Menu.Item", "Image", "does not exist")) << listing;
    EXPECT_TRUE(Reports(f, CheckLevel::Error, "Buttons", "Image", "cannot be read")) << listing;
    EXPECT_TRUE(Reports(f, CheckLevel::Error, "Tooltip", "Image", "is a PNG picture")) << listing;
    EXPECT_TRUE(Reports(f, CheckLevel::Error, "Tab.Item", "Image", "outside the skins folder")) << listing;
    EXPECT_TRUE(Reports(f, CheckLevel::Error, "ComboBox", "NextLayerName", "\"ComboBox:Gone\" does not exist")) << listing;
    EXPECT_TRUE(Reports(f, CheckLevel::Error, owner, "ButtonCount", "ButtonCount is " + std::to_string(buttons + 2)))
        << listing;
    EXPECT_TRUE(Reports(f, CheckLevel::Error, "XPTaskbar", "File", "does not exist")) << listing;
    EXPECT_TRUE(Reports(f, CheckLevel::Warning, "Edit", "NormalColour", "colour preset 42")) << listing;
    EXPECT_TRUE(Reports(f, CheckLevel::Warning, "Menu.Item", "SimpleMode", "from 0 to 3")) << listing;
    EXPECT_TRUE(Reports(f, CheckLevel::Note, "NoSuchSection", "", "does not know")) << listing;
  }
}

}  // namespace
}  // namespace tessera::testing
