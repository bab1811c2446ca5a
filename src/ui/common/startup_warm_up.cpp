#include "ui/common/startup_warm_up.h"

#include <QFontDatabase>
#include <QStringList>

namespace tessera::ui {

StartupWarmUp::StartupWarmUp() : fonts_([] { (void)QFontDatabase::families(); }) {}

StartupWarmUp::~StartupWarmUp() {
  if (fonts_.joinable()) fonts_.join();
}

}  // namespace tessera::ui
