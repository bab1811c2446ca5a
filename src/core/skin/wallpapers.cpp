#include "core/skin/wallpapers.h"

#include <QImageReader>
#include <QString>

#include "core/platform/files.h"
#include "core/platform/paths.h"
#include "core/platform/profile.h"
#include "core/skin/section_store.h"
#include "core/skin/skin_session.h"

namespace tessera {

namespace {
constexpr const char* kSection = "Personality";
constexpr const char* kKey = "Wallpaper";
}  // namespace

std::string ReadDefaultWallpaper() {
  const std::string& main = Session().mainFile;
  return main.empty() ? std::string() : profile::ReadString(kSection, kKey, "", main, profile::kWholeValue);
}

void WriteDefaultWallpaper(const std::string& listed) {
  const std::string& main = Session().mainFile;
  if (main.empty()) return;
  if (listed.empty()) {
    WriteSkinStringToFile(kSection, kKey, std::nullopt, main);
  } else {
    WriteSkinStringToFile(kSection, kKey, listed, main);
  }
}

bool IsJpegFile(const std::string& path) {
  if (!files::isFile(path)) return false;
  QImageReader reader(QString::fromStdString(paths::resolve(path)));
  reader.setDecideFormatFromContent(true);
  return reader.format() == "jpeg" && reader.size().isValid() && !reader.size().isEmpty();
}

CopyIntoSkin AddWallpaper(const std::string& source) {
  if (files::isFile(source) && !IsJpegFile(source)) return CopyIntoSkin::Refused;
  return CopyIntoSkinFolder(source);
}

bool DeleteWallpaper(const std::string& listed) {
  const std::string path = SkinFolderFilePath(listed);
  if (path.empty() || !files::isFile(path) || !files::deleteFile(path)) return false;
  if (paths::equalsIgnoreCase(paths::toStored(ReadDefaultWallpaper()), paths::toStored(listed))) WriteDefaultWallpaper({});
  return true;
}

}  // namespace tessera
