#include "ui/common/startup_warm_up.h"

#include <QBuffer>
#include <QFontDatabase>
#include <QImageReader>
#include <QStringList>

namespace tessera::ui {

namespace {

// A picture read whose format is not settled by a plugin's file suffix asks every image plugin
// whether it reads it, loading them all (the menu bar's first icon does it). Reading nothing with
// no format named does the same.
void LoadImagePlugins() {
  QBuffer nothing;
  nothing.open(QIODevice::ReadOnly);
  QImageReader reader(&nothing);
  (void)reader.canRead();
}

}  // namespace

StartupWarmUp::StartupWarmUp()
    : fonts_([] { (void)QFontDatabase::families(); }),
      images_(LoadImagePlugins) {}

StartupWarmUp::~StartupWarmUp() {
  if (fonts_.joinable()) fonts_.join();
  if (images_.joinable()) images_.join();
}

}  // namespace tessera::ui
