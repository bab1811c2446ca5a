#pragma once
// Several whole-section writes made in one write of a file (the profile engine's batch form of
// WriteSection, for reordering many sections at once).
#include <optional>
#include <string>
#include <vector>

namespace tessera::profile {

// One whole-section write: `entries` replace the body of `section` (creating it when missing), or
// nullopt deletes every section of that name.
struct SectionWrite {
  std::string section;
  std::optional<std::vector<std::string>> entries;
};

// One key written along with them (a count that follows the sections, say).
struct KeyWrite {
  std::string section;
  std::string key;
  std::string value;
};

// Applies `writes` in order, then `keys`, to the file's current content and writes the file once, atomically:
// moving many sections rewrites a large file once instead of once per section, and no reader ever
// sees the sections half moved. Returns false when the file could not be written.
bool WriteSections(const std::vector<SectionWrite>& writes, const std::string& file,
                   const std::vector<KeyWrite>& keys = {});

}  // namespace tessera::profile
