// The generated data folder, the templates and the demo skins: every picture they name exists,
// every key they use is documented, and new skins of each type can be made from the templates.
#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <map>
#include <regex>

#include "core/image/image_file.h"
#include "core/image/zor_file.h"
#include "core/platform/files.h"
#include "core/platform/paths.h"
#include "core/platform/profile.h"
#include "core/skin/new_skin.h"
#include "core/skin/skin_copy.h"
#include "core/sheet/help_content.h"
#include "data_test_support.h"
#include "support/temp_dir.h"

namespace tessera::testing {
namespace {

bool IsPictureValue(std::string_view value) {
  const std::string extension = paths::upper(paths::extension(value));
  return extension == "TGA" || extension == "BMP" || extension == "PNG" || extension == "JPG" || extension == "ZOR";
}

// A picture or a ZOR animation that the editor can read.
bool Readable(const std::string& path) {
  if (paths::upper(paths::extension(path)) != "ZOR") return LoadImageFile(path).has_value();
  const auto bytes = files::readAll(path);
  return bytes && ParseZorFile(*bytes).has_value();
}

// Checks one skin folder of `skinsFolder`: picture references resolve, companions exist, keys
// and sections are documented.
void CheckSkin(const std::string& skinsFolder, const std::string& name) {
  SCOPED_TRACE(name);
  const std::string folder = paths::join(skinsFolder, name);
  ASSERT_TRUE(files::isFile(paths::join(folder, name + ".uis"))) << "the main file is named after the folder";
  const auto& documented = DocumentedNames();
  const std::string catalogue = CatalogueFile("subsections.ini");
  const std::regex numbered("(Button|Colour|Font|SystemFont|SkinStyle)[0-9]+");
  int pictures = 0;
  for (const std::string& file : SkinFiles(folder)) {
    for (const std::string& section : profile::SectionNames(file)) {
      const bool catalogued = !profile::ReadString(section, "Description", "", catalogue).empty();
      EXPECT_TRUE(catalogued || documented.count(section) || std::regex_match(section, numbered))
          << paths::fileName(file) << ": section [" << section << "] is neither catalogued nor documented";
      for (const std::string& line : profile::ReadSection(section, file)) {
        const std::string key = line.substr(0, line.find('='));
        const std::string value = line.substr(line.find('=') + 1);
        EXPECT_EQ(documented.count(key), 1u) << paths::fileName(file) << " [" << section << "] key " << key;
        if (key == "File") {
          EXPECT_TRUE(files::isFile(paths::join(skinsFolder, paths::toNative(value)))) << section << " File=" << value;
        }
        if (!IsPictureValue(value)) continue;
        ++pictures;
        EXPECT_TRUE(paths::equalsIgnoreCase(value.substr(0, value.find('\\')), name)) << value << " lies in another folder";
        EXPECT_TRUE(Readable(paths::join(skinsFolder, paths::toNative(value))))
            << "[" << section << "] " << key << "=" << value << " cannot be read";
      }
    }
  }
  EXPECT_GT(pictures, 20);
}

TEST(DataFolder, TemplatesAreCompleteSkins) {
  const std::string templates = TemplatesFolder(GeneratedSkinsFolder());
  int withSubStyles = 0;
  for (const char* kind : {"TemplateUIS1", "TemplateUIS2", "TemplateUIS0"}) {
    for (const char* suffix : {"", "_Vista"}) {
      const std::string name = std::string(kind) + suffix;
      CheckSkin(templates, name);
      const std::string ssd = paths::join(templates, name + "/" + name + ".SSD");
      if (files::isFile(ssd) && profile::GetInt("SkinStyles", "Number", 0, ssd) > 1) {
        ++withSubStyles;
        const std::string style = profile::ReadString("SkinStyle1", "Skin", "", ssd);
        EXPECT_TRUE(files::isFile(paths::join(templates, name + "/" + style))) << style;
      }
    }
  }
  EXPECT_GE(withSubStyles, 1);
}

TEST(DataFolder, TemplatesHaveTheirKindOfFrame) {
  const std::string templates = TemplatesFolder(GeneratedSkinsFolder());
  auto main = [&](const char* name) { return paths::join(templates, std::string(name) + "/" + name + ".uis"); };
  EXPECT_FALSE(profile::ReadString("Personality", "Top", "", main("TemplateUIS1")).empty());
  EXPECT_EQ(profile::GetInt("Caption", "ButtonCount", 0, main("TemplateUIS1")), 3u);
  EXPECT_FALSE(profile::ReadString("Borders", "HorzFrame", "", main("TemplateUIS2")).empty());
  EXPECT_EQ(profile::GetInt("Personality", "ButtonCount", 0, main("TemplateUIS2")), 4u);
  EXPECT_EQ(profile::GetInt("DWM", "UseDWMFrames", 0, main("TemplateUIS0")), 1u);
  EXPECT_TRUE(profile::ReadString("Personality", "Top", "", main("TemplateUIS0")).empty());
}

TEST(DataFolder, DemoSkinsAreCompleteAndDiffer) {
  const std::string skins = GeneratedSkinsFolder();
  std::vector<std::string> demos;
  for (const std::string& name : files::listFolders(skins)) {
    if (name != "Tessera7") demos.push_back(name);
  }
  ASSERT_GE(demos.size(), 2u);
  int classicWithButtons = 0, withSubStyles = 0;
  for (const std::string& name : demos) {
    CheckSkin(skins, name);
    const std::string main = paths::join(skins, name + "/" + name + ".uis");
    EXPECT_EQ(profile::ReadString("TitlebarSkin", "SkinName", "", main), name);
    if (!profile::ReadString("Personality", "Top", "", main).empty() && profile::GetInt("Caption", "ButtonCount", 0, main) > 0)
      ++classicWithButtons;
    if (profile::GetInt("SkinStyles", "Number", 0, paths::join(skins, name + "/" + name + ".SSD")) > 1) ++withSubStyles;
    EXPECT_FALSE(files::listFilesWithExtension(paths::join(skins, name), "JPG").empty()) << "a wallpaper";
  }
  EXPECT_GE(classicWithButtons, 1);
  EXPECT_GE(withSubStyles, 1);
  // Same template pictures, own colours: the demo pictures are not the template's.
  const auto demo = files::readAll(paths::join(skins, "Aurora/button.tga"));
  const auto original = files::readAll(paths::join(TemplatesFolder(skins), "TemplateUIS2_Vista/button.tga"));
  ASSERT_TRUE(demo && original);
  EXPECT_NE(*demo, *original);
}

TEST(DataFolder, InterfacePicturesSamplesAndPreviewsExist) {
  const std::string data = GeneratedDataFolder();
  std::vector<std::string> names = {"line2.png", "vertline.png", "help.png", "bottombar.png", "tabbot3.png",
                                    "vistalogo.png", "sevenlogo.png", "vistalogos.png", "sevenlogos.png", "xplogo.png",
                                    "xplogos.png", "tsrlogo.png", "logo.png", "prev.png", "next.png", "colourlogo.png",
                                    "side.tga", "XP/IE6Large.tga", "XP/IE6Small.tga", "XP/IE6GoHot.tga",
                                    "XP/ExplorerLargeHot.tga", "XP/ExplorerSmallHot.tga"};
  for (int n = 1; n <= 14; ++n) names.push_back("icon" + std::to_string(n) + ".png");
  for (const std::string& name : names) EXPECT_TRUE(LoadImageFile(paths::join(data, name)).has_value()) << name;
  EXPECT_GE(files::listFiles(paths::join(data, "Sample")).size(), 10u);
  // Every preview picture the catalogue names, and every one previews.ini lists, is there.
  const std::string subsections = CatalogueFile("subsections.ini");
  for (const std::string& section : profile::SectionNames(subsections)) {
    for (const char* key : {"Preview", "Preview1", "Preview2", "Preview3", "Preview4"}) {
      const std::string picture = profile::ReadString(section, key, "", subsections);
      if (!picture.empty()) {
        EXPECT_TRUE(files::isFile(paths::join(data, "previews/" + picture))) << section << " " << picture;
      }
    }
  }
  for (const std::string& picture : profile::SectionNames(CatalogueFile("previews.ini"))) {
    EXPECT_TRUE(files::isFile(paths::join(data, "previews/" + picture))) << picture;
  }
  // The side panel skin names its picture inside the data folder.
  const std::string side = profile::ReadString("Side", "Image", "", paths::join(data, "side.uis"));
  EXPECT_TRUE(files::isFile(paths::join(GeneratedSkinsFolder(), paths::toNative(side)))) << side;
}

TEST(DataFolder, BmpPicturesUseTheMagentaKey) {
  const std::string picture = paths::join(TemplatesFolder(GeneratedSkinsFolder()), "TemplateUIS1/close.bmp");
  const auto image = LoadImageFile(picture);
  ASSERT_TRUE(image.has_value());
  // The rounded button leaves its corner outside: magenta there, not black.
  EXPECT_EQ(image->pixelAt(0, 0) & 0xffffffu, kMagentaKey & 0xffffffu);
}

class NewSkinFromTemplates : public EnvironmentTest {};

TEST_F(NewSkinFromTemplates, EachTypeMakesACompleteSkin) {
  // The test's own skins folder gets the generated data folder.
  const QDir source(QString::fromStdString(GeneratedDataFolder()));
  QDirIterator it(source.path(), QDir::Files, QDirIterator::Subdirectories);
  while (it.hasNext()) {
    const QString file = it.next();
    const std::string target = paths::join(dataFolder(), source.relativeFilePath(file).toStdString());
    files::createFolders(paths::parentFolder(target));
    ASSERT_TRUE(files::copyFile(file.toStdString(), target, true));
  }
  const std::pair<SkinType, const char*> kinds[] = {
      {SkinType::Basic, "Basicone"}, {SkinType::Advanced, "Advancedone"}, {SkinType::UIS0, "Glassone"}};
  for (bool vista : {false, true}) {
    for (const auto& [type, base] : kinds) {
      const std::string name = std::string(base) + (vista ? "V" : "X");
      const NewSkinResult result = CreateNewSkin(skinsFolder(), name, type, vista, nullptr);
      ASSERT_TRUE(result.created()) << name << ": " << result.message;
      CheckSkin(skinsFolder(), name);
    }
  }
  // The sub-style of the advanced template follows the new name.
  const std::string ssd = paths::join(skinsFolder(), "AdvancedoneV/AdvancedoneV.SSD");
  EXPECT_EQ(profile::ReadString("SkinStyle1", "Skin", "", ssd), "AdvancedoneV1.sss");
  EXPECT_EQ(profile::ReadString("TitlebarSkin", "SkinName", "", paths::join(skinsFolder(), "AdvancedoneV/AdvancedoneV1.sss")),
            "AdvancedoneV");
}

}  // namespace
}  // namespace tessera::testing

namespace tessera::testing {
namespace {

// The Help page shows each section's example under that section's own title: no two sections
// share an example picture, each example is named after its section, and sections with different
// titles get different pictures ("Caption band" once showed the card of "Window borders (basic)").
TEST(DataFolder, EverySectionHasAnExampleOfItsOwn) {
  const std::string data = GeneratedDataFolder();
  const std::string subsections = CatalogueFile("subsections.ini");
  std::map<std::string, std::string> sectionOfPicture;
  std::map<std::string, std::string> titleOfBytes;
  int examples = 0;
  for (const std::string& section : profile::SectionNames(subsections)) {
    const HelpContent help = ReadHelpContent(data, section);
    if (help.examplePicture.empty()) continue;
    ++examples;
    SCOPED_TRACE(section);
    EXPECT_EQ(paths::lower(paths::stem(help.examplePicture)), paths::lower(section));
    const auto [shared, fresh] = sectionOfPicture.emplace(paths::lower(help.examplePicture), section);
    EXPECT_TRUE(fresh) << "shares its example with " << shared->second;
    const auto bytes = files::readAll(help.examplePicture);
    ASSERT_TRUE(bytes.has_value()) << help.examplePicture;
    const std::string title = profile::ReadString(section, "Description", section, subsections);
    const auto [same, unseen] = titleOfBytes.emplace(*bytes, title);
    EXPECT_TRUE(unseen || same->second == title) << "shows the example of \"" << same->second << "\"";
  }
  EXPECT_GE(examples, 100);
}

}  // namespace
}  // namespace tessera::testing
