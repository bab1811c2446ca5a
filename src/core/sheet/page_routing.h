#pragma once
// Which pages the property sheet of a section gets, and in which order. The kind of a section is
// told by its catalogue keys in subsections.ini; two settings add pages for experienced users.
#include <string>
#include <string_view>
#include <vector>

namespace tessera {

// One kind per page of the sheet.
enum class PageKind {
  Image,
  Glyph,
  Text,
  Animation,
  ExtraSettings,
  Painting,
  Settings,
  Help,
  Position,
  Buttons,
  ButtonImage,
  Actions,
  ButtonPosition,
  Visibility,
  MouseoverGlow,
  CaptionTextSettings,
  CaptionClickSettings,
  FrameImages,
  ShapeImages,
  FrameIndexes,
  SizingMargins,
  LeftBorder,
  RightBorder,
  BottomBorder,
  TopBorder,
  Caption,
  TextSettings,
  Import,
};

// The tab text of a page ("Image", "Extra settings", ...).
const char* PageCaption(PageKind kind);

// Everything the routing depends on, read once per sheet.
struct RoutingFacts {
  // Catalogue keys of the current section.
  int justExtras = 0;
  int captionMode = 0;
  int frameMode = 0;
  int buttonMode = 0;
  int shellUI = 0;
  int basic = 0;
  int noGlyph = 0;
  int noMargins = 0;
  int noText = 0;
  int position = 0;
  int noAnimation = 1;
  int animPage = 0;
  // extras.ini has a non-empty section for the current section.
  bool extrasListed = false;
  // The current section is a layer section (a colon after its first character).
  bool layerSection = false;
  // The current section is the catalogue entry selected in the editor (not one of its layers).
  bool isTopLevel = true;
  // Settings "UIMode" and "ShowImport".
  bool experienced = false;
  bool showImport = false;
};

// Reads the facts of `section` from the catalogue of the current data folder and the settings.
RoutingFacts ReadRoutingFacts(std::string_view section, std::string_view topLevelSection);
// The same with the catalogue of a given data folder.
RoutingFacts ReadRoutingFacts(std::string_view dataFolder, std::string_view section,
                              std::string_view topLevelSection);

// The pages, in sheet order.
std::vector<PageKind> RoutePages(const RoutingFacts& facts);

}  // namespace tessera
