#pragma once
// The sub-style description of a skin: <skin folder>/<skin name>.SSD. Section "SkinStyles" holds
// the count and the two platform defaults; sections "SkinStyle0", "SkinStyle1", ... hold each
// sub-style's display name and skin file, index 0 being the skin's main file.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tessera {

// Lists stop here whatever "Number" claims.
inline constexpr int kMaxListedSubStyles = 10000;

struct SubStyle {
  int index = 0;
  std::string name;  // "Name": what the end user sees
  std::string skin;  // "Skin": file name inside the skin folder
};

class SubStyleFile {
 public:
  SubStyleFile(std::string_view skinsFolder, std::string_view skinName);

  const std::string& skinName() const { return skinName_; }
  const std::string& skinFolder() const { return skinFolder_; }
  // <skin folder>/<skin name>.SSD
  const std::string& path() const { return path_; }
  // The skin's main file, <skin folder>/<skin name>.UIS.
  std::string mainFile() const;
  std::string fileInSkinFolder(std::string_view fileName) const;

  bool exists() const;
  // "Number" (default 0); 0 means the skin has no sub-styles.
  int number() const;
  int vistaDefault() const;  // default -1
  int win7Default() const;   // default -1
  std::vector<SubStyle> subStyles() const;
  SubStyle subStyle(int index) const;

  // The display name of the skin itself: TitlebarSkin/SkinName of the main file.
  std::string skinDisplayName(std::string_view fallback) const;

 private:
  std::string skinName_;
  std::string skinFolder_;
  std::string path_;
};

inline constexpr const char* kSubStylesSection = "SkinStyles";
std::string SubStyleSection(int index);

// A "Skin" value names a file directly inside the skin folder; anything else is not followed.
bool IsSubStyleFileName(std::string_view value);

// The picker shown when a skin with sub-styles is opened: the display names, first selected.
// Empty when the skin has no sub-styles (the main file is edited without asking).
std::vector<std::string> SubStylePickerRows(const SubStyleFile& file);
// The file to edit for the chosen row: its "Skin" value, or empty (the main file) when the row
// does not exist or its value does not name a file of the skin folder.
std::string SubStylePickerResult(const SubStyleFile& file, int row);

}  // namespace tessera
