#include "core/skin/substyle_manager.h"

#include <algorithm>

#include "core/platform/environment.h"
#include "core/platform/files.h"
#include "core/platform/paths.h"
#include "core/platform/profile.h"
#include "core/platform/prompt.h"
#include "core/skin/skin_names.h"
#include "core/skin/skin_path_safety.h"

namespace tessera {

namespace {

std::size_t sectionBytes(const std::vector<std::string>& entries) {
  std::size_t total = 1;  // the list's closing NUL
  for (const auto& entry : entries) total += entry.size() + 1;
  return total;
}

// Sub-style files live in the skin's own folder: a name that is not a folder of the skins folder
// is never written to.
constexpr const char* kNotASkinName = "That is not the name of a skin.";

SubStyleResult refused(std::string message, int selectedRow) { return {false, std::move(message), selectedRow}; }

// The Vista and 7 defaults name a sub-style by its index, so they follow it when rows move:
// `mapIndex` gives an index's new value (-1: the sub-style is gone). Unchanged keys are not written.
template <typename MapIndex>
void FollowDefaults(const std::string& ssd, MapIndex mapIndex) {
  for (const char* key : {"VistaDefault", "Win7Default"}) {
    const int index = static_cast<int>(profile::GetInt(kSubStylesSection, key, -1, ssd));
    if (index < 0) continue;
    const int moved = mapIndex(index);
    if (moved != index) profile::WriteString(kSubStylesSection, key, std::to_string(moved), ssd);
  }
}

}  // namespace

std::string SubStyleRow::label() const {
  std::string text = displayName;
  if (vistaDefault) text += kVistaDefaultMarker;
  if (win7Default) text += kWin7DefaultMarker;
  return text;
}

SubStyleManager::SubStyleManager(std::string_view skinsFolder, std::string_view skinName)
    : file_(skinsFolder, skinName) {}

bool SubStyleManager::hasSubStyles() const { return file_.number() > 0; }

int SubStyleManager::rowCount() const { return hasSubStyles() ? std::min(file_.number(), kMaxListedSubStyles) : 1; }

std::vector<SubStyleRow> SubStyleManager::rows() const {
  std::vector<SubStyleRow> rows;
  if (!hasSubStyles()) {
    SubStyleRow row;
    row.rowText = file_.skinName() + ".uis";
    row.displayName = file_.skinDisplayName(row.rowText);
    rows.push_back(std::move(row));
    return rows;
  }
  const int vista = file_.vistaDefault();
  const int seven = file_.win7Default();
  for (const auto& style : file_.subStyles()) {
    rows.push_back({style.index, style.skin, style.name, style.index == vista, style.index == seven});
  }
  return rows;
}

SubStyleButtons SubStyleManager::buttonsFor(int selectedRow) const {
  SubStyleButtons b;
  const int n = rowCount();
  if (selectedRow < 0 || selectedRow >= n) return b;
  const bool subStyles = hasSubStyles();
  b.rename = subStyles;
  b.remove = n >= 2;
  b.up = selectedRow >= 2;
  b.down = selectedRow >= 1 && selectedRow <= n - 2;
  b.makeVistaDefault = subStyles;
  b.make7Default = subStyles;
  return b;
}

std::vector<SubStyleBase> SubStyleManager::baseChoices() const {
  std::vector<SubStyleBase> choices;
  if (!hasSubStyles()) {
    choices.push_back({kExistingSkinEntry, -1});
    return choices;
  }
  for (const auto& style : file_.subStyles()) choices.push_back({style.name, style.index});
  return choices;
}

SubStyleResult SubStyleManager::create(std::string_view name, int baseItemData) {
  if (!IsSafeSkinName(file_.skinName())) return refused(kNotASkinName, 0);
  if (const std::string problem = SkinNameProblem(name); !problem.empty()) return refused(problem, 0);
  const std::string newFile = std::string(name) + ".sss";
  for (const auto& style : file_.subStyles()) {
    if (paths::equalsIgnoreCase(style.skin, newFile)) return refused("A substyle with that name already exists.", 0);
  }
  if (hasSubStyles() && file_.number() >= kMaxManagedSubStyles) {
    return refused("A skin can have at most " + std::to_string(kMaxManagedSubStyles) + " substyles.", 0);
  }
  std::string source = file_.skinName() + ".uis";
  if (baseItemData >= 0) {
    if (!hasSubStyles() || baseItemData >= file_.number()) return refused("Please pick the substyle to base it on.", 0);
    source = file_.subStyle(baseItemData).skin;
    if (!IsSubStyleFileName(source)) return refused("The chosen substyle does not name a file of this skin.", 0);
  }

  const std::string& ssd = file_.path();
  if (!hasSubStyles()) {
    profile::WriteString(kSubStylesSection, "Number", "1", ssd);
    profile::WriteString(SubStyleSection(0), "Skin", file_.skinName() + ".uis", ssd);
    profile::WriteString(SubStyleSection(0), "Name", file_.skinDisplayName("Unknown"), ssd);
  }
  const int r = file_.number();
  profile::WriteString(kSubStylesSection, "Number", std::to_string(r + 1), ssd);
  profile::WriteString(SubStyleSection(r), "Name", name, ssd);
  profile::WriteString(SubStyleSection(r), "Skin", newFile, ssd);

  const std::string target = file_.fileInSkinFolder(newFile);
  files::copyFile(file_.fileInSkinFolder(source), target, false);

  // The new sub-style gets companions of its own, copied from those of its base.
  const std::string skinsFolder(paths::parentFolder(file_.skinFolder()));
  const struct {
    const char* section;
    const char* extension;
  } companions[] = {{"XPTaskbar", ".xp"}, {"XPShell", ".xps"}};
  for (const auto& companion : companions) {
    const std::string value = profile::ReadString(companion.section, "File", "", target);
    if (value.empty()) continue;
    const std::string companionName = std::string(name) + companion.extension;
    if (IsSafeRelativePath(value)) {
      files::copyFile(paths::join(skinsFolder, value), file_.fileInSkinFolder(companionName), true);
    }
    profile::WriteString(companion.section, "File", file_.skinName() + "\\" + companionName, target);
  }
  return {true, {}, r};
}

SubStyleResult SubStyleManager::rename(int row, std::string_view displayName) {
  if (!IsSafeSkinName(file_.skinName())) return refused(kNotASkinName, std::max(row, 0));
  if (!hasSubStyles() || row < 0 || row >= rowCount()) return refused({}, std::max(row, 0));
  if (displayName.empty()) return refused("Please enter a name.", row);
  profile::WriteString(SubStyleSection(row), "Name", displayName, file_.path());
  return {true, {}, row};
}

bool SubStyleManager::readAllSections(int n, std::vector<std::vector<std::string>>& sections,
                                      std::string& message) const {
  if (n > kMaxManagedSubStyles) {
    message = "This skin has more than " + std::to_string(kMaxManagedSubStyles) +
              " substyles; they cannot be reordered or deleted here.";
    return false;
  }
  sections.clear();
  for (int i = 0; i < n; ++i) {
    sections.push_back(profile::ReadSection(SubStyleSection(i), file_.path()));
    if (sectionBytes(sections.back()) > kMaxSubStyleSectionBytes) {
      message = "The entry of substyle " + std::to_string(i) + " is too large to be moved.";
      return false;
    }
  }
  return true;
}

SubStyleResult SubStyleManager::remove(int row) {
  if (!IsSafeSkinName(file_.skinName())) return refused(kNotASkinName, std::max(row, 0));
  const int n = rowCount();
  if (!hasSubStyles() || n < 2 || row < 0 || row >= n) return refused({}, std::max(row, 0));
  std::vector<std::vector<std::string>> sections;
  std::string message;
  if (!readAllSections(n, sections, message)) return refused(message, row);
  if (CurrentPrompt().askYesNo(kDeleteSubStyleQuestion, kDeleteSubStyleCaption) != PromptAnswer::Yes) {
    return refused({}, row);
  }

  const std::string& ssd = file_.path();
  if (row == 0) {
    // The second sub-style becomes the main file. The main file is replaced only by a copy that
    // exists, so a missing sub-style file cannot leave the skin without its main file.
    const std::string second = file_.subStyle(1).skin;
    const std::string mainName = file_.skinName() + ".UIS";
    if (!IsSubStyleFileName(second) || !files::isFile(file_.fileInSkinFolder(second))) {
      return refused("The file of the second substyle is missing, so the first cannot be deleted.", row);
    }
    if (!files::copyFile(file_.fileInSkinFolder(second), file_.fileInSkinFolder(mainName), true)) {
      return refused("The main skin file could not be replaced.", row);
    }
    profile::WriteString(SubStyleSection(1), "Skin", mainName, ssd);
    sections[1] = profile::ReadSection(SubStyleSection(1), ssd);
  }

  int out = 0;
  for (int i = 0; i < n; ++i) {
    if (i == row) continue;
    profile::WriteSection(SubStyleSection(out++), sections[static_cast<std::size_t>(i)], ssd);
  }
  profile::WriteString(SubStyleSection(n - 1), std::nullopt, std::nullopt, ssd);
  // A deleted default is no default at all, not the sub-style that moves into its place.
  FollowDefaults(ssd, [row](int index) { return index == row ? -1 : index > row ? index - 1 : index; });

  const int m = file_.number();
  profile::WriteString(kSubStylesSection, "Number", std::to_string(m - 1), ssd);
  if (m == 2) files::deleteFile(ssd);
  return {true, {}, std::min(row, n - 2)};
}

SubStyleResult SubStyleManager::swapRows(int row, int other) {
  if (!IsSafeSkinName(file_.skinName())) return refused(kNotASkinName, std::max(row, 0));
  const int n = rowCount();
  std::vector<std::vector<std::string>> sections;
  std::string message;
  if (!readAllSections(n, sections, message)) return refused(message, row);
  std::swap(sections[static_cast<std::size_t>(row)], sections[static_cast<std::size_t>(other)]);
  for (int i = 0; i < n; ++i) profile::WriteSection(SubStyleSection(i), sections[static_cast<std::size_t>(i)], file_.path());
  FollowDefaults(file_.path(), [row, other](int index) { return index == row ? other : index == other ? row : index; });
  return {true, {}, other};
}

SubStyleResult SubStyleManager::moveUp(int row) {
  if (!buttonsFor(row).up) return refused({}, std::max(row, 0));
  return swapRows(row, row - 1);
}

SubStyleResult SubStyleManager::moveDown(int row) {
  if (!buttonsFor(row).down) return refused({}, std::max(row, 0));
  return swapRows(row, row + 1);
}

SubStyleResult SubStyleManager::makeVistaDefault(int row) {
  if (!IsSafeSkinName(file_.skinName())) return refused(kNotASkinName, std::max(row, 0));
  if (!buttonsFor(row).makeVistaDefault) return refused({}, std::max(row, 0));
  profile::WriteString(kSubStylesSection, "VistaDefault", std::to_string(row), file_.path());
  return {true, {}, row};
}

SubStyleResult SubStyleManager::make7Default(int row) {
  if (!IsSafeSkinName(file_.skinName())) return refused(kNotASkinName, std::max(row, 0));
  if (!buttonsFor(row).make7Default) return refused({}, std::max(row, 0));
  profile::WriteString(kSubStylesSection, "Win7Default", std::to_string(row), file_.path());
  return {true, {}, row};
}

}  // namespace tessera
