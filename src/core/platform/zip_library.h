#pragma once
// libzip, opened the first time a package is made rather than with the program: it and the
// compression and crypto libraries it brings stay out of the editor's start-up.
#include <zip.h>

namespace tessera {

struct ZipLibrary {
  decltype(&zip_open) open;
  decltype(&zip_close) close;
  decltype(&zip_discard) discard;
  decltype(&zip_strerror) strerror;
  decltype(&zip_source_file) sourceFile;
  decltype(&zip_source_free) sourceFree;
  decltype(&zip_file_add) fileAdd;
  decltype(&zip_set_file_compression) setFileCompression;
  decltype(&zip_file_extra_field_delete) fileExtraFieldDelete;
  decltype(&zip_get_num_entries) numEntries;
  decltype(&zip_register_progress_callback_with_state) registerProgress;
  decltype(&zip_register_cancel_callback_with_state) registerCancel;
};

// The library's operations, or nullptr when it cannot be loaded (then `LibzipName()` says what
// was looked for). Loaded once per process; safe from any thread.
const ZipLibrary* Libzip();
const char* LibzipName();

}  // namespace tessera
