// Picture slots: every key that names a picture, resolved as the engine resolves it (relative to
// the skins folder, letter case ignored), its format, whether it decodes, how it divides into its
// frames, and whether its sizing margins fit a frame.
#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

#include "core/platform/files.h"
#include "core/platform/paths.h"
#include "core/platform/profile.h"
#include "core/skin/catalogue.h"
#include "core/skin/check/check_context.h"
#include "core/skin/skin_path_safety.h"

namespace tessera::check {

namespace {

enum class Formats { Picture, PictureOrZor, ZorOnly, Wallpaper };

// How a slot's picture is cut into frames.
enum class Frames { None, Section, Glyph, TopBorder, SideBorder, HorzFrame, VertFrame, Shape, Button, Overlay };

struct Slot {
  const char* key;
  Formats formats;
  Frames frames;
};

// Keys every picture section may hold.
constexpr Slot kSectionSlots[] = {
    {"Image", Formats::PictureOrZor, Frames::Section},      {"Bitmap", Formats::PictureOrZor, Frames::Section},
    {"ImageMask", Formats::Picture, Frames::None},          {"BitmapMask", Formats::Picture, Frames::None},
    {"GlyphImage", Formats::Picture, Frames::Glyph},        {"GlyphBitmap", Formats::Picture, Frames::Glyph},
    {"GlyphImageMask", Formats::Picture, Frames::None},     {"GlyphBitmapMask", Formats::Picture, Frames::None},
};
constexpr Slot kButtonSlots[] = {
    {"ButtonImage", Formats::Picture, Frames::Button},  {"ButtonImageMask", Formats::Picture, Frames::None},
    {"OverlayImage", Formats::Picture, Frames::Overlay}, {"OverlayImageMask", Formats::Picture, Frames::None},
};
constexpr Slot kPersonalitySlots[] = {
    {"Top", Formats::Picture, Frames::TopBorder},     {"Bottom", Formats::Picture, Frames::TopBorder},
    {"Left", Formats::Picture, Frames::SideBorder},   {"Right", Formats::Picture, Frames::SideBorder},
    {"TopMask", Formats::Picture, Frames::None},      {"BottomMask", Formats::Picture, Frames::None},
    {"LeftMask", Formats::Picture, Frames::None},     {"RightMask", Formats::Picture, Frames::None},
    {"MenuBar", Formats::Picture, Frames::None},      {"MenuBarMask", Formats::Picture, Frames::None},
    {"CheckBox", Formats::Picture, Frames::None},     {"CheckBoxMask", Formats::Picture, Frames::None},
    {"RadioButton", Formats::Picture, Frames::None},  {"RadioButtonMask", Formats::Picture, Frames::None},
    {"MenuBorders", Formats::Picture, Frames::None},  {"MenuBordersMask", Formats::Picture, Frames::None},
    {"MDIBmp", Formats::Picture, Frames::None},       {"MDIBmpMask", Formats::Picture, Frames::None},
    {"DialogBmp", Formats::Picture, Frames::None},    {"DialogBmpMask", Formats::Picture, Frames::None},
    {"Border", Formats::Picture, Frames::None},       {"BorderMask", Formats::Picture, Frames::None},
    {"Wallpaper", Formats::Wallpaper, Frames::None},
};
constexpr Slot kBordersSlots[] = {
    {"HorzFrame", Formats::Picture, Frames::HorzFrame},   {"VertFrame", Formats::Picture, Frames::VertFrame},
    {"HorzFrameMask", Formats::Picture, Frames::None},    {"VertFrameMask", Formats::Picture, Frames::None},
    {"ShapeLeftImage", Formats::Picture, Frames::Shape},  {"ShapeRightImage", Formats::Picture, Frames::Shape},
};
constexpr Slot kTitlebarSkinSlots[] = {{"ActiveTitle", Formats::Picture, Frames::None}};
constexpr Slot kAnimationSlots[] = {
    {"Copy", Formats::ZorOnly, Frames::None},       {"MoveFiles", Formats::ZorOnly, Frames::None},
    {"EmptyBin", Formats::ZorOnly, Frames::None},   {"DeleteFinal", Formats::ZorOnly, Frames::None},
    {"ChangeAttributes", Formats::ZorOnly, Frames::None}, {"IEDownload", Formats::ZorOnly, Frames::None},
    {"SearchFiles", Formats::ZorOnly, Frames::None},
};

bool isNumbered(std::string_view section, std::string_view prefix) {
  if (section.size() <= prefix.size() || !paths::equalsIgnoreCase(section.substr(0, prefix.size()), prefix)) return false;
  return std::all_of(section.begin() + static_cast<std::ptrdiff_t>(prefix.size()), section.end(),
                     [](char c) { return c >= '0' && c <= '9'; });
}

// The section a layer belongs to: the text before the first ':'.
std::string topLevelOf(std::string_view section) { return std::string(section.substr(0, section.find(':'))); }

bool allowed(Formats formats, const std::string& format) {
  switch (formats) {
    case Formats::Picture: return format == "tga" || format == "bmp";
    case Formats::PictureOrZor: return format == "tga" || format == "bmp" || format == "zor";
    case Formats::ZorOnly: return format == "zor";
    case Formats::Wallpaper: return format == "jpeg" || format == "bmp";
  }
  return false;
}

const char* allowedText(Formats formats) {
  switch (formats) {
    case Formats::Picture: return "TGA and BMP";
    case Formats::PictureOrZor: return "TGA, BMP and ZOR";
    case Formats::ZorOnly: return "ZOR";
    case Formats::Wallpaper: return "JPG and BMP";
  }
  return "";
}

std::string upperFormat(const std::string& format) {
  if (format.empty()) return "unknown";
  return paths::upper(format == "jpeg" ? "jpg" : format);
}

class SlotChecker {
 public:
  SlotChecker(CheckContext& context, const SkinFile& file) : context_(context), file_(file) {}

  void section(const std::string& section) {
    const std::string top = topLevelOf(section);
    const bool animation =
        context_.catalogue().readInt(top, subsection_keys::AnimPage) == 1 && !paths::equalsIgnoreCase(top, "Wallpapers");
    for (const Slot& slot : kSectionSlots) {
      Slot s = slot;
      if (animation && s.formats == Formats::PictureOrZor) s.formats = Formats::ZorOnly;
      check(section, s);
    }
    if (isNumbered(section, "Button")) {
      for (const Slot& slot : kButtonSlots) check(section, slot);
    } else if (paths::equalsIgnoreCase(section, "Personality")) {
      for (const Slot& slot : kPersonalitySlots) check(section, slot);
    } else if (paths::equalsIgnoreCase(section, "Borders")) {
      for (const Slot& slot : kBordersSlots) check(section, slot);
    } else if (paths::equalsIgnoreCase(section, "TitlebarSkin")) {
      for (const Slot& slot : kTitlebarSkinSlots) check(section, slot);
    } else if (paths::equalsIgnoreCase(section, "Animations.Avis")) {
      for (const Slot& slot : kAnimationSlots) check(section, slot);
    }
    checkMargins(section);
  }

 private:
  void add(CheckLevel level, const std::string& section, const char* key, std::string message) {
    context_.add(level, file_.relative, section, key, std::move(message));
  }

  std::optional<std::string> value(const std::string& section, const char* key) const {
    auto v = profile::FindValue(section, key, file_.path);
    if (!v || v->empty()) return std::nullopt;
    return v;
  }

  int intKey(const std::string& section, const char* key, int fallback) const {
    const auto v = ReadIntValue(section, key, file_.path);
    if (!v || !v->number) return fallback;
    return static_cast<int>(std::clamp<long long>(v->value, -1000000, 1000000));
  }

  bool flag(const std::string& section, const char* key, bool fallback) const {
    const auto v = ReadIntValue(section, key, file_.path);
    return v ? v->number && v->value == 1 : fallback;
  }

  struct Layout {
    int count = 0;
    bool vertical = false;
  };

  Layout layoutOf(const std::string& section, Frames frames) const {
    const std::string top = topLevelOf(section);
    const SectionCatalogue& catalogue = context_.catalogue();
    switch (frames) {
      case Frames::Section:
      case Frames::Glyph:
        return {intKey(section, "FrameCount", catalogue.imageCount(top)), flag(section, "Vert", catalogue.framesVertical(top))};
      case Frames::HorzFrame: return {intKey(section, "FrameCount", 2), true};
      case Frames::VertFrame: return {intKey(section, "FrameCount", 2), false};
      case Frames::Shape: return {intKey(section, "ShapeFrameCount", 2), false};
      case Frames::Button: {
        const bool triple = profile::GetInt("Personality", "TripleImages", 0, mainFileOf()) == 1;
        return {intKey(section, "FrameCount", triple ? 6 : 3), false};
      }
      case Frames::Overlay: return {intKey(section, "OverlayFrameCount", 1), false};
      default: break;  // borders: borderLayout; Frames::None: no frames
    }
    return {0, false};
  }

  // Button sections live in the main file, which is the file being checked.
  const std::string& mainFileOf() const { return file_.path; }

  Layout borderLayout(const std::string& section, const char* key, Frames frames) const {
    const std::string frameKey = std::string(key) + "Frame";
    const int fallback = context_.catalogue().imageCount("Personality");
    return {intKey(section, frameKey.c_str(), fallback > 1 ? fallback : 2), frames == Frames::TopBorder};
  }

  void check(const std::string& section, const Slot& slot) {
    const auto v = value(section, slot.key);
    if (!v) return;
    if (!IsSafeRelativePath(*v)) {
      add(CheckLevel::Error, section, slot.key, "\"" + *v + "\" leads outside the skins folder");
      return;
    }
    const std::string path = context_.resolveValue(*v);
    const PictureFacts& facts = context_.picture(path);
    if (!facts.exists) {
      add(CheckLevel::Error, section, slot.key, "the picture \"" + *v + "\" does not exist");
      return;
    }
    if (!facts.readable) {
      add(CheckLevel::Error, section, slot.key,
          "the picture \"" + *v + "\" cannot be read: it is damaged or not a picture");
      return;
    }
    if (!allowed(slot.formats, facts.format)) {
      add(CheckLevel::Error, section, slot.key,
          "\"" + *v + "\" is a " + upperFormat(facts.format) + " picture; the engine reads only " +
              allowedText(slot.formats) + " here");
      return;
    }
    if (facts.format == "zor" || slot.frames == Frames::None) return;
    Layout layout = (slot.frames == Frames::TopBorder || slot.frames == Frames::SideBorder)
                        ? borderLayout(section, slot.key, slot.frames)
                        : layoutOf(section, slot.frames);
    checkFrames(section, slot.key, *v, facts, layout);
  }

  void checkFrames(const std::string& section, const char* key, const std::string& value, const PictureFacts& facts,
                   const Layout& layout) {
    if (layout.count < 1) return;  // a count below 1 is reported with the value ranges
    const int length = layout.vertical ? facts.height : facts.width;
    const char* across = layout.vertical ? "high" : "wide";
    const std::string size = std::to_string(length) + " pixels " + across;
    const std::string frames = std::to_string(layout.count) + (layout.count == 1 ? " frame" : " frames");
    if (length < layout.count) {
      add(CheckLevel::Error, section, key, "\"" + value + "\" is " + size + ", too small for " + frames);
    } else if (length % layout.count != 0) {
      add(CheckLevel::Warning, section, key,
          "\"" + value + "\" is " + size + ", which does not divide into " + frames + (layout.vertical ? " stacked" : " side by side"));
    }
  }

  // The sizing margins of a picture section against the size of one frame of its picture.
  void checkMargins(const std::string& section) {
    auto image = value(section, "Image");
    if (!image) image = value(section, "Bitmap");
    if (!image || !IsSafeRelativePath(*image)) return;
    if (intKey(section, "SimpleMode", 0) != 0) return;
    const PictureFacts& facts = context_.picture(context_.resolveValue(*image));
    if (!facts.readable) return;
    int frameWidth = facts.width, frameHeight = facts.height;
    if (facts.format != "zor") {
      const Layout layout = layoutOf(section, Frames::Section);
      if (layout.count < 1) return;
      (layout.vertical ? frameHeight : frameWidth) /= layout.count;
    }
    const int top = intKey(section, "TopHeight", 0), bottom = intKey(section, "BottomHeight", 0);
    const int left = intKey(section, "LeftWidth", 0), right = intKey(section, "RightWidth", 0);
    if (top >= 0 && bottom >= 0 && top + bottom > frameHeight) {
      add(CheckLevel::Warning, section, "TopHeight",
          "the top and bottom sizing margins (" + std::to_string(top) + " + " + std::to_string(bottom) +
              ") are larger than the frame's height of " + std::to_string(frameHeight) + " pixels");
    }
    if (left >= 0 && right >= 0 && left + right > frameWidth) {
      add(CheckLevel::Warning, section, "LeftWidth",
          "the left and right sizing margins (" + std::to_string(left) + " + " + std::to_string(right) +
              ") are larger than the frame's width of " + std::to_string(frameWidth) + " pixels");
    }
  }

  CheckContext& context_;
  const SkinFile& file_;
};

}  // namespace

void CheckPictureSlots(CheckContext& context, const SkinFile& file) {
  SlotChecker checker(context, file);
  for (const std::string& section : UniqueSectionNames(file.path)) checker.section(section);
}

}  // namespace tessera::check
