#pragma once
// The skin the renderer draws: its main file, the companion files it names, and key reads that
// look a section up in whichever of those files holds it. The files are parsed by the platform's
// INI document and kept as snapshots; `refresh` (called at the start of every drawing) reads a
// file again when it changed on disk, so an edit shows at the next drawing.
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/platform/ini_document.h"

namespace tessera::render {

class SkinModel {
 public:
  SkinModel() = default;
  // `mainFile` is a full path to a .uis file (a working copy ending in "~" is fine); the skins
  // folder is the parent of the skin's own folder.
  // Files that `unchanged` has already read and that did not change on disk since are taken
  // over from it instead of being read again.
  explicit SkinModel(std::string mainFile, const SkinModel* unchanged = nullptr);

  bool isLoaded() const { return !mainFile_.empty(); }
  const std::string& mainFile() const { return mainFile_; }
  const std::string& skinsFolder() const { return skinsFolder_; }
  const std::string& skinFolder() const { return skinFolder_; }
  // Main file first, then the taskbar, shell and toolbar-icon companions that exist.
  const std::vector<std::string>& files() const { return files_; }

  // The first file that holds `section`, or the main file when none does.
  const std::string& fileFor(std::string_view section) const;
  bool hasSection(std::string_view section) const;

  std::optional<std::string> value(std::string_view section, std::string_view key) const;
  std::string text(std::string_view section, std::string_view key, std::string_view def = {}) const;
  // Leading-decimal integer as the profile engine reads it; missing or empty gives `def`.
  int integer(std::string_view section, std::string_view key, int def) const;
  bool flag(std::string_view section, std::string_view key) const { return integer(section, key, 0) == 1; }

  // A full path for a slot value (relative to the skins folder, either separator), resolved
  // case-insensitively; empty for an empty or unsafe value (one that would leave the folder).
  std::string resolveSlot(std::string_view slotValue) const;

  // Names of the sections of every file, main file first.
  std::vector<std::string> sectionNames() const;
  // Whether the main file was read and has at least one section.
  bool mainFileHasSections() const;

  // Reads again every file that changed on disk since it was read.
  void refresh();

 private:
  struct Snapshot {
    std::string path;
    long long modified = -1;
    long long size = -1;
    unsigned long long inode = 0;
    std::shared_ptr<const IniDocument> document;
  };
  const IniDocument* documentOf(std::size_t index) const;
  // Takes over the snapshots of `other` for the same paths; refresh() then drops what changed.
  void takeOverSnapshots(const SkinModel* other);

  std::string mainFile_;
  std::string skinsFolder_;
  std::string skinFolder_;
  std::vector<std::string> files_;
  std::vector<Snapshot> snapshots_;
};

}  // namespace tessera::render
