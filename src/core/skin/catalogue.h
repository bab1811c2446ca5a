#pragma once
// The catalogue files of the data folder (<skins folder>/Tessera7): their names, the keys the
// program reads from them and the default each reader uses. The editor never writes them; a
// missing file, section or key gives the default.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tessera {

namespace catalogue_files {
inline constexpr const char* kSubsections = "subsections.ini";
inline constexpr const char* kSections = "sections.ini";
inline constexpr const char* kSubsections2 = "subsections2.ini";
inline constexpr const char* kSubsections3 = "subsections3.ini";
inline constexpr const char* kSubsections4 = "subsections4.ini";
inline constexpr const char* kStateList = "statelist.ini";
inline constexpr const char* kPreviews = "previews.ini";
inline constexpr const char* kPreviewStates = "previewStates.ini";
inline constexpr const char* kPreview2 = "preview2.ini";
inline constexpr const char* kLinear = "linear.ini";
inline constexpr const char* kExtras = "extras.ini";
inline constexpr const char* kExtraDetails = "extraDetails.ini";
inline constexpr const char* kSystemColours = "systemcolours.ini";
}  // namespace catalogue_files

// Buffer sizes of the catalogue reads.
inline constexpr std::size_t kCatalogueStringSize = 255;
inline constexpr std::size_t kCatalogueSectionSize = 100000;

// An integer key and its default. Some keys are read with another default by one reader; those
// readers have their own entry below, so every default lives here.
struct CatalogueInt {
  const char* key;
  int defaultValue;
};

// What a text key gives when it is missing.
enum class TextDefault { Empty, OwnName, Given };

struct CatalogueText {
  const char* key;
  TextDefault fallback;
  std::size_t size = kCatalogueStringSize;
  const char* given = "";  // the default when fallback is Given
};

// subsections.ini, one section per skin section.
namespace subsection_keys {
// clang-format off
inline constexpr CatalogueInt  AlternativeFile  {"AlternativeFile", 0};
inline constexpr CatalogueText Description      {"Description", TextDefault::OwnName};
inline constexpr CatalogueText DescriptionOrEmpty{"Description", TextDefault::Empty};
inline constexpr CatalogueText Description2     {"Description2", TextDefault::Empty};
inline constexpr CatalogueText Description2AtLists{"Description2", TextDefault::OwnName};  // section lists
inline constexpr CatalogueText Description3     {"Description3", TextDefault::Empty};
inline constexpr CatalogueInt  Section          {"Section", 0};
inline constexpr CatalogueInt  SectionAtSearch  {"Section", -1};       // the search list
inline constexpr CatalogueInt  SectionAtPreview {"Section", 1};        // preview2.ini lookup
inline constexpr CatalogueInt  SecID            {"SecID", 1};
inline constexpr CatalogueInt  SecIDAtNext      {"SecID", 0};          // "Next" of the linear order
inline constexpr CatalogueText Default          {"Default", TextDefault::OwnName};
inline constexpr CatalogueInt  SubItem          {"SubItem", 0};
inline constexpr CatalogueInt  SevenOnly        {"SevenOnly", 0};
inline constexpr CatalogueInt  NotVista         {"NotVista", 0};
inline constexpr CatalogueInt  NotXP            {"NotXP", 0};
inline constexpr CatalogueInt  NotSeven         {"NotSeven", 0};
inline constexpr CatalogueInt  NoUIS0           {"NoUIS0", 0};
inline constexpr CatalogueInt  ImageCount       {"ImageCount", 1};
inline constexpr CatalogueInt  StateList        {"StateList", 0};
inline constexpr CatalogueText StateDesc        {"StateDesc", TextDefault::Empty, 2000};
inline constexpr CatalogueInt  Vert             {"Vert", 0};
inline constexpr CatalogueInt  HideTrans        {"HideTrans", 0};
inline constexpr CatalogueInt  HidePerPixel     {"HidePerPixel", 0};
inline constexpr CatalogueInt  HideVert         {"HideVert", 0};
inline constexpr CatalogueText Preview          {"Preview", TextDefault::Empty};
inline constexpr CatalogueText Preview1         {"Preview1", TextDefault::Empty};
inline constexpr CatalogueText Preview2         {"Preview2", TextDefault::Empty};
inline constexpr CatalogueText Preview3         {"Preview3", TextDefault::Empty};
inline constexpr CatalogueText Preview4         {"Preview4", TextDefault::Empty};
inline constexpr CatalogueText ImageNotes       {"ImageNotes", TextDefault::Empty};
inline constexpr CatalogueText ImageNotes2      {"ImageNotes2", TextDefault::Empty};
inline constexpr CatalogueText Help             {"Help", TextDefault::Empty, 2550};
inline constexpr CatalogueInt  AnimationID      {"ID", 0};                 // shell animations: the system's own clip
inline constexpr CatalogueText ThemePart        {"ThemePart", TextDefault::Empty};
inline constexpr CatalogueInt  ThemePartIndex   {"ThemePartIndex", 1};
inline constexpr CatalogueInt  NoContent        {"NoContent", 0};
inline constexpr CatalogueInt  XMLUI            {"XMLUI", 0};
inline constexpr CatalogueInt  StringsUI        {"StringsUI", 0};
inline constexpr CatalogueInt  NoImage          {"NoImage", 0};
inline constexpr CatalogueInt  AnimPage         {"AnimPage", 0};
inline constexpr CatalogueInt  BackgroundColour {"BackgroundColour", 0};
inline constexpr CatalogueInt  BorderColour     {"BorderColour", 0};
inline constexpr CatalogueInt  BodyColour       {"BodyColour", 0};
inline constexpr CatalogueInt  TitleColour      {"TitleColour", 0};
inline constexpr CatalogueInt  TextColour       {"TextColour", 0};
inline constexpr CatalogueInt  NoLayers         {"NoLayers", 0};
inline constexpr CatalogueInt  AlphaMode        {"AlphaMode", 0};
inline constexpr CatalogueInt  JustExtras       {"JustExtras", 0};
inline constexpr CatalogueInt  CaptionMode      {"CaptionMode", 0};
inline constexpr CatalogueInt  FrameMode        {"FrameMode", 0};
inline constexpr CatalogueInt  ButtonMode       {"ButtonMode", 0};
inline constexpr CatalogueInt  ShellUI          {"ShellUI", 0};
inline constexpr CatalogueInt  Basic            {"Basic", 0};
inline constexpr CatalogueInt  NoGlyph          {"NoGlyph", 0};
inline constexpr CatalogueInt  NoMargins        {"NoMargins", 0};
inline constexpr CatalogueInt  NoText           {"NoText", 0};
inline constexpr CatalogueInt  Content          {"Content", 0};
inline constexpr CatalogueInt  Position         {"Position", 0};
inline constexpr CatalogueInt  NoAnimation      {"NoAnimation", 1};
inline constexpr CatalogueInt  BuildStates      {"BuildStates", 0};
inline constexpr CatalogueInt  SubPreviewIndex  {"SubPreviewIndex", -1};
inline constexpr CatalogueInt  ID               {"ID", 0};
// clang-format on
}  // namespace subsection_keys

// sections.ini: section "Count" and one section per category number.
namespace category_keys {
// clang-format off
inline constexpr const char*   kCountSection = "Count";
inline constexpr CatalogueInt  SectionCount {"SectionCount", 0};
inline constexpr CatalogueInt  Icon         {"Icon", 0};
inline constexpr CatalogueText Description  {"Description", TextDefault::Empty};
inline constexpr CatalogueText Description2 {"Description2", TextDefault::Empty};
inline constexpr CatalogueText Description3 {"Description3", TextDefault::Empty};
inline constexpr CatalogueInt  SevenOnly    {"SevenOnly", 0};
inline constexpr CatalogueInt  NotVista     {"NotVista", 0};
inline constexpr CatalogueInt  NotXP        {"NotXP", 0};
inline constexpr CatalogueInt  NotUIS0      {"NotUIS0", 0};
// clang-format on
}  // namespace category_keys

// subsections4.ini: one section per task-list group.
namespace group_keys {
// clang-format off
inline constexpr CatalogueText Description {"Description", TextDefault::OwnName};
inline constexpr CatalogueText Name        {"Name", TextDefault::Empty};
inline constexpr CatalogueInt  Section     {"Section", 0};
inline constexpr CatalogueInt  NotXP       {"NotXP", 0};
inline constexpr CatalogueInt  NotVista    {"NotVista", 0};
inline constexpr CatalogueInt  NotSeven    {"NotSeven", 0};
inline constexpr CatalogueInt  SevenOnly   {"SevenOnly", 0};
// clang-format on
}  // namespace group_keys

// previews.ini, preview2.ini and linear.ini.
namespace preview_keys {
// clang-format off
inline constexpr CatalogueInt  NoShow       {"NoShow", 0};
inline constexpr CatalogueText SectionName  {"SectionName", TextDefault::OwnName};
inline constexpr CatalogueInt  Section      {"Section", 1};
inline constexpr CatalogueInt  MouseState   {"MouseState", 2};
inline constexpr CatalogueInt  PressedState {"PressedState", 3};
// clang-format on
}  // namespace preview_keys

namespace linear_keys {
// clang-format off
inline constexpr CatalogueText SectionName {"1", TextDefault::Empty};
inline constexpr CatalogueInt  NoXP        {"NoXP", 0};
inline constexpr CatalogueInt  NoVista     {"NoVista", 0};
// clang-format on
}  // namespace linear_keys

// extraDetails.ini: one section per extra-settings entry E.
namespace extra_detail_keys {
// clang-format off
inline constexpr CatalogueText Description {"Description", TextDefault::OwnName};
inline constexpr CatalogueText Section     {"Section", TextDefault::Empty};  // empty: the current section
inline constexpr CatalogueText Name        {"Name", TextDefault::OwnName};
inline constexpr CatalogueInt  Default     {"Default", 0};
inline constexpr CatalogueText Text        {"Text", TextDefault::OwnName, 2000};
inline constexpr CatalogueInt  Type        {"Type", 0};
inline constexpr CatalogueText Value0      {"VALUE0", TextDefault::Given, kCatalogueStringSize, "Disabled"};
inline constexpr CatalogueText Value1      {"VALUE1", TextDefault::Given, kCatalogueStringSize, "1"};
inline constexpr CatalogueText Value2      {"VALUE2", TextDefault::Given, kCatalogueStringSize, "2"};
inline constexpr CatalogueInt  RangeMin    {"RangeMin", 0};
inline constexpr CatalogueInt  RangeMax    {"RangeMax", 255};
inline constexpr CatalogueText FontName    {"FontName", TextDefault::Empty};
inline constexpr CatalogueInt  FontHeight  {"FontHeight", 0};
inline constexpr CatalogueInt  Colour      {"Colour", 0};
inline constexpr CatalogueInt  R           {"R", 0};
inline constexpr CatalogueInt  G           {"G", 0};
inline constexpr CatalogueInt  B           {"B", 0};
// clang-format on
}  // namespace extra_detail_keys

// systemcolours.ini: one section per key of the skin's Colours section.
namespace system_colour_keys {
// clang-format off
inline constexpr CatalogueText FriendlyName {"FriendlyName", TextDefault::OwnName};
inline constexpr CatalogueText Description  {"Description", TextDefault::OwnName};
// clang-format on
}  // namespace system_colour_keys

// One catalogue file of a data folder, read with its key table.
class CatalogueFile {
 public:
  CatalogueFile(std::string_view dataFolder, std::string_view fileName);
  // The same file in the data folder of the current skins folder.
  explicit CatalogueFile(std::string_view fileName);

  const std::string& path() const { return path_; }

  int readInt(std::string_view section, const CatalogueInt& key) const;
  // A flag is on when it holds 1.
  bool isOn(std::string_view section, const CatalogueInt& key) const;
  std::string readText(std::string_view section, const CatalogueText& key) const;
  // The lines of a whole section ("key=value" and bare lines), read with the whole-section buffer.
  std::vector<std::string> readSection(std::string_view section) const;
  bool hasEntries(std::string_view section) const;

 private:
  std::string path_;
};

}  // namespace tessera
