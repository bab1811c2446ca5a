#include "core/skin/check/value_ranges.h"

#include <algorithm>

#include "core/platform/paths.h"

namespace tessera::check {

namespace {

using K = SectionKind;

// The ranges docs/skin-format.md gives; the numbers in the comments are its section numbers.
// clang-format off
constexpr ValueRange kRanges[] = {
    // Picture sections (3.1 to 3.6).
    {K::Any, "", "FrameCount", 1, 255},
    {K::Any, "", "SimpleMode", 0, 3},
    {K::Any, "", "TopHeight", 0, 1000}, {K::Any, "", "BottomHeight", 0, 1000},
    {K::Any, "", "LeftWidth", 0, 1000}, {K::Any, "", "RightWidth", 0, 1000},
    {K::Any, "", "Tile", 0, 4},
    {K::Any, "", "GlyphTransMode", 0, 3},
    {K::Any, "", "GlyphHorzAlign", 0, 4}, {K::Any, "", "GlyphVertAlign", 0, 4},
    {K::Any, "", "GlyphXShift", 0, 255}, {K::Any, "", "GlyphYShift", 0, 255},
    {K::Any, "", "GlyphMinWidth", 0, 255}, {K::Any, "", "GlyphMinHeight", 0, 255},
    {K::Any, "", "ContentTop", -100, 1000}, {K::Any, "", "ContentBottom", -100, 1000},
    {K::Any, "", "ContentLeft", -100, 1000}, {K::Any, "", "ContentRight", -100, 1000},
    {K::Any, "", "TextHorzAlignNormal", 0, 3}, {K::Any, "", "TextVertAlignNormal", 0, 3},
    {K::Any, "", "TextHorzAlignPressed", 0, 3}, {K::Any, "", "TextVertAlignPressed", 0, 3},
    {K::Any, "", "TextHorzAlignMouseOver", 0, 3}, {K::Any, "", "TextVertAlignMouseOver", 0, 3},
    {K::Any, "", "TextHorzAlignDisabled", 0, 3}, {K::Any, "", "TextVertAlignDisabled", 0, 3},
    {K::Any, "", "TextHorzAlignDefault", 0, 3}, {K::Any, "", "TextVertAlignDefault", 0, 3},
    {K::Any, "", "TextHorzAlignActivated", 0, 3}, {K::Any, "", "TextVertAlignActivated", 0, 3},
    {K::Any, "", "TextHorzAlignActivatedAndHighlighted", 0, 3},
    {K::Any, "", "TextVertAlignActivatedAndHighlighted", 0, 3},
    {K::Any, "", "AnimTimerRate", 0, 2000},
    {K::Any, "", "LoopBackDelay", -2000, 2000},
    {K::Any, "", "MouseEnterStartFrame", 0, 255}, {K::Any, "", "MouseLeaveStopFrame", 0, 255},
    {K::Any, "", "MouseOverStartFrame", 0, 255}, {K::Any, "", "MouseOverStopFrame", 0, 255},
    // Colours of shell sections (3.5) and captions (4.1).
    {K::Any, "", "BackColourR", 0, 255}, {K::Any, "", "BackColourG", 0, 255}, {K::Any, "", "BackColourB", 0, 255},
    {K::Any, "", "BackColourR2", 0, 255}, {K::Any, "", "BackColourG2", 0, 255}, {K::Any, "", "BackColourB2", 0, 255},
    {K::Any, "", "BorderColourR", 0, 255}, {K::Any, "", "BorderColourG", 0, 255}, {K::Any, "", "BorderColourB", 0, 255},
    {K::Any, "", "BodyColourR", 0, 255}, {K::Any, "", "BodyColourG", 0, 255}, {K::Any, "", "BodyColourB", 0, 255},
    {K::Any, "", "BodyMouseOverColourR", 0, 255}, {K::Any, "", "BodyMouseOverColourG", 0, 255},
    {K::Any, "", "BodyMouseOverColourB", 0, 255},
    {K::Any, "", "TitleColourR", 0, 255}, {K::Any, "", "TitleColourG", 0, 255}, {K::Any, "", "TitleColourB", 0, 255},
    {K::Any, "", "TextColourR", 0, 255}, {K::Any, "", "TextColourG", 0, 255}, {K::Any, "", "TextColourB", 0, 255},
    {K::Any, "", "MouseOverColourR", 0, 255}, {K::Any, "", "MouseOverColourG", 0, 255},
    {K::Any, "", "MouseOverColourB", 0, 255},
    // Layers (3.7).
    {K::Layer, "", "ContentTop3", -100, 1000}, {K::Layer, "", "ContentLeft3", -100, 1000},
    {K::Layer, "", "ContentRight3", -100, 1000}, {K::Layer, "", "ContentBottom3", -100, 1000},
    {K::Layer, "", "AlignLayerMode", 0, 2}, {K::Layer, "", "LayerBlendOrder", 0, 2},
    // Basic frame (4.1).
    {K::Named, "Personality", "TopFrame", 1, 255}, {K::Named, "Personality", "LeftFrame", 1, 255},
    {K::Named, "Personality", "RightFrame", 1, 255}, {K::Named, "Personality", "BottomFrame", 1, 255},
    {K::Named, "Personality", "TopTopHeight", 0, 1000}, {K::Named, "Personality", "TopBotHeight", 0, 1000},
    {K::Named, "Personality", "BottomTopHeight", 0, 1000}, {K::Named, "Personality", "BottomBotHeight", 0, 1000},
    {K::Named, "Personality", "LeftTopHeight", 0, 1000}, {K::Named, "Personality", "LeftBotHeight", 0, 1000},
    {K::Named, "Personality", "RightTopHeight", 0, 1000}, {K::Named, "Personality", "RightBotHeight", 0, 1000},
    {K::Named, "Personality", "TextAlignment", 0, 2},
    {K::Named, "Personality", "ActiveTextR", 0, 255}, {K::Named, "Personality", "ActiveTextG", 0, 255},
    {K::Named, "Personality", "ActiveTextB", 0, 255}, {K::Named, "Personality", "InactiveTextR", 0, 255},
    {K::Named, "Personality", "InactiveTextG", 0, 255}, {K::Named, "Personality", "InactiveTextB", 0, 255},
    {K::Named, "Text", "Use3DText", 0, 2},
    {K::Named, "Text", "ShadowTextR", 0, 255}, {K::Named, "Text", "ShadowTextG", 0, 255},
    {K::Named, "Text", "ShadowTextB", 0, 255},
    {K::Named, "Fonts", "FontWeight", 100, 900},
    // Advanced frame (4.2).
    {K::Named, "Borders", "ShapeFrameCount", 1, 255},
    {K::Named, "Borders", "TopTopHeight", 0, 1000}, {K::Named, "Borders", "TopBotHeight", 0, 1000},
    {K::Named, "Borders", "BottomTopHeight", 0, 1000}, {K::Named, "Borders", "BottomBotHeight", 0, 1000},
    {K::Named, "Borders", "LeftTopHeight", 0, 1000}, {K::Named, "Borders", "LeftBotHeight", 0, 1000},
    {K::Named, "Borders", "RightTopHeight", 0, 1000}, {K::Named, "Borders", "RightBotHeight", 0, 1000},
    {K::Named, "Caption", "TextAlignMode", 0, 2},
    {K::Named, "Caption", "TextLeftShift", -1000, 1000}, {K::Named, "Caption", "TextRightShift", -1000, 1000},
    {K::Named, "Caption", "TextTopShift", -1000, 1000},
    {K::Named, "Caption", "TextLeftShiftNoIcon", -1000, 1000},
    {K::Named, "Caption", "TextRightShiftNoIcon", -1000, 1000},
    {K::Named, "Caption", "DoubleClickAction", 0, 7}, {K::Named, "Caption", "RightClickAction", 0, 7},
    {K::Named, "Caption", "FontWeight", 100, 900},
    // Glass frames (4.3) and standard frame buttons (4.4).
    {K::Named, "DWM", "ShineAlpha", 0, 255}, {K::Named, "DWM", "BorderAlpha", 0, 255},
    {K::Named, "DWM", "ButtonAlpha", 0, 255},
    {K::Named, "WindowFrame.Activetexture", "ButtonHue", -1, 360},
    {K::Named, "WindowFrame.Activetexture", "CloseButtonHue", -1, 360},
    {K::Prefix, "WindowFrame.", "Align", 0, 1},
    {K::Prefix, "WindowFrame.", "LeftCoord", -40, 500}, {K::Prefix, "WindowFrame.", "TopCoord", -40, 500},
    {K::Prefix, "WindowFrame.", "LeftCoordMaximized", -40, 500},
    {K::Prefix, "WindowFrame.", "TopCoordMaximized", -40, 500},
    {K::Prefix, "WindowFrame.Button", "Action", 0, 3},
    // Title-bar buttons (5).
    {K::Numbered, "Button", "Align", 0, 9},
    {K::Numbered, "Button", "OverlayFrameCount", 1, 255},
    {K::Numbered, "Button", "OverlayFadeInTime", 0, 2000},
    {K::Numbered, "Button", "OverlayTimer", 0, 2000},
    // Fonts (10).
    {K::Numbered, "Font", "FontWeight", 100, 900}, {K::Numbered, "SystemFont", "FontWeight", 100, 900},
    {K::Numbered, "Font", "DrawingStyle", 0, 4}, {K::Numbered, "SystemFont", "DrawingStyle", 0, 4},
    {K::Numbered, "Font", "ShadowR", 0, 255}, {K::Numbered, "Font", "ShadowG", 0, 255},
    {K::Numbered, "Font", "ShadowB", 0, 255},
    {K::Numbered, "Font", "FontAngle", 0, 900, 900}, {K::Numbered, "SystemFont", "FontAngle", 0, 900, 900},
    {K::Numbered, "Colour", "R", 0, 255}, {K::Numbered, "Colour", "G", 0, 255}, {K::Numbered, "Colour", "B", 0, 255},
    // Extra settings (16).
    {K::Named, "TitlebarSkin", "SkinVersion", 1, 255}, {K::Named, "TitlebarSkin", "TargetSystems", 0, 2},
    {K::Named, "Personality", "RoundedCorners", 0, 30}, {K::Named, "Personality", "MinimizeEffect", 0, 2},
    {K::Named, "Personality", "ButtonSpacing", 0, 50}, {K::Named, "Personality", "ButtonFadeTime", 0, 2000},
    {K::Named, "Personality", "WallpaperStyle", 0, 2},
    {K::Named, "Tab.Item", "TabOverlap", 0, 20}, {K::Named, "Tab.Item", "SelectedTabRaise", 0, 10},
    {K::Named, "Menu.Item", "ItemHeight", 0, 60},
    {K::Named, "Taskbar.Button", "ButtonWidth", 0, 400},
    {K::Named, "Scrollbar.VertThumb", "MinThumbSize", 4, 100},
    {K::Named, "Scrollbar.HorzThumb", "MinThumbSize", 4, 100},
    {K::Named, "Progress.Bar", "ChunkWidth", 0, 50}, {K::Named, "Progress.Bar", "ChunkGap", 0, 20},
    {K::Named, "ListView.Item", "SelectionAlpha", 0, 255}, {K::Named, "TreeView.Item", "SelectionAlpha", 0, 255},
    {K::Named, "Explorer.Backgrounds.ActiveBackground", "BackgroundMode", 0, 2},
    {K::Named, "Explorer.Backgrounds.InactiveBackground", "BackgroundMode", 0, 2},
};
// clang-format on

bool startsWith(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && paths::equalsIgnoreCase(text.substr(0, prefix.size()), prefix);
}

}  // namespace

std::span<const ValueRange> ValueRanges() { return kRanges; }

bool SectionMatches(const ValueRange& range, std::string_view section) {
  switch (range.kind) {
    case K::Any: return true;
    case K::Named: return paths::equalsIgnoreCase(section, range.name);
    case K::Prefix: return startsWith(section, range.name);
    case K::Layer: return section.find(':') != std::string_view::npos;
    case K::Numbered: {
      const std::string_view prefix(range.name);
      if (section.size() <= prefix.size() || !startsWith(section, prefix)) return false;
      return std::all_of(section.begin() + static_cast<std::ptrdiff_t>(prefix.size()), section.end(),
                         [](char c) { return c >= '0' && c <= '9'; });
    }
  }
  return false;
}

}  // namespace tessera::check
