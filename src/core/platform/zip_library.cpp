#include "core/platform/zip_library.h"

#include <dlfcn.h>

#include <optional>

namespace tessera {

namespace {

template <typename Fn>
bool bind(void* handle, const char* name, Fn& out) {
  out = reinterpret_cast<Fn>(::dlsym(handle, name));
  return out != nullptr;
}

std::optional<ZipLibrary> load() {
  void* handle = ::dlopen(TESSERA_LIBZIP_SONAME, RTLD_NOW | RTLD_LOCAL);
  if (!handle) return std::nullopt;
  ZipLibrary zip{};
  const bool complete = bind(handle, "zip_open", zip.open) && bind(handle, "zip_close", zip.close) &&
                        bind(handle, "zip_discard", zip.discard) && bind(handle, "zip_strerror", zip.strerror) &&
                        bind(handle, "zip_source_file", zip.sourceFile) &&
                        bind(handle, "zip_source_free", zip.sourceFree) && bind(handle, "zip_file_add", zip.fileAdd) &&
                        bind(handle, "zip_set_file_compression", zip.setFileCompression) &&
                        bind(handle, "zip_file_extra_field_delete", zip.fileExtraFieldDelete) &&
                        bind(handle, "zip_get_num_entries", zip.numEntries) &&
                        bind(handle, "zip_register_progress_callback_with_state", zip.registerProgress) &&
                        bind(handle, "zip_register_cancel_callback_with_state", zip.registerCancel);
  // A library without every operation is not used; it stays loaded, as a half-bound one may not
  // be unloaded safely.
  if (!complete) return std::nullopt;
  return zip;
}

}  // namespace

const ZipLibrary* Libzip() {
  static const std::optional<ZipLibrary> library = load();
  return library ? &*library : nullptr;
}

const char* LibzipName() { return TESSERA_LIBZIP_SONAME; }

}  // namespace tessera
