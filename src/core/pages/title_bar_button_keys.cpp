#include "core/pages/title_bar_button_keys.h"

#include <algorithm>

#include "core/image/reimport_list.h"
#include "core/platform/files.h"
#include "core/platform/paths.h"
#include "core/platform/profile.h"
#include "core/skin/section_store.h"
#include "core/skin/skin_session.h"

namespace tessera {

namespace {
constexpr int kCaptionVisibilityKeys = 6;
constexpr int kPersonalityVisibilityKeys = 10;
}  // namespace

std::vector<std::string> ListButtonSoundFiles() {
  std::vector<std::string> sounds;
  const std::string folder = OpenSkinFolder();
  if (folder.empty()) return sounds;
  const std::string prefix = paths::lower(Session().skinName) + "\\";
  for (const std::string& name : files::listFiles(folder)) {
    if (paths::upper(paths::extension(name)) != "WAV") continue;
    std::string value = prefix + paths::lower(name);
    if (std::find(sounds.begin(), sounds.end(), value) == sounds.end()) sounds.push_back(std::move(value));
  }
  std::sort(sounds.begin(), sounds.end());
  return sounds;
}

TitleBarButtonKeys::TitleBarButtonKeys(int button, ButtonLayout layout)
    : section_(ButtonSectionName(button)), layout_(layout) {}

int TitleBarButtonKeys::readInt(std::string_view key, int def) const {
  return static_cast<int>(ReadSkinInt(section_, key, def, Session().mainFile));
}

std::string TitleBarButtonKeys::readText(std::string_view key) const {
  return ReadSkinString(section_, key, "", Session().mainFile, 256);
}

void TitleBarButtonKeys::write(std::string_view key, profile::OptionalText value) const {
  WriteSkinString(section_, key, value, Session().mainFile);
}

ButtonImageValues TitleBarButtonKeys::readImage(int defaultFrameCount) const {
  profile::ReadBatch batch;
  ButtonImageValues v;
  v.image = readText("ButtonImage");
  v.transparent = readInt("UseTrans", 0) == 1;
  v.perPixel = readInt("PerPixel", 0) == 1;
  v.frameCount = readInt("FrameCount", defaultFrameCount);
  v.animationRate = readInt("AnimTimerRate", 0);
  return v;
}

ButtonActionValues TitleBarButtonKeys::readActions() const {
  profile::ReadBatch batch;
  ButtonActionValues v;
  v.action = readInt("Action", 0);
  v.shiftAction = readInt("ShiftAction", v.action);
  v.ctrlAction = readInt("CtrlAction", v.action);
  v.command = readText("Command");
  v.dllName = readText("DllName");
  v.linkedTo = readInt("LinkedTo", 0);
  v.inSound = readText("InSound");
  v.outSound = readText("OutSound");
  return v;
}

ButtonPositionValues TitleBarButtonKeys::readPosition() const {
  profile::ReadBatch batch;
  ButtonPositionValues v;
  v.align = readInt("Align", 0);
  v.x = readInt("XCoord", 0);
  v.y = readInt("YCoord", 0);
  v.width = readInt("Width", 0);
  v.height = readInt("Height", 0);
  return v;
}

ButtonGlowValues TitleBarButtonKeys::readGlow() const {
  profile::ReadBatch batch;
  ButtonGlowValues v;
  v.image = readText("OverlayImage");
  v.xOffset = readInt("OverlayImageXOffset", 0);
  v.yOffset = readInt("OverlayImageYOffset", 0);
  v.frameCount = readInt("OverlayFrameCount", 1);
  v.fadeInTime = readInt("OverlayFadeInTime", 0);
  v.timer = readInt("OverlayTimer", 0);
  return v;
}

void TitleBarButtonKeys::writeInt(std::string_view key, int value) const { write(key, std::to_string(value)); }

void TitleBarButtonKeys::writeFlag(std::string_view key, bool on) const { write(key, on ? "1" : "0"); }

void TitleBarButtonKeys::writeTextOrDelete(std::string_view key, std::string_view text) const {
  if (text.empty()) {
    write(key, std::nullopt);
  } else {
    write(key, text);
  }
}

void TitleBarButtonKeys::writeNonZeroOrDelete(std::string_view key, int value) const {
  if (value == 0) {
    write(key, std::nullopt);
  } else {
    writeInt(key, value);
  }
}

void TitleBarButtonKeys::useImageDimensions() const {
  write("Width", std::nullopt);
  write("Height", std::nullopt);
}

std::vector<std::string> TitleBarButtonKeys::visibilityKeys() const {
  const int n = personalityLayout() ? kPersonalityVisibilityKeys : kCaptionVisibilityKeys;
  std::vector<std::string> keys{"Visibility"};
  for (int k = 1; k < n; ++k) keys.push_back("Visibility" + std::to_string(k));
  return keys;
}

std::vector<int> TitleBarButtonKeys::readVisibility() const {
  profile::ReadBatch batch;
  std::vector<int> values;
  for (const std::string& key : visibilityKeys()) values.push_back(readInt(key, 0));
  return values;
}

int TitleBarButtonKeys::storeVisibility(const std::vector<int>& checkedNumbers, bool listHasRows) const {
  if (!listHasRows) return 0;
  const std::vector<std::string> keys = visibilityKeys();
  for (const std::string& key : keys) write(key, std::nullopt);
  const std::size_t stored = std::min(keys.size(), checkedNumbers.size());
  for (std::size_t k = 0; k < stored; ++k) writeInt(keys[k], checkedNumbers[k]);
  return static_cast<int>(stored);
}

}  // namespace tessera
