#include "support/archive_reader.h"

#include <zip.h>

namespace tessera::testing {

std::vector<ArchiveEntry> readArchive(const std::string& path) {
  std::vector<ArchiveEntry> entries;
  int error = 0;
  zip_t* archive = zip_open(path.c_str(), ZIP_RDONLY | ZIP_CHECKCONS, &error);
  if (!archive) return entries;
  const zip_int64_t n = zip_get_num_entries(archive, 0);
  for (zip_int64_t i = 0; i < n; ++i) {
    const auto index = static_cast<zip_uint64_t>(i);
    zip_stat_t st;
    zip_stat_index(archive, index, 0, &st);
    ArchiveEntry entry{st.name, st.comp_method, std::string(st.size, '\0'), 0};
    entry.extraFields = zip_file_extra_fields_count(archive, index, ZIP_FL_CENTRAL) +
                        zip_file_extra_fields_count(archive, index, ZIP_FL_LOCAL);
    zip_file_t* file = zip_fopen_index(archive, index, 0);
    if (file) {
      zip_fread(file, entry.data.data(), st.size);
      zip_fclose(file);
    }
    entries.push_back(std::move(entry));
  }
  zip_close(archive);
  return entries;
}

}  // namespace tessera::testing
