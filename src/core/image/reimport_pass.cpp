#include "core/image/reimport_pass.h"

#include "core/image/cut_links.h"
#include "core/image/image_file.h"
#include "core/image/reimport_list.h"
#include "core/platform/environment.h"
#include "core/platform/files.h"
#include "core/platform/paths.h"
#include "core/platform/profile.h"
#include "core/skin/skin_session.h"

namespace tessera {

namespace {

constexpr std::size_t kListBufferSize = 100000;

std::vector<std::string> sectionNames(const std::string& file) {
  std::vector<char> buffer(kListBufferSize);
  const std::size_t n = profile::GetSectionNames(buffer.data(), buffer.size(), file);
  return profile::SplitList(buffer.data(), std::min(n + 1, buffer.size()));
}

void recutLinkedSources(ReimportReport& report) {
  const std::string index = CutLinkIndexPath();
  if (index.empty() || !files::isFile(index)) return;
  const std::string skinsFolder = GetSkinsFolder();
  for (const std::string& source : sectionNames(index)) {
    const auto time = files::lastWriteTime(source);
    if (!time || StoredTimeEquals(source, *time, index)) continue;
    if (const auto picture = LoadImageFile(source)) {
      for (const CutListEntry& entry : ReadCutList(source)) {
        // A cut list that came with a skin may not write outside the skins folder.
        if (!IsInsideFolder(entry.target, skinsFolder)) continue;
        const auto cut = CutOut(*picture, entry.rect);
        if (cut && SaveImageFile(entry.target, *cut, !entry.tga)) report.rewritten.push_back(entry.target);
      }
    }
    WriteStoredTime(source, *time, index);
  }
}

void reconvertTrackedImports(ReimportReport& report) {
  const std::string list = ReimportListPath();
  if (list.empty() || !files::isFile(list)) return;
  const std::string skinFolder = OpenSkinFolder();
  for (const std::string& section : sectionNames(list)) {
    if (profile::GetInt(section, "ReimportWhenNeeded", 0, list) != 1) continue;
    const std::string source = profile::ReadString(section, "SourceFile", "", list, 256);
    if (source.empty()) continue;
    const auto time = files::lastWriteTime(source);
    if (!time || StoredTimeEquals(section, *time, list)) continue;
    const std::string name = profile::ReadString(section, "Name", "", list);
    const std::string ext = profile::ReadString(section, "ext", "", list);
    // Name comes from the skin's own list: only a plain file name is written.
    if (!IsPlainFileName(name)) continue;
    const auto picture = LoadImageFile(source);
    if (!picture) continue;  // the stored time stays, so the next pass tries again
    const bool asBmp = ext == "BMP";
    const std::string target = paths::join(skinFolder, name + (asBmp ? ".BMP" : ".TGA"));
    if (paths::upper(paths::toNative(target)) != paths::upper(paths::toNative(source))) {
      if (SaveImageFile(target, *picture, asBmp)) report.rewritten.push_back(target);
    }
    WriteStoredTime(section, *time, list);
  }
}

}  // namespace

ReimportReport RunReimportPass() {
  ReimportReport report;
  if (!Session().isOpen() && Session().skinName.empty()) return report;
  // One change check per list file for the whole pass, not one per key read.
  profile::ReadBatch batch;
  recutLinkedSources(report);
  reconvertTrackedImports(report);
  return report;
}

}  // namespace tessera
