#include "core/image/cut_links.h"

#include <algorithm>

#include "core/image/image_file.h"
#include "core/platform/environment.h"
#include "core/platform/files.h"
#include "core/platform/paths.h"
#include "core/platform/profile.h"
#include "core/skin/section_links.h"
#include "core/skin/section_store.h"
#include "core/skin/skin_session.h"

namespace tessera {

CutRect NormalizedCutRect(CutRect r) {
  if (r.right < r.left) std::swap(r.left, r.right);
  if (r.bottom < r.top) std::swap(r.top, r.bottom);
  return r;
}

std::optional<ImageBuffer> CutOut(const ImageBuffer& source, CutRect rect) {
  const CutRect r = NormalizedCutRect(rect);
  const int left = std::clamp(r.left, 0, source.width());
  const int top = std::clamp(r.top, 0, source.height());
  const int right = std::clamp(r.right, 0, source.width());
  const int bottom = std::clamp(r.bottom, 0, source.height());
  auto cut = CreateImage(right - left, bottom - top);
  if (!cut) return std::nullopt;
  CopyRect(source, left, top, right - left, bottom - top, *cut, 0, 0);
  return cut;
}

bool CutDestinationIsBmp(std::string_view destination) {
  return paths::upper(paths::extension(destination)) == "BMP";
}

bool SaveCutOut(const ImageBuffer& source, CutRect rect, std::string_view destination) {
  const auto cut = CutOut(source, rect);
  return cut && SaveImageFile(destination, *cut, CutDestinationIsBmp(destination));
}

void LinkCutOutToSection(std::string_view section, int fileChoice, std::string_view destination) {
  // The section was listed from this very file, so the keys go there: routing by the catalogue
  // could send a main-file section's keys to a companion.
  const std::string file = LinkFilePath(fileChoice);
  if (file.empty() || section.empty()) return;

  std::string value = paths::toNative(destination);
  const std::string skins = GetSkinsFolder() + "/";
  if (value.size() > skins.size() && paths::equalsIgnoreCase(value.substr(0, skins.size()), skins)) {
    value = value.substr(skins.size());
  }
  value = paths::toStored(value);
  WriteSkinStringToFile(section, "Image", value, file);
  if (CutDestinationIsBmp(destination)) {
    WriteSkinStringToFile(section, "PerPixel", "0", file);
  } else {
    WriteSkinStringToFile(section, "Trans", "1", file);
    WriteSkinStringToFile(section, "PerPixel", "1", file);
  }
}

std::string CutLinkIndexPath() {
  const std::string& main = Session().mainFile;
  return main.empty() ? std::string() : main + kCutLinkIndexSuffix;
}

std::string CutListPath(std::string_view sourcePath) { return std::string(sourcePath) + kCutListSuffix; }

void RecordCutLink(std::string_view sourcePath, std::string_view destination, CutRect rect) {
  const std::string index = CutLinkIndexPath();
  if (index.empty()) return;
  profile::WriteString(sourcePath, "Linked", "1", index);
  if (const auto time = files::lastWriteTime(sourcePath)) {
    profile::WriteString(sourcePath, "LastEdit1", std::to_string(time->high), index);
    profile::WriteString(sourcePath, "LastEdit2", std::to_string(time->low), index);
  }
  const CutRect r = NormalizedCutRect(rect);
  const std::string list = CutListPath(sourcePath);
  profile::WriteString(destination, "Left", std::to_string(r.left), list);
  profile::WriteString(destination, "Top", std::to_string(r.top), list);
  profile::WriteString(destination, "Right", std::to_string(r.right), list);
  profile::WriteString(destination, "Bottom", std::to_string(r.bottom), list);
  profile::WriteString(destination, "TGA", CutDestinationIsBmp(destination) ? "0" : "1", list);
}

std::vector<CutListEntry> ReadCutList(std::string_view sourcePath) {
  std::vector<CutListEntry> entries;
  const std::string list = CutListPath(sourcePath);
  std::vector<char> buffer(100000);
  const std::size_t n = profile::GetSectionNames(buffer.data(), buffer.size(), list);
  for (const std::string& target : profile::SplitList(buffer.data(), n + 1)) {
    CutListEntry entry;
    entry.target = target;
    auto read = [&](const char* key) { return static_cast<int>(profile::GetInt(target, key, 0, list)); };
    entry.rect = {read("Left"), read("Top"), read("Right"), read("Bottom")};
    entry.tga = read("TGA") != 0;
    entries.push_back(std::move(entry));
  }
  return entries;
}

}  // namespace tessera
