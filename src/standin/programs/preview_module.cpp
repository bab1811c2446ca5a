#include "standin/programs/preview_module.h"

#include <QCoreApplication>
#include <QColor>

#include "core/platform/environment.h"
#include "core/platform/files.h"
#include "core/platform/system_colours.h"

namespace tessera::standin {

bool PreviewModule::load() {
  const std::string besideProgram = QCoreApplication::applicationDirPath().toStdString();
  for (const std::string& folder : {DataFolder(), besideProgram}) {
    const std::string path = ModulePath(folder, "vuzudiv");
    if (files::isFile(path) && module_.load(path)) {
      preview_.bind(module_);
      preview_.SetSkinDir("");
      return true;
    }
  }
  return false;
}

void PreviewModule::loadSkin(const std::string& uisPath) {
  skinPath_ = uisPath;
  preview_.DestroyBitmaps_and_Masks();
  preview_.LoadUISFile(uisPath);
}

QColor SkinColour(const PreviewLibrary& preview, int index) {
  const VlColour c = preview.GetColourVal(index, PlatformSystemColour(index));
  return QColor(RedOf(c), GreenOf(c), BlueOf(c));
}

}  // namespace tessera::standin
