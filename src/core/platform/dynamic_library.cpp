#include "core/platform/dynamic_library.h"

#include "core/platform/files.h"
#include "core/platform/paths.h"

namespace tessera {

bool DynamicLibrary::load(const std::string& path) {
  unload();
  path_ = paths::resolve(path);
  // QLibrary would try other names for a file that is missing; the module is loaded by path only.
  if (!files::isFile(path_)) return false;
  library_ = std::make_unique<QLibrary>(QString::fromStdString(path_));
  return library_->load();
}

void DynamicLibrary::unload() {
  if (library_ && library_->isLoaded()) library_->unload();
  library_.reset();
}

std::string DynamicLibrary::errorString() const {
  return library_ ? library_->errorString().toStdString() : std::string("not loaded");
}

void* DynamicLibrary::symbol(const char* name) const {
  if (!isLoaded()) return nullptr;
  return reinterpret_cast<void*>(library_->resolve(name));
}

}  // namespace tessera
