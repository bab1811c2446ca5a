#pragma once
// The preview library as the engine's own programs use it: loaded from the data folder (or from
// beside the program), with one skin loaded at a time.
#include <QImage>
#include <QString>
#include <string>

#include "core/engine/engine_libraries.h"
#include "core/platform/dynamic_library.h"

namespace tessera::standin {

class PreviewModule {
 public:
  // Loads the library; false when none can be found.
  bool load();
  const PreviewLibrary& library() const { return preview_; }
  // Makes `uisPath` the current skin (dropping the pictures of the last one).
  void loadSkin(const std::string& uisPath);
  const std::string& skinPath() const { return skinPath_; }

 private:
  DynamicLibrary module_;
  PreviewLibrary preview_;
  std::string skinPath_;
};

// The desktop colour of the current skin as a QColor.
QColor SkinColour(const PreviewLibrary& preview, int index);

}  // namespace tessera::standin
