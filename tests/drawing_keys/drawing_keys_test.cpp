// Every drawing key of docs/skin-format.md shows in the previews. The key tables are read from the
// reference itself, so a key added there is covered here without a change to this test: each key
// that applies to a section of a demo skin is changed to another valid value, on artwork of noise,
// and every preview that shows the section must change.
#include <gtest/gtest.h>

#include <QPainter>
#include <QRandomGenerator>
#include <algorithm>
#include <filesystem>
#include <map>
#include <optional>
#include <set>

#include "core/app/preview_engine.h"
#include "core/app/qimage_bridge.h"
#include "core/editor/large_preview.h"
#include "core/editor/preview_composition.h"
#include "core/image/image_file.h"
#include "core/pages/painting_preview.h"
#include "core/platform/dynamic_library.h"
#include "core/platform/environment.h"
#include "core/platform/files.h"
#include "core/platform/paths.h"
#include "core/platform/profile.h"
#include "core/sheet/section_preview.h"
#include "core/skin/catalogue.h"
#include "core/skin/section_catalogue.h"
#include "core/skin/section_store.h"
#include "core/skin/skin_files.h"
#include "core/skin/skin_session.h"
#include "drawing_keys/doc_key_tables.h"
#include "drawing_keys/key_changes.h"
#include "support/temp_dir.h"

namespace tessera::testing {
namespace {

// Aurora has an advanced frame and title-bar buttons in the Personality layout; Copperline a
// basic frame and buttons in the caption layout.
constexpr const char* kAdvancedFrameSkin = "Aurora";
constexpr const char* kBasicFrameSkin = "Copperline";

const DocTables& Tables() {
  static const DocTables tables = ReadDocTables(TESSERA_TEST_SKIN_FORMAT_DOC);
  return tables;
}

std::string lower(std::string s) { return paths::lower(s); }

// Noise of `size`: random colours, some pixels magenta, some transparent or half transparent, so
// that tiling, stretching, margins, transparency and blending all change pixels.
QImage Noise(QSize size, quint32 seed, bool mask) {
  QRandomGenerator random(seed);
  QImage image(size, QImage::Format_ARGB32);
  for (int y = 0; y < size.height(); ++y) {
    for (int x = 0; x < size.width(); ++x) {
      const quint32 r = random.generate();
      if (mask) {
        image.setPixel(x, y, (r & 1) ? 0xff000000u : 0xffffffffu);
        continue;
      }
      const int pick = static_cast<int>(r % 10);
      const int alpha = pick == 0 ? 0 : pick == 1 ? 128 : 255;
      const QRgb colour = pick == 2 ? qRgba(255, 0, 255, 255) : qRgba((r >> 8) & 0xff, (r >> 16) & 0xff, (r >> 24) & 0xff, alpha);
      image.setPixel(x, y, colour);
    }
  }
  return image;
}

bool SavePicture(const std::string& path, const QImage& image) {
  const auto buffer = FromQImage(image.convertToFormat(QImage::Format_ARGB32_Premultiplied));
  return buffer && SaveImageFile(path, *buffer, paths::lower(std::string(paths::extension(path))) == "bmp");
}

// The sections of the index the demo skin is checked on: its picture sections with a picture,
// and every section an extra-settings table names.
enum class SectionRole { Indexed, TitleBarButton, FontPreset };
struct CheckedSection {
  std::string skin;
  std::string name;
  int group = 0;
  bool picture = false;
  SectionRole role = SectionRole::Indexed;
};

// Test names and failure messages name the section.
void PrintTo(const CheckedSection& section, std::ostream* out) { *out << section.skin << " " << section.name; }

// The window groups: frames, title-bar buttons and frame buttons.
bool IsWindowGroup(int group) { return group >= 34 && group <= 37; }

// The sections of `skin` the check runs on; `windowOnly` keeps those of the window frame, its
// buttons and its fonts.
std::vector<CheckedSection> CheckedSections(const char* skin, bool windowOnly) {
  std::vector<CheckedSection> out;
  std::set<std::string> named;
  for (const DocKey& key : Tables().keys) {
    if (key.scope == KeyScope::Named || key.scope == KeyScope::Frame) named.insert(key.sections.begin(), key.sections.end());
  }
  const std::string skinFolder = paths::join(TESSERA_TEST_GENERATED_SKINS_DIR, skin);
  std::vector<std::string> skinFiles;
  for (const std::string& file : files::listFiles(skinFolder)) {
    const std::string ext = lower(std::string(paths::extension(file)));
    if (ext == "uis" || ext == "xp" || ext == "xps") skinFiles.push_back(paths::join(skinFolder, file));
  }
  auto hasPicture = [&](const std::string& section) {
    for (const std::string& file : skinFiles) {
      if (!profile::ReadString(section, "Image", "", file).empty()) return true;
      if (!profile::ReadString(section, "Bitmap", "", file).empty()) return true;
    }
    return false;
  };
  const std::string mainFile = paths::join(skinFolder, std::string(skin) + ".uis");
  for (const IndexedSection& section : Tables().sections) {
    if (windowOnly && !IsWindowGroup(section.group)) continue;
    const bool picture = section.kind == "picture" && hasPicture(section.name);
    // The standard frame buttons are checked whether the skin draws them or not.
    const bool frameButton = section.group == 37 && section.kind == "picture" && !SectionNotShown(section.name);
    if (picture || frameButton || named.count(section.name) != 0) {
      out.push_back({skin, section.name, section.group, picture});
    }
  }
  // The first title-bar button, in the layout the skin uses, and the first font preset.
  if (!profile::ReadString("Button0", "ButtonImage", "", mainFile).empty()) {
    const bool personalityLayout = !profile::ReadString("Personality", "ButtonCount", "", mainFile).empty();
    out.push_back({skin, "Button0", personalityLayout ? 35 : 37, false, SectionRole::TitleBarButton});
  }
  if (!profile::ReadString("Font1", "FontName", "", mainFile).empty()) {
    out.push_back({skin, "Font1", 1, false, SectionRole::FontPreset});
  }
  return out;
}

std::vector<CheckedSection> AllCheckedSections() {
  std::vector<CheckedSection> out = CheckedSections(kAdvancedFrameSkin, false);
  for (CheckedSection& section : CheckedSections(kBasicFrameSkin, true)) out.push_back(std::move(section));
  return out;
}

std::string TestName(const ::testing::TestParamInfo<CheckedSection>& info) {
  std::string name = info.param.skin + "_" + info.param.name;
  std::replace_if(name.begin(), name.end(), [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
  return name;
}

// One preview the editor shows, drawn in every state asked for.
using Rendering = std::vector<QImage>;
enum class Preview { Large, Page, Text, Window };
const char* PreviewName(Preview p) {
  switch (p) {
    case Preview::Large: return "the large preview";
    case Preview::Page: return "the painting page's preview";
    case Preview::Text: return "the text page's preview";
    case Preview::Window: return "the sample window with taskbar (thumbnail, main window)";
  }
  return "";
}

class DrawingKeysTest : public EnvironmentTest, public ::testing::WithParamInterface<CheckedSection> {
 protected:
  void SetUp() override {
    EnvironmentTest::SetUp();
    namespace fs = std::filesystem;
    const fs::path generated(TESSERA_TEST_GENERATED_SKINS_DIR);
    const fs::path skins(skinsFolder());
    // The catalogue files of the data folder, and the demo skin with its pictures turned to noise.
    for (const auto& entry : fs::directory_iterator(generated / "Tessera7")) {
      if (entry.is_regular_file()) fs::copy_file(entry.path(), skins / "Tessera7" / entry.path().filename(), fs::copy_options::overwrite_existing);
    }
    skin_ = GetParam().skin;
    fs::copy(generated / skin_, skins / skin_, fs::copy_options::recursive | fs::copy_options::overwrite_existing);
    quint32 seed = 1;
    for (const auto& entry : fs::directory_iterator(skins / skin_)) {
      const std::string ext = lower(entry.path().extension().string());
      if (ext != ".tga" && ext != ".bmp") continue;
      const auto picture = LoadImageFile(entry.path().string());
      if (!picture) continue;
      const QImage original = ToQImage(*picture);
      ASSERT_TRUE(SavePicture(entry.path().string(), Noise(original.size(), seed++, false)));
    }
    unsynced_.emplace(skinsFolder());
    OpenSkinFiles((skins / skin_ / (skin_ + ".uis")).string(), "");
    ASSERT_TRUE(Session().isOpen());
    static DynamicLibrary module(ModulePath(StandinFolder(), "vuzudiv"));
    BindPreviewLibrary(module);
    ASSERT_TRUE(Tessera().isBound());
    Tessera().LoadUISFile(Session().mainFile);
  }
  void TearDown() override {
    Tessera().CloseSection();
    Tessera().unbind();
    unsynced_.reset();
    EnvironmentTest::TearDown();
  }
  static PreviewLibrary& Tessera() { return tessera::Preview(); }

  std::string fileOf(const std::string& section) const { return SkinFileForSection(section); }

  std::string read(const std::string& section, const std::string& key) const {
    return profile::ReadString(section, key, "", fileOf(section));
  }
  void write(const std::string& section, const std::string& key, const std::string& value) const {
    if (value.empty()) {
      profile::WriteString(section, key, std::nullopt, fileOf(section));
    } else {
      profile::WriteString(section, key, value, fileOf(section));
    }
  }

  // The working files as they are now, to go back to after each key.
  std::map<std::string, std::string> snapshot() const {
    std::map<std::string, std::string> files;
    for (const std::string& file : {Session().mainFile, Session().companionFiles[0], Session().companionFiles[1],
                                    Session().companionFiles[2]}) {
      if (!file.empty()) files[file] = files::readAll(file).value_or("");
    }
    return files;
  }
  void restore(const std::map<std::string, std::string>& files) const {
    for (const auto& [file, bytes] : files) {
      if (files::readAll(file).value_or("") != bytes) files::writeAllAtomic(file, bytes);
    }
    profile::ClearCache();
  }

  std::string newPicture(int width, int height, bool mask) {
    const std::string name = "keytest" + std::to_string(++pictures_) + ".tga";
    const std::string path = paths::join(paths::join(skinsFolder(), skin_), name);
    EXPECT_TRUE(SavePicture(path, Noise(QSize(std::max(1, width), std::max(1, height)), 1000 + pictures_, mask)));
    return lower(skin_) + "\\" + name;
  }

  ChangeTools tools(const CheckedSection& section) {
    ChangeTools t;
    t.newPicture = [this](int w, int h, bool mask) { return newPicture(w, h, mask); };
    t.frameCount = std::max(1, SectionCatalogue().imageCount(section.name));
    const SectionPictureLayout layout = ReadSectionPictureLayout(section.name, section.name);
    if (!layout.picture.isEmpty()) {
      const int count = std::max(1, layout.frameCount);
      t.frameWidth = layout.vertical ? layout.picture.width() : std::max(1, layout.picture.width() / count);
      t.frameHeight = layout.vertical ? std::max(1, layout.picture.height() / count) : layout.picture.height();
      t.frameCount = count;
    }
    t.vertical = layout.vertical || SectionCatalogue().framesVertical(section.name);
    return t;
  }

  // The preview states the section editor offers for the section's group.
  std::vector<int> previewStates(const CheckedSection& section) const {
    std::vector<int> states;
    const std::string file = paths::join(paths::join(skinsFolder(), "Tessera7"), "previewStates.ini");
    for (const std::string& entry : profile::ReadSection(std::to_string(CompositionGroup(section.group, section.name)), file)) {
      const auto equals = entry.find('=');
      if (equals != std::string::npos) states.push_back(std::atoi(entry.c_str() + equals + 1));
    }
    if (states.empty()) states.push_back(1);
    return states;
  }

  Rendering render(Preview preview, const CheckedSection& section, int states) {
    Rendering images;
    const std::string title = "Sample";
    switch (preview) {
      case Preview::Large:
        for (int state : previewStates(section)) {
          const int group = groupOverride_ > 0 ? groupOverride_ : section.group;
          // Where the states are window states, the mouse over the preview gives the title-bar
          // buttons their hover and pressed looks (and the glow).
          const bool windowStates = group == 34 || group == 35 || group == 36;
          for (int buttonState = 1; buttonState <= (windowStates ? 3 : 1); ++buttonState) {
            QImage canvas(480, 360, QImage::Format_ARGB32_Premultiplied);
            LargePreviewRequest request;
            request.group = group;
            request.topLevelSection = section.name;
            request.currentSection = section.name;
            request.state = state;
            request.buttonState = buttonState;
            ComposeLargePreview(canvas, request);
            images.push_back(canvas);
          }
        }
        break;
      case Preview::Page:
      case Preview::Text: {
        // A font preset shows in the text of a section that uses it.
        const std::string shown = section.role == SectionRole::FontPreset ? std::string(FontPresetUser()) : section.name;
        ReloadSectionPreview(shown, shown);
        for (int state = 0; state < states; ++state) {
          if (preview == Preview::Page) {
            PaintingPreviewOptions options;
            options.stateIndex = state;
            options.background = Qt::white;
            images.push_back(ComposePaintingPreview(
                PreviewBoxSize(ReadSectionPictureLayout(section.name, section.name), kMaxPreviewBox), options));
          } else {
            QImage canvas(200, 60, QImage::Format_ARGB32_Premultiplied);
            canvas.fill(Qt::white);
            Tessera().RenderSectionText(canvas, VlRect{0, 0, 200, 60}, PreviewStateForEntry(state), "Sample text");
            images.push_back(canvas);
          }
        }
        break;
      }
      case Preview::Window: {
        QImage canvas(420, 320, QImage::Format_ARGB32_Premultiplied);
        canvas.fill(Qt::darkCyan);
        Tessera().DrawWindowFrameOwn2(canvas, VlRect{35, 22, 385, 266}, 0, title);
        Tessera().DrawTaskBar(canvas, 0, 0, 420, 320);
        images.push_back(canvas);
        break;
      }
    }
    return images;
  }

  // Whether the skin draws the frame a chapter-4 key belongs to: the basic frame's keys show
  // only on a skin with a basic frame, the advanced frame's on one with an advanced frame.
  bool frameInUse(const DocKey& key) const {
    if (key.chapter.rfind("4.1 ", 0) == 0) return !read("Personality", "Top").empty();
    if (key.chapter.rfind("4.2 ", 0) == 0) return !read("Borders", "HorzFrame").empty();
    return true;
  }

  std::string skin_;
  int pictures_ = 0;
  int groupOverride_ = 0;  // the group whose large preview shows the key under test, when not the section's
  // The test's files need no flush to disk: they are thrown away.
  std::optional<files::UnsyncedWritesUnder> unsynced_;
};

// A key is checked in the previews that show its kind of setting: painting keys in every
// preview of the section, text keys where the section's text is drawn.
struct KeyCase {
  DocKey key;
  std::string section;  // where the key is written (the section, or its layer)
};

TEST_P(DrawingKeysTest, EveryKeyChangesEveryPreviewThatShowsTheSection) {
  const CheckedSection& section = GetParam();
  const SectionCatalogue catalogue;
  const bool hasText = !catalogue.isOn(section.name, subsection_keys::NoText);
  const bool layers = section.picture && !catalogue.noLayers(section.name);
  // Text states run from 1 (normal) to 10 (group); a state key shows in its own.
  constexpr int kTextStates = 10;
  const int stateCount = std::clamp(catalogue.imageCount(section.name), 1, 16);
  const bool large = !PreviewCallsFor(section.group, section.name, 1).empty();

  // Whether the sample window shows the section: a new picture changes it.
  bool windowShows = false;
  if (section.picture) {
    const auto before = snapshot();
    const Rendering plain = render(Preview::Window, section, 1);
    write(section.name, "Image", newPicture(64, 64, false));
    windowShows = render(Preview::Window, section, 1) != plain;
    restore(before);
  }

  // The previews that draw the section at its picture's own size, where sizing keys have nothing
  // to do: a small picture centred at true size looks the same there as one painted by margins.
  const ChangeTools change = tools(section);
  std::set<Preview> ownSize;
  if (section.picture) {
    const auto before = snapshot();
    write(section.name, "Image", change.strip(13, 13));
    write(section.name, "FrameCount", std::to_string(change.frameCount));
    for (const char* k : {"TopHeight", "LeftWidth", "RightWidth", "BottomHeight", "Tile", "EdgesOnly"}) write(section.name, k, "");
    std::map<Preview, Rendering> painted;
    for (Preview p : {Preview::Large, Preview::Page, Preview::Window}) painted[p] = render(p, section, 1);
    write(section.name, "SimpleMode", "3");
    for (Preview p : {Preview::Large, Preview::Page, Preview::Window}) {
      if (render(p, section, 1) == painted[p]) ownSize.insert(p);
    }
    restore(before);
  }

  std::vector<KeyCase> cases;
  for (const DocKey& key : Tables().keys) {
    if (NotDrawnReason(key)) continue;
    // A key that a table names sections for applies to those alone.
    const bool namedElsewhere = key.scope == KeyScope::PictureSections &&
                                std::any_of(Tables().keys.begin(), Tables().keys.end(), [&](const DocKey& other) {
                                  return other.scope == KeyScope::Named && other.name == key.name;
                                });
    if (namedElsewhere) continue;
    // The catalogue stacks the frames of some sections whatever their own "Vert" says.
    if (key.name == "Vert" && catalogue.framesVertical(section.name)) continue;
    const bool applies =
        (key.scope == KeyScope::PictureSections && section.picture && (!IsTextKey(key) || hasText)) ||
        (key.scope == KeyScope::LayerSections && layers) ||
        ((key.scope == KeyScope::Named || (key.scope == KeyScope::Frame && frameInUse(key))) &&
         std::any_of(key.sections.begin(), key.sections.end(),
                     [&](const std::string& s) { return paths::equalsIgnoreCase(s, section.name); })) ||
        (key.scope == KeyScope::FrameButtons && section.group == 37 && section.name.rfind("WindowFrame.", 0) == 0) ||
        (key.scope == KeyScope::TitleBarButtons && section.role == SectionRole::TitleBarButton) ||
        (key.scope == KeyScope::FontPresets && section.role == SectionRole::FontPreset);
    if (!applies) continue;
    cases.push_back({key, key.scope == KeyScope::LayerSections ? section.name + ":L" : section.name});
  }
  if (cases.empty()) GTEST_SKIP() << "no documented drawing key applies to " << section.name;

  for (const KeyCase& c : cases) {
    const DocKey& key = c.key;
    const bool text = IsTextKey(key);
    const bool stateKey = IsStateKey(key.name);
    std::vector<Preview> previews;
    const bool ownText = !text || (!stateKey && !OwnTextNotInLargePreview(section.name));
    // Frames, their buttons and the caption are what the sample window draws.
    const bool windowKey = key.scope == KeyScope::Frame || key.scope == KeyScope::FrameButtons ||
                           key.scope == KeyScope::TitleBarButtons;
    const bool fontKey = key.scope == KeyScope::FontPresets;
    if (large && ownText && !fontKey) previews.push_back(Preview::Large);
    if (text || fontKey) {
      previews.push_back(Preview::Text);
    } else if ((key.scope == KeyScope::PictureSections || key.scope == KeyScope::LayerSections) && section.picture &&
               !NotShownByPaintingPage(key.name)) {
      previews.push_back(Preview::Page);
    }
    if ((windowShows || windowKey) && !text && !stateKey) previews.push_back(Preview::Window);
    if (NotShownBySizedElements(key.name)) {
      previews.erase(std::remove_if(previews.begin(), previews.end(),
                                    [](Preview p) { return p == Preview::Large || p == Preview::Window; }),
                     previews.end());
    }
    if (IsSizingKey(key)) {
      previews.erase(std::remove_if(previews.begin(), previews.end(), [&](Preview p) { return ownSize.count(p) != 0; }),
                     previews.end());
    }
    if (previews.empty()) continue;

    const auto before = snapshot();
    for (const Setting& setting : Preconditions(key, change, section.name)) {
      const std::string target = setting.section.empty()        ? section.name
                                 : setting.section.front() == ':' ? section.name + setting.section
                                                                  : setting.section;
      write(target, setting.key, setting.value);
    }
    const int states = !stateKey ? 1 : text ? kTextStates : stateCount;
    groupOverride_ = GroupShowingKey(key.name);
    std::map<Preview, Rendering> baseline;
    for (Preview p : previews) baseline[p] = render(p, section, states);
    std::set<Preview> unchanged(previews.begin(), previews.end());
    const std::string current = read(c.section, key.name);
    for (const std::string& value : OtherValues(key, current, change)) {
      write(c.section, key.name, value);
      for (auto it = unchanged.begin(); it != unchanged.end();) {
        it = render(*it, section, states) != baseline[*it] ? unchanged.erase(it) : std::next(it);
      }
      if (unchanged.empty()) break;
    }
    for (Preview p : unchanged) {
      ADD_FAILURE() << "[" << c.section << "] " << key.name << " (" << key.chapter << ") changes no pixel of "
                    << PreviewName(p);
    }
    restore(before);
    groupOverride_ = 0;
  }
}

INSTANTIATE_TEST_SUITE_P(DemoSkin, DrawingKeysTest, ::testing::ValuesIn(AllCheckedSections()), TestName);

// The reference is read as the test expects, so keys cannot drop out of the check unseen.
TEST(DocKeyTables, ReadsTheTablesOfTheReference) {
  const DocTables& tables = Tables();
  auto has = [&](const std::string& name, KeyScope scope) {
    return std::any_of(tables.keys.begin(), tables.keys.end(),
                       [&](const DocKey& k) { return k.name == name && k.scope == scope; });
  };
  EXPECT_TRUE(has("EdgesOnly", KeyScope::PictureSections));
  EXPECT_TRUE(has("TextHorzAlignActivatedAndHighlighted", KeyScope::PictureSections));
  EXPECT_TRUE(has("AlignLayerMode", KeyScope::LayerSections));
  EXPECT_TRUE(has("TabOverlap", KeyScope::Named));
  EXPECT_TRUE(has("TopMask", KeyScope::Frame));
  EXPECT_TRUE(has("LeftCoord", KeyScope::FrameButtons));
  EXPECT_TRUE(has("OverlayImage", KeyScope::TitleBarButtons));
  EXPECT_TRUE(has("FontAngle", KeyScope::FontPresets));
  // The lead-in line of a table names its section: the advanced caption's table is Caption's.
  const auto align = std::find_if(tables.keys.begin(), tables.keys.end(),
                                  [](const DocKey& k) { return k.name == "TextAlignMode"; });
  ASSERT_NE(align, tables.keys.end());
  EXPECT_EQ(align->sections, std::vector<std::string>{"Caption"});
  const auto index = std::find_if(tables.sections.begin(), tables.sections.end(),
                                  [](const IndexedSection& s) { return s.name == "Edit"; });
  ASSERT_NE(index, tables.sections.end());
  EXPECT_EQ(index->group, 24);
  EXPECT_EQ(index->kind, "picture");
  // Every listed non-drawing key is one the reference documents.
  for (const char* name : {"AnimTimerRate", "FocusRect", "WallpaperStyle", "ButtonFadeTime", "LinkedTo",
                           "NonSizableActiveFrame", "OverlayTimer", "TopCoordMaximized"}) {
    EXPECT_TRUE(std::any_of(tables.keys.begin(), tables.keys.end(), [&](const DocKey& k) { return k.name == name; }))
        << name;
  }
}

}  // namespace
}  // namespace tessera::testing
