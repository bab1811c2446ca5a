// The catalogue files of the data folder agree with each other and with the numbers the program
// gives them a meaning by.
#include <gtest/gtest.h>

#include <map>

#include "core/platform/files.h"
#include "core/platform/paths.h"
#include "core/platform/profile.h"
#include "data_test_support.h"

namespace tessera::testing {
namespace {

int Int(std::string_view section, std::string_view key, int def, const std::string& file) {
  return static_cast<int>(profile::GetInt(section, key, def, file));
}

class CatalogueCheck : public ::testing::Test {
 protected:
  const std::string subsections = CatalogueFile("subsections.ini");
  const std::set<std::string> sections = LowerSectionNames(subsections);
  bool known(const std::string& name) const { return sections.count(paths::lower(name)) == 1; }
};

TEST_F(CatalogueCheck, EveryListedEntryNamesACatalogueSection) {
  for (const char* file : {"subsections2.ini", "subsections3.ini"}) {
    for (const std::string& group : profile::SectionNames(CatalogueFile(file))) {
      for (const std::string& entry : EntryNames(group, CatalogueFile(file))) {
        EXPECT_TRUE(known(entry)) << file << " [" << group << "] " << entry;
      }
    }
  }
  for (const std::string& preview : profile::SectionNames(CatalogueFile("previews.ini"))) {
    const std::string target = profile::ReadString(preview, "SectionName", preview, CatalogueFile("previews.ini"));
    EXPECT_TRUE(known(target)) << "previews.ini [" << preview << "] " << target;
  }
}

TEST_F(CatalogueCheck, LinearOrderHasThirtyEightKnownPositions) {
  const std::string linear = CatalogueFile("linear.ini");
  EXPECT_EQ(profile::SectionNames(linear).size(), 38u);
  for (int position = 1; position <= 38; ++position) {
    const std::string name = profile::ReadString(std::to_string(position), "1", "", linear);
    ASSERT_TRUE(known(name)) << "linear.ini position " << position << ": " << name;
    // A section's SecID is its place in the order, so that Next and Previous continue from it.
    EXPECT_EQ(Int(name, "SecID", 1, subsections), position) << name;
  }
  // Positions 27 and 28 are the title-bar buttons of the two layouts.
  EXPECT_EQ(Int(profile::ReadString("27", "1", "", linear), "ButtonMode", 0, subsections), 1);
  EXPECT_EQ(Int(profile::ReadString("28", "1", "", linear), "ButtonMode", 0, subsections), 1);
}

TEST_F(CatalogueCheck, FramesAgreeWithTheirStateLists) {
  const std::string statelist = CatalogueFile("statelist.ini");
  const auto lists = LowerSectionNames(statelist);
  for (const std::string& section : profile::SectionNames(subsections)) {
    const int list = Int(section, "StateList", 0, subsections);
    if (list == 0) continue;
    ASSERT_EQ(lists.count(std::to_string(list)), 1u) << section << " names state list " << list;
    EXPECT_EQ(static_cast<int>(profile::ReadSection(std::to_string(list), statelist).size()),
              Int(section, "ImageCount", 1, subsections))
        << section << ": one state per frame";
  }
}

TEST_F(CatalogueCheck, EveryExtraSettingHasADefinition) {
  const std::string extras = CatalogueFile("extras.ini"), details = CatalogueFile("extraDetails.ini");
  const auto defined = LowerSectionNames(details);
  for (const std::string& section : profile::SectionNames(extras)) {
    EXPECT_TRUE(known(section)) << "extras.ini [" << section << "]";
    for (const std::string& line : profile::ReadSection(section, extras)) {
      ASSERT_GE(line.size(), 3u);
      const std::string entry = line.substr(0, line.size() - 2);  // the line without "=" and its character
      EXPECT_EQ(defined.count(paths::lower(entry)), 1u) << section << ": " << entry;
    }
  }
  for (const char* layer : {"ContentTop3", "ContentLeft3", "ContentRight3", "ContentBottom3", "AlignLayerMode", "LayerBlendOrder"}) {
    EXPECT_EQ(defined.count(paths::lower(layer)), 1u) << layer;
  }
  for (const std::string& entry : profile::SectionNames(details)) {
    const int type = Int(entry, "Type", 0, details);
    if (type == 3) {
      EXPECT_FALSE(profile::ReadString(entry, "VALUE2", "", details).empty()) << entry << " needs three option labels";
    }
    if (type == 0) {
      EXPECT_LT(Int(entry, "RangeMin", 0, details), Int(entry, "RangeMax", 255, details)) << entry;
    }
  }
}

TEST_F(CatalogueCheck, CategoriesMatchTheMainWindowsNumbers) {
  const std::string categories = CatalogueFile("sections.ini"), entries = CatalogueFile("subsections2.ini");
  const int count = Int("Count", "SectionCount", 0, categories);
  EXPECT_GE(count, 12);
  for (int n = 0; n < count; ++n) {
    const std::string number = std::to_string(n);
    EXPECT_FALSE(profile::ReadString(number, "Description", "", categories).empty()) << number;
    const int icon = Int(number, "Icon", 0, categories);
    EXPECT_TRUE(icon >= 1 && icon <= 14) << "category " << n << " icon " << icon;
    for (const std::string& line : profile::ReadSection(number, entries)) {
      EXPECT_NE(std::string("123456789").find(line.back()), std::string::npos) << line;
    }
  }
  // The animations category opens the animation picker (type 2) and has shell clips.
  int clips = 0;
  for (const std::string& line : profile::ReadSection("4", entries)) {
    if (line.back() == '2') {
      ++clips;
      EXPECT_GT(Int(line.substr(0, line.find('=')), "ID", 0, subsections), 0) << line;
    }
  }
  EXPECT_GT(clips, 0);
  // Colours, fonts, previews and how-do-I open their own editors: no entries of their own.
  for (const char* special : {"6", "7", "10", "11"}) EXPECT_TRUE(profile::ReadSection(special, entries).empty()) << special;
  // The texture and frame editors (types 6 and 7) are offered.
  std::map<char, int> codes;
  for (int n = 0; n < count; ++n)
    for (const std::string& line : profile::ReadSection(std::to_string(n), entries)) ++codes[line.back()];
  for (char code : {'3', '6', '7', '8', '9'}) EXPECT_GT(codes[code], 0) << "type code " << code;
}

TEST_F(CatalogueCheck, CountsAndGroupsOfTheSectionEditor) {
  EXPECT_GE(sections.size(), 150u);
  const std::string groups = CatalogueFile("subsections3.ini"), tree = CatalogueFile("subsections4.ini");
  int nonEmpty = 0;
  for (int g = 1; g <= 40; ++g) {
    const std::string number = std::to_string(g);
    const auto names = EntryNames(number, groups);
    if (!names.empty()) ++nonEmpty;
    EXPECT_FALSE(profile::ReadString(number, "Description", "", tree).empty()) << "group " << g;
    for (const std::string& name : names) EXPECT_EQ(Int(name, "Section", 0, subsections), g) << name;
  }
  EXPECT_GE(nonEmpty, 30);
  EXPECT_FALSE(EntryNames("35", groups).empty());
  EXPECT_FALSE(EntryNames("36", groups).empty());
  for (const char* texture : {"StartMenu.Texture", "Taskbar.Texture", "Frames.Texture"}) {
    EXPECT_EQ(Int(texture, "Section", 0, subsections), 40) << texture;
  }
  EXPECT_GE(profile::SectionNames(CatalogueFile("HowDoI.ini")).size(), 10u);
  EXPECT_GE(profile::ReadSection("UIS1Visibility", CatalogueFile("Visibility.ini")).size(), 20u);
}

TEST_F(CatalogueCheck, EveryPageIsReachedBySomeSection) {
  std::map<std::string, int> reached;
  for (const std::string& s : profile::SectionNames(subsections)) {
    auto on = [&](const char* key, int value = 1) { return Int(s, key, 0, subsections) == value; };
    if (on("JustExtras")) ++reached["Extra settings"];
    if (on("CaptionMode", 2)) ++reached["Caption"];
    if (on("CaptionMode", 1)) ++reached["Caption text settings"];
    if (on("FrameMode", 2)) ++reached["Border pages"];
    if (on("FrameMode", 1)) ++reached["Frame images"];
    if (on("ButtonMode")) ++reached["Buttons"];
    if (on("ShellUI")) ++reached["Settings"];
    if (on("AnimPage")) ++reached["Animation settings"];
    if (on("Position") && on("Basic")) ++reached["Position"];
    if (Int(s, "NoAnimation", 1, subsections) == 0) ++reached["Animation"];
    if (!on("JustExtras") && !on("CaptionMode") && !on("CaptionMode", 2) && !on("FrameMode") && !on("FrameMode", 2) &&
        !on("ButtonMode") && !on("ShellUI") && !on("AnimPage") && !on("Basic") && !on("NoText") && !on("NoGlyph") &&
        !on("NoMargins")) {
      ++reached["Image, Glyph, Painting and Text"];
    }
  }
  for (const char* page : {"Extra settings", "Caption", "Caption text settings", "Border pages", "Frame images", "Buttons",
                           "Settings", "Animation settings", "Position", "Animation",
                           "Image, Glyph, Painting and Text"}) {
    EXPECT_GT(reached[page], 0) << page;
  }
}

TEST_F(CatalogueCheck, SystemColourNamesAndPartRecordNames) {
  const std::string colours = CatalogueFile("systemcolours.ini");
  EXPECT_EQ(profile::SectionNames(colours).size(), 30u);
  for (const std::string& key : profile::SectionNames(colours)) {
    EXPECT_FALSE(profile::ReadString(key, "FriendlyName", "", colours).empty()) << key;
    EXPECT_FALSE(profile::ReadString(key, "Description", "", colours).empty()) << key;
  }
  const std::string bits = CatalogueFile("vistaBits.ini");
  const std::string fonts = paths::join(SourceDataFolder(), "TesseraTemplates/Fonts");
  for (const char* cls : {"ControlPanel", "TaskDialog", "Flyout", "Button", "AltTab", "DragDrop", "QueryBuilder",
                          "AeroWizard", "TextStyle", "CommonPlaces", "MonthCal", "Link", "EmptyMarkup"}) {
    EXPECT_TRUE(known(std::string(cls) + ".VFonts")) << cls;
    for (const char* kind : {".colours", ".font"}) {
      const std::string stem = std::string(cls) + kind;
      const auto text = profile::ReadSection(stem, bits);
      EXPECT_FALSE(text.empty()) << stem;
      // Every record of the template table has a display name.
      const auto read = files::readAll(paths::join(fonts, stem));
      ASSERT_TRUE(read.has_value()) << stem;
      const std::string& table = *read;
      std::size_t lineStart = table.find('\n') + 1;
      int records = 0;
      while (lineStart < table.size()) {
        const std::size_t end = table.find('\n', lineStart);
        const std::string line = table.substr(lineStart, end - lineStart);
        const std::size_t c1 = line.find(','), c2 = line.find(',', c1 + 1);
        const std::string key = line.substr(0, c1) + "." + line.substr(c1 + 2, c2 - c1 - 2);
        EXPECT_FALSE(profile::ReadString(stem, key, "", bits).empty()) << stem << " record " << key;
        ++records;
        lineStart = end == std::string::npos ? table.size() : end + 1;
      }
      EXPECT_EQ(records, std::stoi(table)) << stem << ": the count line matches the records";
    }
  }
}

}  // namespace
}  // namespace tessera::testing
