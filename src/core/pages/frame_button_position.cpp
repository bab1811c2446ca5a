#include "core/pages/frame_button_position.h"

#include "core/platform/paths.h"
#include "core/platform/profile.h"
#include "core/skin/section_store.h"
#include "core/skin/skin_session.h"

namespace tessera {

namespace {

constexpr std::size_t kCommandBuffer = 50;  // 49 characters and the terminator

int readInt(std::string_view section, std::string_view key, int def) {
  return static_cast<int>(ReadSkinInt(section, key, def, Session().mainFile));
}

}  // namespace

bool FrameButtonHasAction(std::string_view section) {
  for (const char* name : {"WindowFrame.Button1PerPixel", "WindowFrame.Button2PerPixel", "WindowFrame.Button3PerPixel"})
    if (paths::equalsIgnoreCase(section, name)) return true;
  return false;
}

int FrameButtonDefaultAlign(std::string_view section) {
  return paths::equalsIgnoreCase(section, "WindowFrame.SystemIconPerPixel") ? 0 : 1;
}

FrameButtonPositionValues ReadFrameButtonPosition(std::string_view section) {
  profile::ReadBatch batch;
  FrameButtonPositionValues v;
  v.align = readInt(section, "Align", FrameButtonDefaultAlign(section));
  v.left = readInt(section, "LeftCoord", 0);
  v.top = readInt(section, "TopCoord", 0);
  v.leftMaximized = readInt(section, "LeftCoordMaximized", v.left);
  v.topMaximized = readInt(section, "TopCoordMaximized", v.top);
  v.hasAction = FrameButtonHasAction(section);
  if (v.hasAction) {
    v.action = readInt(section, "Action", 0);
    v.command = ReadSkinString(section, "Command", "", Session().mainFile, kCommandBuffer);
  }
  return v;
}

void WriteFrameButtonInt(std::string_view section, std::string_view key, int value) {
  WriteSkinString(section, key, std::to_string(value), Session().mainFile);
}

int WriteFrameButtonLeft(std::string_view section, int left) {
  WriteFrameButtonInt(section, "LeftCoord", left);
  return readInt(section, "LeftCoordMaximized", left);
}

int WriteFrameButtonTop(std::string_view section, int top) {
  WriteFrameButtonInt(section, "TopCoord", top);
  return readInt(section, "TopCoordMaximized", top);
}

void WriteFrameButtonCommand(std::string_view section, std::string_view command) {
  WriteSkinString(section, "Command", command, Session().mainFile);
}

}  // namespace tessera
