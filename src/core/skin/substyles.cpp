#include "core/skin/substyles.h"

#include <algorithm>

#include "core/platform/files.h"
#include "core/platform/paths.h"
#include "core/platform/profile.h"
#include "core/skin/skin_path_safety.h"

namespace tessera {

SubStyleFile::SubStyleFile(std::string_view skinsFolder, std::string_view skinName)
    : skinName_(skinName),
      skinFolder_(paths::join(skinsFolder, skinName)),
      path_(paths::join(skinFolder_, std::string(skinName) + ".SSD")) {}

std::string SubStyleFile::mainFile() const { return fileInSkinFolder(skinName_ + ".UIS"); }

std::string SubStyleFile::fileInSkinFolder(std::string_view fileName) const { return paths::join(skinFolder_, fileName); }

bool SubStyleFile::exists() const { return files::isFile(path_); }

int SubStyleFile::number() const { return static_cast<int>(profile::GetInt(kSubStylesSection, "Number", 0, path_)); }

int SubStyleFile::vistaDefault() const {
  return static_cast<int>(profile::GetInt(kSubStylesSection, "VistaDefault", -1, path_));
}

int SubStyleFile::win7Default() const {
  return static_cast<int>(profile::GetInt(kSubStylesSection, "Win7Default", -1, path_));
}

SubStyle SubStyleFile::subStyle(int index) const {
  const std::string section = SubStyleSection(index);
  return {index, profile::ReadString(section, "Name", "", path_), profile::ReadString(section, "Skin", "", path_)};
}

std::vector<SubStyle> SubStyleFile::subStyles() const {
  std::vector<SubStyle> list;
  const int n = std::min(number(), kMaxListedSubStyles);
  for (int i = 0; i < n; ++i) list.push_back(subStyle(i));
  return list;
}

std::string SubStyleFile::skinDisplayName(std::string_view fallback) const {
  return profile::ReadString("TitlebarSkin", "SkinName", fallback, mainFile());
}

std::string SubStyleSection(int index) { return "SkinStyle" + std::to_string(index); }

bool IsSubStyleFileName(std::string_view value) { return IsSafeSkinName(value); }

std::vector<std::string> SubStylePickerRows(const SubStyleFile& file) {
  std::vector<std::string> rows;
  for (const auto& style : file.subStyles()) rows.push_back(style.name);
  return rows;
}

std::string SubStylePickerResult(const SubStyleFile& file, int row) {
  if (row < 0 || row >= std::min(file.number(), kMaxListedSubStyles)) return {};
  std::string skin = file.subStyle(row).skin;
  return IsSubStyleFileName(skin) ? skin : std::string{};
}

}  // namespace tessera
