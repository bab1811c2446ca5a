#include "core/skin/clean_skin.h"

#include <algorithm>
#include <array>
#include <unordered_set>

#include "core/platform/files.h"
#include "core/platform/paths.h"
#include "core/platform/profile.h"
#include "core/skin/skin_path_safety.h"
#include "core/skin/substyles.h"

namespace tessera {

namespace {

constexpr std::array<const char*, 42> kImageKeys = {
    "Image",         "ImageMask",       "Bitmap",         "BitmapMask",      "GlyphImage",      "GlyphImageMask",
    "GlyphBitmap",   "GlyphBitmapMask", "MenuBar",        "MenuBarMask",     "ButtonImage",     "ButtonImageMask",
    "CheckBox",      "CheckBoxMask",    "RadioButton",    "RadioButtonMask", "Wallpaper",       "Top",
    "Left",          "Right",           "Bottom",         "TopMask",         "LeftMask",        "RightMask",
    "BottomMask",    "MenuBorders",     "MenuBordersMask", "OverlayImage",   "OverlayImageMask", "VertFrame",
    "HorzFrame",     "VertFrameMask",   "HorzFrameMask",  "ShapeLeftImage",  "ShapeRightImage", "MDIBmp",
    "MDIBmpMask",    "DialogBmp",       "DialogBmpMask",  "ActiveTitle",     "Border",          "BorderMask"};

constexpr std::array<const char*, 4> kCompanionSections = {"XPTaskbar", "XPShell", "Animations", "ToolbarIcons"};

// Sub-style files consulted at most.
constexpr int kMaxScannedSubStyles = 10000;

// Values are compared in lower case with '\' as the separator, the form of the candidates.
std::string comparable(std::string_view value) { return paths::lower(paths::toStored(value)); }

void strikeFile(const std::string& file, std::unordered_set<std::string>& remaining) {
  for (const auto& section : profile::SectionNames(file)) {
    for (const char* key : kImageKeys) {
      const auto value = profile::FindValue(section, key, file);
      if (value && !value->empty()) remaining.erase(comparable(*value));
    }
  }
}

// A skin file and the companion files it names.
void strikeOneSkinFile(std::string_view skinsFolder, const std::string& file, std::unordered_set<std::string>& remaining) {
  strikeFile(file, remaining);
  for (const char* section : kCompanionSections) {
    const std::string value = profile::ReadString(section, "File", "", file);
    if (value.empty() || !IsSafeRelativePath(value)) continue;
    strikeFile(paths::join(skinsFolder, value), remaining);
  }
}

// A skin file, and its "~" working copy when the skin is open for editing: a picture named only
// by unsaved edits is in use, and moving it away would break the open skin.
void strikeSkinFile(std::string_view skinsFolder, const std::string& file, std::unordered_set<std::string>& remaining) {
  strikeOneSkinFile(skinsFolder, file, remaining);
  const std::string working = file + "~";
  if (files::isFile(working)) strikeOneSkinFile(skinsFolder, working, remaining);
}

}  // namespace

std::span<const char* const> CleanSkinImageKeys() { return kImageKeys; }

std::vector<std::string> ListCleanCandidates(std::string_view skinsFolder, std::string_view skinName) {
  std::vector<std::string> candidates;
  if (!IsSafeSkinName(skinName)) return candidates;
  const std::string folder = paths::join(skinsFolder, skinName);
  for (const char* extension : {"TGA", "BMP"}) {
    for (const auto& name : files::listFilesWithExtension(folder, extension)) {
      candidates.push_back(paths::lower(std::string(skinName) + "\\" + name));
    }
  }
  std::sort(candidates.begin(), candidates.end());
  return candidates;
}

std::vector<std::string> FindUnreferencedImages(std::string_view skinsFolder, std::string_view skinName,
                                                const ProgressCallback& progress) {
  const std::vector<std::string> candidates = ListCleanCandidates(skinsFolder, skinName);
  if (candidates.empty()) {
    ReportProgress(progress, 1, 1);
    return candidates;
  }
  std::unordered_set<std::string> remaining(candidates.begin(), candidates.end());

  const profile::ReadBatch batch;
  const SubStyleFile subStyles(skinsFolder, skinName);
  const int n = std::min(subStyles.number(), kMaxScannedSubStyles);
  // One step for the main file and one for each sub-style entry.
  const std::int64_t total = 1 + std::max(n, 0);
  if (!ReportProgress(progress, 0, total)) return {};
  strikeSkinFile(skinsFolder, paths::join(subStyles.skinFolder(), std::string(skinName) + ".uis"), remaining);
  if (!ReportProgress(progress, 1, total)) return {};
  for (int i = 0; i < n && !remaining.empty(); ++i) {
    const std::string skin = subStyles.subStyle(i).skin;
    if (!skin.empty() && IsSubStyleFileName(skin)) strikeSkinFile(skinsFolder, subStyles.fileInSkinFolder(skin), remaining);
    if (!ReportProgress(progress, 2 + i, total)) return {};
  }
  // Nothing left to look for ends the scan early; the count still reaches its end.
  if (remaining.empty() && !ReportProgress(progress, total, total)) return {};

  std::vector<std::string> unreferenced;
  for (const auto& candidate : candidates) {
    if (remaining.count(candidate)) unreferenced.push_back(candidate);
  }
  return unreferenced;
}

std::vector<std::string> MoveImagesToBackup(std::string_view skinsFolder, std::string_view skinName,
                                            const std::vector<std::string>& values, const ProgressCallback& progress) {
  std::vector<std::string> moved;
  if (!IsSafeSkinName(skinName)) return moved;
  const std::string skinFolder = paths::join(skinsFolder, skinName);
  const std::string backup = paths::join(skinFolder, kBackupFolderName);
  const auto total = static_cast<std::int64_t>(values.size());
  if (!ReportProgress(progress, 0, total)) return moved;
  files::createFolder(backup);
  std::int64_t done = 0;
  for (const auto& value : values) {
    // Checked before each move, so a stop never falls inside one.
    if (done > 0 && !ReportProgress(progress, done, total)) return moved;
    ++done;
    const std::string stored = paths::toStored(value);
    const auto slash = stored.find('\\');
    if (slash == std::string::npos || !paths::equalsIgnoreCase(std::string_view(stored).substr(0, slash), skinName)) {
      continue;
    }
    const std::string fileName = stored.substr(slash + 1);
    if (!IsSafeSkinName(fileName)) continue;  // a plain file name directly in the skin folder
    const std::string source = paths::join(skinFolder, fileName);
    if (!files::isFile(source)) continue;
    if (files::moveFile(source, paths::join(backup, fileName))) moved.push_back(value);
  }
  ReportProgress(progress, total, total);
  return moved;
}

}  // namespace tessera
