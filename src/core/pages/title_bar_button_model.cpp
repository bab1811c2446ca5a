#include "core/pages/title_bar_button_model.h"

#include <QString>
#include <algorithm>
#include <charconv>
#include <limits>
#include <optional>
#include <set>

#include "core/platform/paths.h"
#include "core/platform/profile.h"
#include "core/platform/profile_sections.h"
#include "core/skin/section_store.h"
#include "core/skin/skin_document.h"
#include "core/skin/skin_session.h"

namespace tessera {

namespace {

constexpr std::size_t kRowTextBytes = 256;  // a 255-character row text

int readInt(std::string_view section, std::string_view key, int def) {
  return static_cast<int>(ReadSkinInt(section, key, def, Session().mainFile));
}

// The index of a section named "Button<digits>" (no sign, no leading zero); nullopt otherwise.
std::optional<int> buttonIndexOf(std::string_view name) {
  constexpr std::string_view prefix = "button";
  if (name.size() <= prefix.size() || !paths::equalsIgnoreCase(name.substr(0, prefix.size()), prefix)) return {};
  const std::string_view digits = name.substr(prefix.size());
  if (digits.size() > 9 || digits[0] < '0' || digits[0] > '9' || (digits.size() > 1 && digits[0] == '0')) return {};
  int value = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (error != std::errc{} || end != digits.data() + digits.size()) return {};
  return value;
}

// Indices of the button sections the main file holds.
std::set<int> existingButtonSections(const std::string& file) {
  std::set<int> indices;
  for (const std::string& name : profile::SectionNames(file)) {
    if (const auto index = buttonIndexOf(name)) indices.insert(*index);
  }
  return indices;
}

// A write that gives section Button<to> the content Button<from> had (deleting it when Button<from>
// does not exist).
profile::SectionWrite moveContent(const std::set<int>& existing, int from, int to, const std::string& file) {
  profile::SectionWrite write{ButtonSectionName(to), std::nullopt};
  if (existing.count(from)) write.entries = profile::ReadSection(ButtonSectionName(from), file);
  return write;
}

}  // namespace

ButtonLayout CurrentButtonLayout() {
  return Session().hasButtonCount == 1 ? ButtonLayout::Personality : ButtonLayout::Caption;
}

const char* ButtonCountSection(ButtonLayout layout) {
  return layout == ButtonLayout::Personality ? "Personality" : "Caption";
}

std::string ButtonSectionName(int index) { return "Button" + std::to_string(index); }

TitleBarButtonModel::TitleBarButtonModel(ButtonLayout layout) : layout_(layout) {}
TitleBarButtonModel::TitleBarButtonModel() : layout_(CurrentButtonLayout()) {}

int TitleBarButtonModel::storedCount() const {
  return std::max(0, readInt(ButtonCountSection(layout_), "ButtonCount", 0));
}

int TitleBarButtonModel::count() const { return std::min(storedCount(), kMaxListedButtons); }

int TitleBarButtonModel::defaultFrameCount() const {
  if (personalityLayout() && readInt("Personality", "TripleImages", 0) != 0) return 6;
  return 3;
}

std::vector<TitleBarButtonRow> TitleBarButtonModel::rows() const {
  profile::ReadBatch batch;
  const std::string& file = Session().mainFile;
  const int n = count();
  const int defaultFrames = defaultFrameCount();
  std::vector<TitleBarButtonRow> rows;
  rows.reserve(static_cast<std::size_t>(n));
  for (int i = 0; i < n; ++i) {
    const std::string section = ButtonSectionName(i);
    TitleBarButtonRow row;
    row.index = i;
    row.image = ReadSkinString(section, "ButtonImage", "", file, kRowTextBytes);
    row.action = readInt(section, "Action", 0);
    row.frameCount = std::max(1, readInt(section, "FrameCount", defaultFrames));
    rows.push_back(std::move(row));
  }
  return rows;
}

void TitleBarButtonModel::writeCount(int count) const {
  WriteSkinString(ButtonCountSection(layout_), "ButtonCount", std::to_string(count), Session().mainFile);
}

int TitleBarButtonModel::add() const {
  SkinDocument::Step step(SkinDocument::current(), QStringLiteral("Add title-bar button"));
  const int stored = storedCount();
  if (stored == std::numeric_limits<int>::max()) return count() - 1;
  writeCount(stored + 1);
  return count() - 1;
}

int TitleBarButtonModel::remove(int row) const {
  const int stored = storedCount();
  if (row < 0 || row >= count()) return count() - 1;
  SkinDocument::Step step(SkinDocument::current(), QStringLiteral("Delete title-bar button"));
  const std::string& file = Session().mainFile;
  std::vector<profile::SectionWrite> writes;
  {
    profile::ReadBatch batch;
    const std::set<int> existing = existingButtonSections(file);
    // Button<i> takes Button<i+1>'s content for every i from `row` on where either exists; the
    // walk follows the sections the file holds, so a count far beyond them costs nothing.
    std::set<int> targets{row};
    for (int index : existing) {
      if (index > row && index < stored) {
        targets.insert(index - 1);
        targets.insert(index);
      }
    }
    for (int target : targets) {
      if (target >= stored - 1) continue;
      writes.push_back(moveContent(existing, target + 1, target, file));
    }
    writes.push_back({ButtonSectionName(stored - 1), std::nullopt});
  }
  // The count goes in the same write when the count's section lives in the main file, as it does
  // unless a catalogue routes it elsewhere.
  const char* countSection = ButtonCountSection(layout_);
  if (SkinFileForSection(countSection) == file && SkinWritesEnabled()) {
    profile::WriteSections(writes, file, {{countSection, "ButtonCount", std::to_string(stored - 1)}});
  } else {
    profile::WriteSections(writes, file);
    writeCount(stored - 1);
  }
  return count() - 1;
}

int TitleBarButtonModel::moveUp(int row) const {
  if (row <= 0 || row >= count()) return row;
  SkinDocument::Step step(SkinDocument::current(), QStringLiteral("Move title-bar button up"));
  const std::string& file = Session().mainFile;
  std::vector<profile::SectionWrite> writes;
  {
    profile::ReadBatch batch;
    const std::set<int> existing = existingButtonSections(file);
    writes.push_back(moveContent(existing, row, row - 1, file));
    writes.push_back(moveContent(existing, row - 1, row, file));
  }
  profile::WriteSections(writes, file);
  return row - 1;
}

int TitleBarButtonModel::moveDown(int row) const {
  if (row < 0 || row + 1 >= count()) return row;
  SkinDocument::Step step(SkinDocument::current(), QStringLiteral("Move title-bar button down"));
  const std::string& file = Session().mainFile;
  std::vector<profile::SectionWrite> writes;
  {
    profile::ReadBatch batch;
    const std::set<int> existing = existingButtonSections(file);
    writes.push_back(moveContent(existing, row + 1, row, file));
    writes.push_back(moveContent(existing, row, row + 1, file));
  }
  profile::WriteSections(writes, file);
  return row + 1;
}

}  // namespace tessera
