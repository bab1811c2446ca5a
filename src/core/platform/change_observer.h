#pragma once
// One listener hears of every change the core makes to files: the open skin's document, which
// keeps an undo journal of them and tells the windows what changed. Files and the profile engine
// call it at their doors (atomic writes, copies, moves, deletions, key and section writes), so no
// change to a skin can slip past it.
#include <string>
#include <vector>

namespace tessera {

class ChangeObserver {
 public:
  virtual ~ChangeObserver() = default;
  // `path` (resolved) is about to be created, overwritten or deleted.
  virtual void fileWillChange(const std::string& path) = 0;
  // `path` was created, overwritten or deleted.
  virtual void fileChanged(const std::string& path) = 0;
  // Keys of `section` in INI file `path` were written or deleted; no keys: the whole section.
  virtual void keysWritten(const std::string& path, const std::string& section, const std::vector<std::string>& keys) = 0;
};

// Installs `observer` (nullptr: none); returns the previous one.
ChangeObserver* InstallChangeObserver(ChangeObserver* observer);

// While one lives on this thread, changes are not reported: work whose results are derived rather
// than edited (saving, the re-import pass, cached renderings, the thumbnail) and the journal's own
// restores.
class ChangesUnobserved {
 public:
  ChangesUnobserved();
  ~ChangesUnobserved();
  ChangesUnobserved(const ChangesUnobserved&) = delete;
  ChangesUnobserved& operator=(const ChangesUnobserved&) = delete;
};

namespace change_notice {
// The door calls: no-ops without an observer, inside ChangesUnobserved, or off the thread that
// installed the observer (workers never edit a skin).
void fileWillChange(const std::string& path);
void fileChanged(const std::string& path);
void keysWritten(const std::string& path, const std::string& section, const std::vector<std::string>& keys);
}  // namespace change_notice

}  // namespace tessera
