#pragma once
// Which pages the property sheet of a section gets, and in which order. The kind of a section is
// told by its catalogue keys in subsections.ini; two settings add pages for experienced users.
#include <string>
#include <string_view>
#include <vector>

namespace tessera {

// One kind per page class of the sheet.
enum class PageKind {
  Image,                 // CMyPropertyPage1
  Glyph,                 // CMyPropertyPage2
  Text,                  // CMyPropertyPage3
  Animation,             // CMyPropertyPage4
  ExtraSettings,         // CMyPropertyPage5
  Painting,              // CMyPropertyPage6
  Settings,              // CMyPropertyPage8
  Help,                  // CMyPropertyPage9
  Position,              // CMyPropertyPage12
  ContentSettings,       // CMyPropertyPage22
  Buttons,               // CMyPropertyPage32
  ButtonImage,           // CMyPropertyPage42
  Actions,               // CMyPropertyPage52
  ButtonPosition,        // CMyPropertyPage61
  Visibility,            // CMyPropertyPage71
  MouseoverGlow,         // CMyPropertyPage81
  CaptionTextSettings,   // CMyPropertyPage13
  CaptionClickSettings,  // CMyPropertyPage23
  FrameImages,           // CMyPropertyPage33
  ShapeImages,           // CMyPropertyPage43
  FrameIndexes,          // CMyPropertyPage53
  SizingMargins,         // CMyPropertyPage62
  LeftBorder,            // CMyPropertyPage72
  RightBorder,           // CMyPropertyPage82
  BottomBorder,          // CMyPropertyPage92
  TopBorder,             // CMyPropertyPage14
  Caption,               // CMyPropertyPage24
  TextSettings,          // CMyPropertyPage34
  Import,                // CMyPropertyPage44
};

// The tab text of a page ("Image", "Extra settings", ...).
const char* PageCaption(PageKind kind);
// The page class that edits it ("CMyPropertyPage1", ...).
const char* PageClassName(PageKind kind);

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
  int content = 0;
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
