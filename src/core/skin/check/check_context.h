#pragma once
// What the parts of the skin check share: the folders, the catalogue, the skin files found so far
// and the findings. Internal to the check.
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/skin/check/skin_check.h"
#include "core/skin/section_catalogue.h"

namespace tessera::check {

// Why a file belongs to the skin; decides which sections it may hold and how its keys are read.
enum class FileRole { Main, Taskbar, Shell, ToolbarIcons, Animations, SubStyle };

struct SkinFile {
  std::string path;      // full native path, as resolved on disk
  std::string relative;  // for findings
  FileRole role = FileRole::Main;
};

// Width and height of a readable picture, or why it is not readable.
struct PictureFacts {
  bool exists = false;
  bool readable = false;
  std::string format;  // "tga", "bmp", "zor", "png", "jpeg", ...
  int width = 0;
  int height = 0;
};

class CheckContext {
 public:
  CheckContext(std::string_view skinsFolder, std::string_view skinName);

  const std::string& skinsFolder() const { return skinsFolder_; }
  const std::string& skinName() const { return skinName_; }
  const SectionCatalogue& catalogue() const { return catalogue_; }
  bool hasCatalogue() const { return hasCatalogue_; }

  void add(CheckLevel level, std::string_view file, std::string_view section, std::string_view key,
           std::string message);
  std::vector<CheckFinding> takeFindings() { return std::move(findings_); }

  // Path relative to the skins folder with '/' separators (the path itself when it lies outside).
  std::string relative(std::string_view fullPath) const;
  // Full path of a stored value (relative to the skins folder), resolved case-insensitively.
  std::string resolveValue(std::string_view value) const;
  // Facts about the picture at a full path, read once per path.
  const PictureFacts& picture(const std::string& fullPath);

 private:
  std::string skinsFolder_;
  std::string skinName_;
  SectionCatalogue catalogue_;
  bool hasCatalogue_ = false;
  std::vector<CheckFinding> findings_;
  std::map<std::string, PictureFacts> pictures_;
};

// Parts of the check, each adding its findings.
void CheckPictureSlots(CheckContext& context, const SkinFile& file);
void CheckValueRanges(CheckContext& context, const SkinFile& file);
void CheckLayerChains(CheckContext& context, const SkinFile& file);
void CheckUnknownSections(CheckContext& context, const SkinFile& file);
// Main-file checks: title-bar buttons and presets (sub-style files are main files too).
void CheckButtons(CheckContext& context, const SkinFile& file);
void CheckPresets(CheckContext& context, const SkinFile& mainFile, const std::vector<SkinFile>& itsFiles);
void CheckUnreferencedPictures(CheckContext& context);

// The section names of a file, each once (the engine reads the first of twins), in file order.
std::vector<std::string> UniqueSectionNames(const std::string& file);

// Reads an integer value the way the engine does; nullopt when the key is missing or empty, and
// `number` false when the text does not start with a number.
struct IntValue {
  long long value = 0;
  bool number = true;
  std::string text;
};
std::optional<IntValue> ReadIntValue(std::string_view section, std::string_view key, const std::string& file);

}  // namespace tessera::check
