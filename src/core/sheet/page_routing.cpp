#include "core/sheet/page_routing.h"

#include "core/platform/environment.h"
#include "core/platform/paths.h"
#include "core/platform/profile.h"
#include "core/platform/settings.h"
#include "core/skin/catalogue.h"
#include "core/skin/editor_catalogue.h"

namespace tessera {

namespace {

struct PageName {
  PageKind kind;
  const char* caption;
};

// clang-format off
constexpr PageName kPageNames[] = {
    {PageKind::Image,                "Image"},
    {PageKind::Glyph,                "Glyph"},
    {PageKind::Text,                 "Text"},
    {PageKind::Animation,            "Animation"},
    {PageKind::ExtraSettings,        "Extra settings"},
    {PageKind::Painting,             "Painting"},
    {PageKind::Settings,             "Settings"},
    {PageKind::Help,                 "Help"},
    {PageKind::Position,             "Position"},
    {PageKind::Buttons,              "Buttons"},
    {PageKind::ButtonImage,          "Image"},
    {PageKind::Actions,              "Actions"},
    {PageKind::ButtonPosition,       "Position"},
    {PageKind::Visibility,           "Visibility"},
    {PageKind::MouseoverGlow,        "Mouseover glow"},
    {PageKind::CaptionTextSettings,  "Caption text settings"},
    {PageKind::CaptionClickSettings, "Caption click settings"},
    {PageKind::FrameImages,          "Frame images"},
    {PageKind::ShapeImages,          "Shape images"},
    {PageKind::FrameIndexes,         "Frame indexes"},
    {PageKind::SizingMargins,        "Sizing margins"},
    {PageKind::LeftBorder,           "Left border"},
    {PageKind::RightBorder,          "Right border"},
    {PageKind::BottomBorder,         "Bottom border"},
    {PageKind::TopBorder,            "Top border"},
    {PageKind::Caption,              "Caption"},
    {PageKind::TextSettings,         "Text settings"},
    {PageKind::Import,               "Import"},
};
// clang-format on

const PageName& nameOf(PageKind kind) {
  for (const auto& name : kPageNames)
    if (name.kind == kind) return name;
  return kPageNames[0];
}

// Rules 7 and 8 end with these pages.
void appendCommonTail(const RoutingFacts& f, std::vector<PageKind>& pages) {
  if (f.showImport) pages.push_back(PageKind::Import);
  pages.push_back(PageKind::Help);
}

// Rule 8: the ordinary picture-based section.
void appendPicturePages(const RoutingFacts& f, std::vector<PageKind>& pages) {
  pages.push_back(f.animPage == 1 ? PageKind::Settings : PageKind::Image);
  if (f.basic != 0) {
    if (f.position == 1) pages.push_back(PageKind::Position);
    return;
  }
  if (f.noGlyph == 0) pages.push_back(PageKind::Glyph);
  if (f.noMargins == 0) pages.push_back(PageKind::Painting);
  if (f.isTopLevel && f.noText == 0) pages.push_back(PageKind::Text);
  // "Content" = 1 would add a "Content settings" page whose boxes and buttons do nothing; the
  // content margins are edited on the "Text" page, so the page is left out.
  if (f.experienced && f.noAnimation == 0) pages.push_back(PageKind::Animation);
  if (f.position == 1) pages.push_back(PageKind::Position);
  if (f.extrasListed || f.layerSection) pages.push_back(PageKind::ExtraSettings);
}

}  // namespace

const char* PageCaption(PageKind kind) { return nameOf(kind).caption; }

RoutingFacts ReadRoutingFacts(std::string_view section, std::string_view topLevelSection) {
  return ReadRoutingFacts(DataFolder(), section, topLevelSection);
}

RoutingFacts ReadRoutingFacts(std::string_view dataFolder, std::string_view section,
                              std::string_view topLevelSection) {
  namespace keys = subsection_keys;
  profile::ReadBatch batch;
  const CatalogueFile catalogue(dataFolder, catalogue_files::kSubsections);
  RoutingFacts f;
  f.justExtras = catalogue.readInt(section, keys::JustExtras);
  f.captionMode = catalogue.readInt(section, keys::CaptionMode);
  f.frameMode = catalogue.readInt(section, keys::FrameMode);
  f.buttonMode = catalogue.readInt(section, keys::ButtonMode);
  f.shellUI = catalogue.readInt(section, keys::ShellUI);
  f.basic = catalogue.readInt(section, keys::Basic);
  f.noGlyph = catalogue.readInt(section, keys::NoGlyph);
  f.noMargins = catalogue.readInt(section, keys::NoMargins);
  f.noText = catalogue.readInt(section, keys::NoText);
  f.position = catalogue.readInt(section, keys::Position);
  f.noAnimation = catalogue.readInt(section, keys::NoAnimation);
  f.animPage = catalogue.readInt(section, keys::AnimPage);
  f.extrasListed = CatalogueFile(dataFolder, catalogue_files::kExtras).hasEntries(section);
  f.layerSection = IsLayerSection(section);
  f.isTopLevel = paths::equalsIgnoreCase(section, topLevelSection);
  f.experienced = ReadSettingInt(settings::UIMode) == 1;
  f.showImport = ReadSettingInt(settings::ShowImport) == 1;
  return f;
}

std::vector<PageKind> RoutePages(const RoutingFacts& f) {
  using K = PageKind;
  const bool extrasPresent = f.extrasListed || f.layerSection;
  std::vector<PageKind> pages;
  if (f.justExtras == 1) return {K::ExtraSettings};
  if (f.captionMode == 2) {
    pages = {K::Caption, K::TextSettings};
    if (f.extrasListed) pages.push_back(K::ExtraSettings);
    return pages;
  }
  if (f.frameMode == 2) {
    pages = {K::LeftBorder, K::RightBorder, K::BottomBorder, K::TopBorder};
    if (extrasPresent) pages.push_back(K::ExtraSettings);
    return pages;
  }
  if (f.frameMode == 1) {
    pages = {K::FrameImages, K::ShapeImages, K::SizingMargins};
    if (f.basic == 0) pages.push_back(K::FrameIndexes);
    if (extrasPresent) pages.push_back(K::ExtraSettings);
    return pages;
  }
  if (f.captionMode == 1) {
    pages = {K::CaptionTextSettings, K::CaptionClickSettings};
    if (extrasPresent) pages.push_back(K::ExtraSettings);
    return pages;
  }
  if (f.buttonMode == 1) return {K::Buttons, K::ButtonImage, K::Actions, K::ButtonPosition, K::Visibility, K::MouseoverGlow};
  if (f.shellUI == 1) {
    pages = {K::Settings};
  } else {
    appendPicturePages(f, pages);
  }
  appendCommonTail(f, pages);
  return pages;
}

}  // namespace tessera
