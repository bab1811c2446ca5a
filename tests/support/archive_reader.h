#pragma once
// Reads back the entries of a zip archive (a skin package) for tests.
#include <cstdint>
#include <string>
#include <vector>

namespace tessera::testing {

struct ArchiveEntry {
  std::string name;
  std::uint16_t method = 0;
  std::string data;
  int extraFields = 0;
};

// Every entry of the archive at `path`, in archive order; empty when it cannot be opened.
std::vector<ArchiveEntry> readArchive(const std::string& path);

}  // namespace tessera::testing
