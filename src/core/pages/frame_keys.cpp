#include "core/pages/frame_keys.h"

#include <algorithm>
#include <optional>
#include <string>

#include "core/skin/section_store.h"
#include "core/skin/skin_session.h"

namespace tessera {

namespace {
const std::string& mainFile() { return Session().mainFile; }
}  // namespace

const std::array<FrameIndexRow, 3> kFrameIndexRows{{
    {"Sizable windows :",
     {"NormalActiveFrame", "NormalInactiveFrame", "NormalDisabledFrame"},
     {"ShapeNormalActiveFrame", "ShapeNormalInactiveFrame", "ShapeNormalDisabledFrame"}},
    {"Non sizable windows :",
     {"NonSizableActiveFrame", "NonSizableInactiveFrame", "NonSizableDisabledFrame"},
     {"ShapeNonSizableActiveFrame", "ShapeNonSizableInactiveFrame", "ShapeNonSizableDisabledFrame"}},
    {"MDI child windows :",
     {"MDIActiveFrame", "MDIInactiveFrame", "MDIDisabledFrame"},
     {"ShapeMDIActiveFrame", "ShapeMDIInactiveFrame", "ShapeMDIDisabledFrame"}},
}};

const std::array<BorderMarginRow, 4> kBorderMarginRows{{
    {"Stretch left border middle area", "LeftMiddleStretch", "Left border top margin :", "LeftTopHeight",
     "Left border bottom margin :", "LeftBotHeight"},
    {"Stretch right border middle area", "RightMiddleStretch", "Right border top margin :", "RightTopHeight",
     "Right border bottom margin :", "RightBotHeight"},
    {"Stretch top border middle area", "TopMiddleStretch", "Top border left margin :", "TopTopHeight",
     "Top border right margin :", "TopBotHeight"},
    {"Stretch bottom border middle area", "BottomMiddleStretch", "Bottom border left margin :", "BottomTopHeight",
     "Bottom border right margin :", "BottomBotHeight"},
}};

int ReadFrameImageCount(std::string_view section, const char* key) {
  const int count = static_cast<int>(ReadSkinInt(section, key, kDefaultFrameImageCount, mainFile()));
  return std::clamp(count, 1, kMaxFrameImageCount);
}

void WriteFrameImageCount(std::string_view section, const char* key, int count) {
  WriteSkinString(section, key, std::to_string(std::clamp(count, 1, kMaxFrameImageCount)), mainFile());
}

int DefaultFrameIndex(bool shape, FrameState state) {
  return state == FrameState::Inactive && !shape ? 1 : 0;
}

int ReadFrameIndex(const char* key, int def) {
  return static_cast<int>(ReadSkinInt(kBordersSection, key, def, mainFile()));
}

void WriteFrameIndex(const char* key, int index) {
  WriteSkinString(kBordersSection, key, std::to_string(index), mainFile());
}

bool ReadMiddleStretch(const char* key) { return ReadSkinInt(kBordersSection, key, 0, mainFile()) == 1; }

void WriteMiddleStretch(const char* key, bool on) {
  if (on) {
    WriteSkinString(kBordersSection, key, "1", mainFile());
  } else {
    WriteSkinString(kBordersSection, key, std::nullopt, mainFile());
  }
}

int ReadBorderMargin(std::string_view section, const char* key) {
  const int value = static_cast<int>(ReadSkinInt(section, key, 0, mainFile()));
  return std::clamp(value, 0, kMaxBorderMargin);
}

void WriteBorderMargin(std::string_view section, const char* key, int value) {
  WriteSkinString(section, key, std::to_string(std::clamp(value, 0, kMaxBorderMargin)), mainFile());
}

}  // namespace tessera
