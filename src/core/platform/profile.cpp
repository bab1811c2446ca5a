#include "core/platform/profile.h"
#include "core/platform/profile_sections.h"

#include <sys/stat.h>

#include <cstring>
#include <memory>
#include <mutex>
#include <unordered_map>

#include "core/platform/change_observer.h"
#include "core/platform/files.h"
#include "core/platform/ini_document.h"
#include "core/platform/paths.h"

namespace tessera::profile {

namespace {

struct Stamp {
  dev_t device = 0;
  ino_t inode = 0;
  off_t size = -1;
  timespec modified{};
  timespec changed{};
  bool operator==(const Stamp& o) const {
    return device == o.device && inode == o.inode && size == o.size && modified.tv_sec == o.modified.tv_sec &&
           modified.tv_nsec == o.modified.tv_nsec && changed.tv_sec == o.changed.tv_sec &&
           changed.tv_nsec == o.changed.tv_nsec;
  }
};

std::optional<Stamp> stampOf(const std::string& path) {
  struct stat st{};
  if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
  return Stamp{st.st_dev, st.st_ino, st.st_size, st.st_mtim, st.st_ctim};
}

using DocumentPtr = std::shared_ptr<const IniDocument>;

// Parsed files by resolved path. Documents are immutable once cached, so readers share them
// without holding the lock.
class DocumentCache {
 public:
  DocumentPtr load(const std::string& path, const std::optional<Stamp>& stamp) {
    if (!stamp) return empty();
    {
      std::lock_guard lock(mutex_);
      const auto it = entries_.find(path);
      if (it != entries_.end() && it->second.stamp == *stamp) return it->second.document;
    }
    auto bytes = files::readAll(path);
    if (!bytes) return empty();
    auto document = std::make_shared<const IniDocument>(std::move(*bytes));
    // The file may have changed while it was read; only a stamp taken before and after that
    // agrees is worth keeping.
    if (const auto after = stampOf(path); after && *after == *stamp) store(path, *after, document);
    return document;
  }

  void store(const std::string& path, const Stamp& stamp, DocumentPtr document) {
    std::lock_guard lock(mutex_);
    if (entries_.size() >= kMaxEntries && !entries_.count(path)) entries_.erase(entries_.begin());
    entries_[path] = Entry{stamp, std::move(document)};
  }

  void clear() {
    std::lock_guard lock(mutex_);
    entries_.clear();
  }

  void forget(const std::string& path) {
    std::lock_guard lock(mutex_);
    entries_.erase(path);
  }

  // Writers serialise on this so two read-modify-write cycles never interleave.
  std::mutex& writeMutex() { return writeMutex_; }

 private:
  static constexpr std::size_t kMaxEntries = 256;
  struct Entry {
    Stamp stamp;
    DocumentPtr document;
  };
  static DocumentPtr empty() {
    static const DocumentPtr none = std::make_shared<const IniDocument>();
    return none;
  }
  std::mutex mutex_;
  std::mutex writeMutex_;
  std::unordered_map<std::string, Entry> entries_;
};

DocumentCache& cache() {
  static DocumentCache instance;
  return instance;
}

struct BatchState {
  int depth = 0;
  std::unordered_map<std::string, DocumentPtr> seen;
};
thread_local BatchState batch;

DocumentPtr checkedDocumentFor(const std::string& file);

DocumentPtr documentFor(const std::string& file) {
  if (batch.depth == 0) return checkedDocumentFor(file);
  const auto it = batch.seen.find(file);
  if (it != batch.seen.end()) return it->second;
  DocumentPtr doc = checkedDocumentFor(file);
  batch.seen.emplace(file, doc);
  return doc;
}

DocumentPtr checkedDocumentFor(const std::string& file) {
  // The common case is a path that exists as written: its stamp check is then the only system
  // call of a cached read. Otherwise the path is resolved case-insensitively first.
  if (auto stamp = stampOf(file)) return cache().load(file, *stamp);
  const std::string resolved = paths::resolve(file);
  if (resolved == file) return cache().load(file, std::nullopt);
  return cache().load(resolved, stampOf(resolved));
}

std::string_view stripQuotes(std::string_view value) {
  if (value.size() > 1 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

std::size_t copyText(std::string_view text, char* buffer, std::size_t size) {
  if (!buffer || size == 0) return 0;
  const std::size_t n = std::min(text.size(), size - 1);
  if (n > 0) std::memcpy(buffer, text.data(), n);  // an empty view may have no data at all
  buffer[n] = '\0';
  return n;
}

template <typename Items>
std::size_t copyList(const Items& items, char* buffer, std::size_t size) {
  if (!buffer || size == 0) return 0;
  if (size == 1) {
    buffer[0] = '\0';
    return 0;
  }
  std::size_t used = 0;
  for (const auto& item : items) {
    const std::string_view text(item);
    if (used + text.size() + 1 > size - 1) {
      // Does not fit: cut to size - 2 characters plus two NULs.
      const std::size_t room = std::min(size - 2 - used, text.size());
      if (room > 0) std::memcpy(buffer + used, text.data(), room);
      buffer[size - 2] = '\0';
      buffer[size - 1] = '\0';
      return size - 2;
    }
    if (!text.empty()) std::memcpy(buffer + used, text.data(), text.size());
    used += text.size();
    buffer[used++] = '\0';
  }
  buffer[used] = '\0';
  return used;
}

// Applies an edit to the file's current content and writes it back when it changed.
template <typename Edit>
// Applies `edit` to `file` and writes it back. Returns false when the write failed; `path` is the
// resolved file, and `changed` says whether anything was written.
bool modify(const std::string& file, Edit edit, std::string& path, bool& changed) {
  std::lock_guard lock(cache().writeMutex());
  path = paths::resolve(file);
  changed = false;
  IniDocument document(*cache().load(path, stampOf(path)));
  if (!edit(document)) return true;  // nothing to change is a success, as the profile API reports it
  changed = true;
  batch.seen.clear();  // this thread's later reads in a batch see its own write
  if (!files::writeAllAtomic(path, document.bytes())) return false;
  if (const auto stamp = stampOf(path)) {
    cache().store(path, *stamp, std::make_shared<const IniDocument>(std::move(document)));
  }
  return true;
}

}  // namespace

std::size_t GetString(OptionalText section, OptionalText key, OptionalText def, char* buffer, std::size_t size,
                      const std::string& file) {
  const DocumentPtr doc = documentFor(file);
  if (!section) return copyList(doc->sectionNames(), buffer, size);
  if (!key) return copyList(doc->keyNames(*section), buffer, size);
  if (const auto value = doc->value(*section, *key)) return copyText(stripQuotes(*value), buffer, size);
  std::string_view fallback = def.value_or(std::string_view{});
  while (!fallback.empty() && (fallback.back() == ' ' || fallback.back() == '\t')) fallback.remove_suffix(1);
  return copyText(fallback, buffer, size);
}

std::string ReadString(std::string_view section, std::string_view key, std::string_view def, const std::string& file,
                       std::size_t size) {
  if (size == kWholeValue) {
    if (auto value = FindValue(section, key, file)) return std::move(*value);
    while (!def.empty() && (def.back() == ' ' || def.back() == '\t')) def.remove_suffix(1);
    return std::string(def);
  }
  std::string buffer(size, '\0');
  const std::size_t n = GetString(section, key, def, buffer.data(), size, file);
  buffer.resize(n);
  return buffer;
}

std::optional<std::string> FindValue(std::string_view section, std::string_view key, const std::string& file) {
  if (const auto value = documentFor(file)->value(section, key)) return std::string(stripQuotes(*value));
  return std::nullopt;
}

unsigned int GetInt(std::string_view section, std::string_view key, int def, const std::string& file) {
  const std::string text = ReadString(section, key, "", file, 256);
  if (text.empty()) return static_cast<unsigned int>(def);
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  unsigned int result = 0;
  while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
    result = result * 10u + static_cast<unsigned int>(text[i++] - '0');
  }
  return negative ? 0u - result : result;
}

bool WriteString(OptionalText section, OptionalText key, OptionalText value, const std::string& file) {
  if (!section) return true;
  std::string path;
  bool changed = false;
  const bool written = modify(
      file,
      [&](IniDocument& doc) {
        if (!key) return doc.deleteSection(*section);
        if (!value) return doc.deleteKey(*section, *key);
        return doc.setValue(*section, *key, *value);
      },
      path, changed);
  // Told outside the cache's lock, so the listener may read the file.
  if (changed) {
    change_notice::keysWritten(path, std::string(*section), key ? std::vector<std::string>{std::string(*key)}
                                                                 : std::vector<std::string>{});
  }
  return written;
}

std::size_t GetSectionNames(char* buffer, std::size_t size, const std::string& file) {
  return copyList(documentFor(file)->sectionNames(), buffer, size);
}

std::vector<std::string> SectionNames(const std::string& file) {
  const DocumentPtr doc = documentFor(file);
  std::vector<std::string> names;
  for (const auto name : doc->sectionNames()) names.emplace_back(name);
  return names;
}

std::size_t GetSection(std::string_view section, char* buffer, std::size_t size, const std::string& file) {
  const auto entries = documentFor(file)->sectionEntries(section);
  return copyList(entries.value_or(std::vector<std::string>{}), buffer, size);
}

std::vector<std::string> ReadSection(std::string_view section, const std::string& file) {
  return documentFor(file)->sectionEntries(section).value_or(std::vector<std::string>{});
}

bool WriteSection(std::string_view section, const std::vector<std::string>& entries, const std::string& file) {
  std::string path;
  bool changed = false;
  const bool written = modify(file, [&](IniDocument& doc) { return doc.replaceSection(section, entries); }, path, changed);
  if (changed) change_notice::keysWritten(path, std::string(section), {});
  return written;
}

bool WriteSections(const std::vector<SectionWrite>& writes, const std::string& file, const std::vector<KeyWrite>& keys) {
  if (writes.empty() && keys.empty()) return true;
  std::string path;
  bool changed = false;
  std::vector<std::string> touched;
  std::vector<const KeyWrite*> keysTouched;
  const bool written = modify(
      file,
      [&](IniDocument& doc) {
        bool any = false;
        for (const SectionWrite& write : writes) {
          const bool edited = write.entries ? doc.replaceSection(write.section, *write.entries)
                                            : doc.deleteSection(write.section);
          if (edited) touched.push_back(write.section);
          any = any || edited;
        }
        for (const KeyWrite& key : keys) {
          const bool edited = doc.setValue(key.section, key.key, key.value);
          if (edited) keysTouched.push_back(&key);
          any = any || edited;
        }
        return any;
      },
      path, changed);
  if (changed) {
    for (const std::string& section : touched) change_notice::keysWritten(path, section, {});
    for (const KeyWrite* key : keysTouched) change_notice::keysWritten(path, key->section, {key->key});
  }
  return written;
}

bool WriteSection(std::string_view section, const char* list, const std::string& file) {
  std::vector<std::string> entries;
  if (list) {
    for (const char* p = list; *p; p += std::strlen(p) + 1) entries.emplace_back(p);
  }
  return WriteSection(section, entries, file);
}

void ClearCache() {
  cache().clear();
  batch.seen.clear();
}

void ForgetCachedFile(const std::string& file) {
  const std::string path = paths::resolve(file);
  cache().forget(path);
  batch.seen.erase(file);
  batch.seen.erase(path);
}

ReadBatch::ReadBatch() { ++batch.depth; }

ReadBatch::~ReadBatch() {
  if (--batch.depth == 0) batch.seen.clear();
}

std::vector<std::string> SplitList(const char* list, std::size_t length) {
  std::vector<std::string> items;
  std::size_t pos = 0;
  while (pos < length && list[pos] != '\0') {
    const std::size_t len = ::strnlen(list + pos, length - pos);
    items.emplace_back(list + pos, len);
    pos += len + 1;
  }
  return items;
}

}  // namespace tessera::profile
