#include "drawing_keys/key_changes.h"

#include <algorithm>
#include <map>
#include <regex>

namespace tessera::testing {

namespace {

bool startsWith(std::string_view s, std::string_view prefix) { return s.substr(0, prefix.size()) == prefix; }

// Colour and font presets the test adds to the skin so that preset keys have something to name.
constexpr const char* kVividPreset = "47";

}  // namespace

std::optional<std::string_view> NotDrawnReason(std::string_view key) {
  // The one list of documented keys that no still preview can show.
  static const std::map<std::string_view, std::string_view> kNotDrawn = {
      {"AnimTimerRate", "a timing: frames follow each other while the mouse is over the element"},
      {"LoopBackDelay", "a timing: the pause before the mouse-over loop repeats"},
      {"MouseEnterStartFrame", "plays when the mouse enters; a still preview shows the state's own frame"},
      {"MouseLeaveStopFrame", "plays when the mouse leaves; a still preview shows the state's own frame"},
      {"MouseOverStartFrame", "the mouse-over loop; a still preview shows the state's own frame"},
      {"MouseOverStopFrame", "the mouse-over loop; a still preview shows the state's own frame"},
      {"LoopOnce", "how the mouse-over animation repeats"},
      {"MouseLeaveMode", "how the mouse-over animation ends"},
      {"SkinVersion", "skin information, not drawn"},
      {"TargetSystems", "skin information: which systems load the skin"},
      {"AnimateWindows", "a fade when windows open"},
      {"MinimizeEffect", "how windows go when minimized"},
      {"ButtonFadeTime", "a timing of the title-bar buttons' fade"},
      {"AskBeforeInstall", "a question asked when the skin is applied"},
      {"FocusRect", "the focused button: no preview gives a button the keyboard focus"},
      {"DesktopTextColour", "desktop icon text: the previews draw no desktop icons"},
      {"DesktopTextFont", "desktop icon text: the previews draw no desktop icons"},
      {"WallpaperStyle", "the wallpaper is laid by the wallpaper manager, not by the previews"},
      {"DoubleClickAction", "what a double click on the caption does"},
      {"RightClickAction", "what a right click on the caption does"},
      {"ShiftAction", "what a click with Shift held does"},
      {"CtrlAction", "what a click with Ctrl held does"},
      {"Command", "the command a button runs"},
      {"DllName", "the plug-in of a button's DLL actions"},
      {"LinkedTo", "the button a link action toggles"},
      {"InSound", "a sound on press"},
      {"OutSound", "a sound on release"},
      {"ScriptMouseEnter", "a script run by a DLL action"},
      {"ScriptMouseLeave", "a script run by a DLL action"},
      {"ScriptMousePress", "a script run by a DLL action"},
      {"ScriptMouseRelease", "a script run by a DLL action"},
      {"OverlayFadeInTime", "a timing: still previews show the glow at full strength"},
      {"OverlayTimer", "a timing: still previews show the glow's first frame"},
      {"LeftCoordMaximized", "maximized windows: the previews draw windows that are not maximized"},
      {"TopCoordMaximized", "maximized windows: the previews draw windows that are not maximized"},
      {"Name", "the preset's name in the editor's lists"},
      {"NormalDisabledFrame", "disabled windows: the previews draw enabled ones"},
      {"NonSizableActiveFrame", "fixed-size windows: the previews draw sizable ones"},
      {"NonSizableInactiveFrame", "fixed-size windows: the previews draw sizable ones"},
      {"NonSizableDisabledFrame", "fixed-size windows: the previews draw sizable ones"},
      {"MDIActiveFrame", "MDI child windows: the previews draw top-level ones"},
      {"MDIInactiveFrame", "MDI child windows: the previews draw top-level ones"},
      {"MDIDisabledFrame", "MDI child windows: the previews draw top-level ones"},
      {"ShapeMDIDisabledFrame", "MDI child windows: the previews draw top-level ones"},
  };
  const auto found = kNotDrawn.find(key);
  if (found == kNotDrawn.end()) return std::nullopt;
  return found->second;
}

std::optional<std::string_view> NotDrawnReason(const DocKey& key) {
  // The standard frame buttons' Action is what a click does; a title-bar button's Action also
  // picks its hue on glass frames.
  if (key.scope == KeyScope::FrameButtons && key.name == "Action") return "what a click on an extra frame button does";
  return NotDrawnReason(key.name);
}

std::optional<std::string_view> SectionNotShown(std::string_view section) {
  if (section == "WindowFrame.RestoreButton") return "the previews' windows are not maximized";
  if (section == "WindowFrame.HelpButton") return "the previews' windows have no help button";
  return std::nullopt;
}

std::optional<std::string_view> NotShownByPaintingPage(std::string_view key) {
  if (key == "SmartSmallMargins") return "the painting page draws a section at its picture's size or larger, never smaller";
  return std::nullopt;
}

bool IsSizingKey(const DocKey& key) {
  return key.scope == KeyScope::PictureSections && startsWith(key.chapter, "3.2 ");
}

std::optional<std::string_view> OwnTextNotInLargePreview(std::string_view section) {
  // Panels and panes: the text drawn on them is their items' own.
  static const std::map<std::string_view, std::string_view> kContainers = {
      {"Explorer.CommandBar", "its text is that of its buttons"},
      {"Explorer.NavPane", "its text is that of its items"},
      {"StartMenu.Panel", "its text is that of its panes and items"},
      {"StartMenu.ProgramsPane", "its text is that of its items"},
      {"StartMenu.PlacesPane", "its text is that of its items"},
      {"StartMenu.LogoffPane", "its text is that of the log-off buttons"},
      {"StartMenu.Separator", "a line between items"},
      {"Toolbar.Button", "toolbar buttons show icons"},
      {"Toolbar.DropDownButton", "toolbar buttons show icons"},
      {"TaskDialog.Footer", "its text is that of the expand button"},
  };
  const auto found = kContainers.find(section);
  if (found == kContainers.end()) return std::nullopt;
  return found->second;
}

std::optional<std::string_view> NotShownBySizedElements(std::string_view key) {
  if (key == "GlyphMinWidth" || key == "GlyphMinHeight") {
    return "the large preview and the sample window draw elements larger than the largest value (255)";
  }
  return std::nullopt;
}

int GroupShowingKey(std::string_view key) {
  // Keys of "Personality" that change the look of other elements than the window frame.
  if (key == "MenuShadow" || key == "MenuHighlightRGB") return 10;  // popup menus
  if (key == "ButtonSpacing") return 37;                          // the standard frame buttons
  if (key == "TripleImages") return 35;                           // the title-bar buttons
  return 0;
}

std::string_view FontPresetUser() { return "Button"; }

bool IsTextKey(const DocKey& key) { return key.scope == KeyScope::PictureSections && startsWith(key.chapter, "3.4 "); }

bool IsStateKey(std::string_view key) {
  for (std::string_view word :
       {"Pressed", "MouseOver", "Disabled", "Default", "Activated", "Over", "Group", "Focus", "Inactive", "InActive"}) {
    if (key.find(word) != std::string_view::npos) return true;
  }
  return false;
}

std::vector<Setting> Preconditions(const DocKey& key, const ChangeTools& tools, std::string_view section) {
  const std::string& k = key.name;
  std::vector<Setting> out;
  auto set = [&](std::string section, std::string name, std::string value) {
    out.push_back({std::move(section), std::move(name), std::move(value)});
  };
  if (section == "DWM" || section == "WindowFrame.Activetexture" || section == "Frames.Texture") {
    // A frameless skin, drawn with glass frames and the engine's glass buttons.
    set("Borders", "HorzFrame", "");
    set("Personality", "Top", "");
    set("TitlebarSkin", "ActiveTitle", "");
    set("DWM", "UseDWMFrames", "1");
    set("Frames.Texture", "Image", tools.newPicture(40, 40, false));
    set("Personality", "ButtonCount", "0");
    set("Caption", "ButtonCount", "0");
    for (const char* button : {"WindowFrame.CloseButton", "WindowFrame.MaxButton", "WindowFrame.MinButton"}) {
      set(button, "Image", "");
    }
  }
  // Colour and font presets to name.
  set("Colour" + std::string(kVividPreset), "Colour", "255 0 255");
  set("Font" + std::string(kVividPreset), "FontName", "DejaVu Serif");
  set("Font" + std::string(kVividPreset), "FontHeight", "16");
  set("Font" + std::string(kVividPreset), "FontWeight", "900");
  set("Font" + std::string(kVividPreset), "Italics", "1");

  if (key.scope == KeyScope::Frame) {
    // The no-icon margins apply to windows without their icon.
    if (k.find("NoIcon") != std::string::npos) set("Personality", "ShowCaptionIcon", "0");
    // A right margin moves text set against it.
    if (startsWith(k, "TextRightClip")) set("Personality", "TextAlignment", "2");
    if (startsWith(k, "TextRightShift")) set("Caption", "TextAlignMode", "2");
  }
  if (key.scope == KeyScope::TitleBarButtons && k == "UseTrans") set("", "PerPixel", "0");
  if (key.scope == KeyScope::FrameButtons) {
    // The standard buttons show when the skin has no title-bar buttons of its own.
    set("Personality", "ButtonCount", "0");
    set("Caption", "ButtonCount", "0");
    set("", "Image", tools.strip(16, 14));
    set("", "FrameCount", std::to_string(tools.frameCount));
  }
  if (key.scope == KeyScope::TitleBarButtons) {
    // Visibility6 and up belong to the Personality layout.
    if (startsWith(k, "Visibility") && k.size() > 10 && k[10] >= '6') set("Personality", "ButtonCount", "1");
    // A button's Action picks the close hue or the other buttons' hue on a glass frame.
    if (k == "Action") {
      set("Borders", "HorzFrame", "");
      set("Personality", "Top", "");
      set("TitlebarSkin", "ActiveTitle", "");
      set("DWM", "UseDWMFrames", "1");
      set("Frames.Texture", "Image", tools.newPicture(40, 40, false));
      set("WindowFrame.Activetexture", "CloseButtonHue", "120");
      set("WindowFrame.Activetexture", "ButtonHue", "240");
    }
  }
  if (key.scope == KeyScope::FontPresets) {
    // A push button's text and the caption use the preset.
    const std::string number(section.substr(section.find_first_of("0123456789")));
    set(std::string(FontPresetUser()), "NormalFont", number);
    set("Caption", "TitlebarFontObject", std::to_string(std::atoi(number.c_str()) + 1));
    if (startsWith(k, "Shadow")) set("", "DrawingStyle", "1");
  }
  if (key.scope == KeyScope::Frame && section == "Caption") {
    // Caption/ButtonCount counts when Personality has none; the font keys when no preset is set.
    if (k == "ButtonCount") set("Personality", "ButtonCount", "");
    if (startsWith(k, "Font")) {
      set("Caption", "TitlebarFontObject", "");
      set("Caption", "TitlebarFontObjectInActive", "");
      if (k != "FontName") set("Caption", "FontName", "DejaVu Sans");
    }
  }
  if (key.scope == KeyScope::LayerSections) {
    // A layer of noise over the section; the layer keys are changed in it.
    set("", "NextLayerName", "L");
    set(":L", "Image", tools.strip(tools.frameWidth, tools.frameHeight));
    set(":L", "FrameCount", std::to_string(tools.frameCount));
    set(":L", "PerPixel", "1");
    if (startsWith(k, "Content")) set(":L", "AlignLayerMode", "1");
    if (k == "AlignLayerMode") {
      for (const char* m : {"ContentTop3", "ContentLeft3", "ContentRight3", "ContentBottom3"}) set(":L", m, "1");
      for (const char* m : {"TopHeight", "LeftWidth", "RightWidth", "BottomHeight"}) set("", m, "5");
    }
    return out;
  }
  if (IsSizingKey(key) && k != "SmartSmallMargins") {
    // A small picture painted by its margins, so that elements are larger or smaller than it.
    set("", "Image", tools.strip(13, 13));
    if (k != "SimpleMode") set("", "SimpleMode", "0");
  }
  const bool margins = startsWith(k, "Tile") || k == "SmartSmallMargins";
  if (margins) {
    for (const char* m : {"TopHeight", "LeftWidth", "RightWidth", "BottomHeight"}) {
      set("", m, std::to_string(k == "SmartSmallMargins" ? 250 : 1));
    }
    if (k == "SmartSmallMargins") {
      // A picture larger than the elements, so that they are smaller than it.
      set("", "Image", tools.strip(600, 600));
      set("", "SimpleMode", "0");
    }
  }
  if (k == "EdgesOnly" || k == "Tile" || k == "SimpleMode") {
    set("", "EdgesOnly", "");
    // Edit boxes leave their inside to the program unless "BorderOnly" is 0.
    set("", "BorderOnly", "0");
  }
  if (k == "Tile") set("", "SimpleMode", "0");
  if (k == "Vert" || k == "FrameCount") {
    set("", "FrameCount", "2");
    set("", "Vert", "0");
  }
  if (k == "Bitmap") set("", "Image", "");
  if (k == "Trans" || k == "PreMultipliedAlpha") set("", "PerPixel", k == "Trans" ? "0" : "1");
  if (startsWith(k, "Glyph")) {
    // A small glyph where its place is what changes.
    const bool placing = k == "GlyphHorzAlign" || k == "GlyphVertAlign" || k == "GlyphXShift" || k == "GlyphYShift";
    const std::string glyph = placing ? tools.strip(5, 5) : tools.strip(12, 12);
    set("", k == "GlyphBitmap" ? "GlyphImage" : "GlyphImage", k == "GlyphBitmap" ? "" : glyph);
    if (k == "GlyphXShift") set("", "GlyphHorzAlign", "1");
    if (k == "GlyphYShift") set("", "GlyphVertAlign", "1");
    if (k == "GlyphVert") set("", "FrameCount", "2");
  }
  if (k == "ShadowColour") set("", "TextShadow", "1");
  // Text placed at the far side of its content area moves with that side's inset.
  if (k == "ContentRight") set("", "TextHorzAlignNormal", "3");
  if (k == "ContentLeft") set("", "TextHorzAlignNormal", "1");
  if (k == "ContentBottom") set("", "TextVertAlignNormal", "3");
  if (k == "ChunkGap") set("", "ChunkWidth", "6");
  // The frame buttons are the standard ones when the skin has no title-bar buttons of its own.
  if (k == "ButtonSpacing") {
    set("Personality", "ButtonCount", "0");
    set("Caption", "ButtonCount", "0");
    for (const char* button : {"WindowFrame.CloseButton", "WindowFrame.MaxButton", "WindowFrame.MinButton"}) {
      set(button, "Image", tools.newPicture(5 * 16, 14, false));
      set(button, "FrameCount", "5");
    }
  }
  // Rounded corners belong to frames without shape pictures.
  if (k == "RoundedCorners") {
    set("Borders", "ShapeLeftImage", "");
    set("Borders", "ShapeRightImage", "");
  }
  // Without its icon a window's caption text follows the no-icon margins.
  if (k == "ShowCaptionIcon") {
    set("Personality", "TextShiftNoIcon", "60");
    set("Caption", "TextLeftShiftNoIcon", "60");
  }
  // Six-image strips of animated buttons in the Personality layout: the inactive window takes
  // the second three images only with "TripleImages".
  if (k == "TripleImages") {
    set("Personality", "ButtonCount", "1");
    set("Button0", "FrameCount", "6");
    set("Button0", "AnimTimerRate", "100");
  }
  if (k == "BorderRGB") set("", "Image", "");
  if (k == "MenuHighlightRGB") set("Menu.Item", "Image", "");
  if (k == "BorderOnly") set("", "EdgesOnly", "0");
  return out;
}

std::vector<std::string> OtherValues(const DocKey& key, const std::string& current, const ChangeTools& tools) {
  const std::string& v = key.value;
  std::vector<std::string> values;
  auto add = [&](const std::string& value) {
    if (value != current && std::find(values.begin(), values.end(), value) == values.end()) values.push_back(value);
  };
  static const std::regex range(R"(^(-?\d+)\.\.(-?\d+)$)");
  std::smatch m;
  static const std::regex either(R"(^(-?\d+)(?: or |/)(-?\d+)$)");
  if (v == "face name" || key.name == "FontName") {
    add("DejaVu Serif");
    add("DejaVu Sans Mono");
  } else if (v == "font" && key.name == "FontHeight") {
    add("16");
    add("6");
  } else if (v == "font" && key.name == "FontWeight") {
    add("900");
    add("100");
  } else if (v == "font") {
    add(current == "1" ? "0" : "1");
  } else if (v == "condition number") {
    // 2: only while inactive (the previews' main window is active); 26: only without an icon.
    add("2");
    add("26");
  } else if (v == "frame index") {
    for (const char* frame : {"1", "0", "2"}) add(frame);
  } else if (std::regex_match(v, m, either)) {
    add(m[1]);
    add(m[2]);
  } else if (v == "flag") {
    add(current == "1" ? "0" : "1");
  } else if (v == "path") {
    const bool mask = key.name.find("Mask") != std::string::npos;
    const bool glyph = key.name.rfind("Glyph", 0) == 0;
    add(glyph ? tools.strip(12, 12, mask) : tools.strip(tools.frameWidth, tools.frameHeight, mask));
  } else if (v == "colour preset") {
    add(kVividPreset);
  } else if (v == "font preset") {
    add(kVividPreset);
  } else if (v == "colour") {
    add("255, 0, 255");
    add("0, 255, 0");
  } else if (v == "blend mode") {
    add("26");
    add("17");
  } else if (std::regex_match(v, m, range)) {
    const int low = std::stoi(m[1]);
    const int high = std::stoi(m[2]);
    const int now = current.empty() ? 0 : std::atoi(current.c_str());
    for (int candidate : {std::min(high, now + 7), std::min(high, 12), low, std::max(low, now - 7), now + 1, now + 2,
                          (low + high) / 2, high}) {
      if (candidate >= low && candidate <= high) add(std::to_string(candidate));
    }
  } else if (std::regex_search(v, m, std::regex(R"(^(\d+) [A-Z])"))) {
    // A choice list ("0 Stretch, 1 Tile, 2 Centre"): every other choice.
    static const std::regex choice(R"((\d+) [A-Z])");
    for (auto it = std::sregex_iterator(v.begin(), v.end(), choice); it != std::sregex_iterator(); ++it) add((*it)[1]);
  } else {
    add(std::to_string((current.empty() ? 0 : std::atoi(current.c_str())) + 5));
    add("1");
  }
  return values;
}

}  // namespace tessera::testing
