#pragma once
// The INI profile engine: the read and write calls of the Windows profile API over files on disk.
// Every read sees the file as it is on disk now; parsed files are cached behind a change check
// (device, inode, size, modification and change times). Every write reaches the disk atomically.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tessera::profile {

using OptionalText = std::optional<std::string_view>;

// Read-string with buffer semantics. `section` nullopt lists the section names, `key` nullopt
// lists the keys of the section, both as NUL-separated lists ending in an extra NUL (cut to
// size - 2 characters plus two NULs when they do not fit). A value has one pair of matching
// surrounding quotes removed; a missing key gives `def` with its trailing blanks cut. At most
// size - 1 characters are copied and the buffer is always terminated (when size > 0). Returns
// the number of characters copied, not counting the terminating NUL.
std::size_t GetString(OptionalText section, OptionalText key, OptionalText def, char* buffer, std::size_t size,
                      const std::string& file);

// A buffer size meaning "no buffer": the whole value is read, whatever its length.
inline constexpr std::size_t kWholeValue = static_cast<std::size_t>(-1);

// Convenience form with the same semantics, returning the text read into a `size`-byte buffer
// (or all of it, with kWholeValue).
std::string ReadString(std::string_view section, std::string_view key, std::string_view def,
                       const std::string& file, std::size_t size = 255);

// The value of a key with its quotes removed, or nullopt when the key does not exist.
std::optional<std::string> FindValue(std::string_view section, std::string_view key, const std::string& file);

// Read-integer: an optional sign and the leading digits, wrapping modulo 2^32; a value without
// digits gives 0, a missing or empty key gives `def`.
unsigned int GetInt(std::string_view section, std::string_view key, int def, const std::string& file);

// Write-string: a nullopt key deletes the section, a nullopt value deletes the key, otherwise the
// key is created or updated (creating the file and section as needed). A nullopt section does
// nothing. Returns false when the file could not be written.
bool WriteString(OptionalText section, OptionalText key, OptionalText value, const std::string& file);

// Section-name list into a buffer (NUL-separated, extra NUL at the end; see GetString).
std::size_t GetSectionNames(char* buffer, std::size_t size, const std::string& file);
std::vector<std::string> SectionNames(const std::string& file);

// Whole-section read: "key=value" entries and bare lines into a NUL-separated list.
std::size_t GetSection(std::string_view section, char* buffer, std::size_t size, const std::string& file);
std::vector<std::string> ReadSection(std::string_view section, const std::string& file);

// Whole-section write from a NUL-separated list ending in an extra NUL, or from entries.
bool WriteSection(std::string_view section, const char* list, const std::string& file);
bool WriteSection(std::string_view section, const std::vector<std::string>& entries, const std::string& file);

// Within a read batch every file is checked for changes once, at its first read in the batch;
// later reads of the batch see that same state of the file. A scan over many keys (a used-by
// list, a catalogue listing) opens one so that it reads one consistent state of the skin, and
// does not pay a change check per key. Batches nest; writes are not affected (and a write made
// by this thread during a batch is seen by its later reads). Per thread.
class ReadBatch {
 public:
  ReadBatch();
  ~ReadBatch();
  ReadBatch(const ReadBatch&) = delete;
  ReadBatch& operator=(const ReadBatch&) = delete;
};

// Drops the parsed-file cache (tests and benchmarks use it to measure a fresh parse).
void ClearCache();
// Drops one file from that cache, for a file replaced behind the profile's back.
void ForgetCachedFile(const std::string& file);

// Splits a NUL-separated list ending in an empty string into its items.
std::vector<std::string> SplitList(const char* list, std::size_t length);

}  // namespace tessera::profile
