#include "core/skin/skin_files.h"

#include <algorithm>
#include <charconv>
#include <set>

#include "core/colours/colour_value.h"
#include "core/platform/activity_report.h"
#include "core/platform/change_observer.h"
#include "core/platform/environment.h"
#include "core/platform/files.h"
#include "core/platform/ini_document.h"
#include "core/platform/paths.h"
#include "core/platform/profile.h"
#include "core/platform/prompt.h"
#include "core/platform/settings.h"
#include "core/skin/section_store.h"
#include "core/skin/skin_document.h"
#include "core/skin/skin_path_safety.h"
#include "core/skin/skin_session.h"

namespace tessera {

std::string SkinNameFromPath(std::string_view path) { return std::string(paths::stem(path)); }

ColorRef ReadDesktopColour(const std::string& file) {
  const std::string text = profile::ReadString("Colours", "Background", "", file);
  return text.empty() ? PlatformSystemColour(kDesktopColourIndex) : ParseColourText(text);
}

bool IsFramelessSkin(const std::string& file) {
  // The default "ZZ" is two characters, so a missing key and a value of one or two characters
  // both count as no frame.
  if (profile::ReadString("Personality", "Top", "ZZ", file).size() >= 3) return false;
  if (profile::ReadString("TitlebarSkin", "ActiveTitle", "ZZ", file).size() >= 3) return false;
  if (profile::ReadString("Borders", "HorzFrame", "ZZ", file).size() >= 3) return false;
  return profile::GetInt("DWM", "UseDWMFrames", 0, file) == 1;
}

void RefreshDesktopColour() {
  SkinSession& s = Session();
  if (s.isOpen()) s.desktopColour = ReadDesktopColour(s.mainFile);
}

namespace {

constexpr std::array<std::size_t, 3> kCopyOrder = {1, 2, 0};  // shell, toolbar icons, taskbar
constexpr std::array<std::size_t, 3> kRewriteOrder = {0, 2, 1};  // XPTaskbar, ToolbarIcons, XPShell

std::string withWorkingMark(const std::string& path) { return path + "~"; }

// The permanent form of a working main file: its companion File values without the "~".
std::string PermanentMainBytes(std::string working) {
  IniDocument document(std::move(working));
  for (const std::size_t i : kRewriteOrder) {
    const char* section = kCompanionRoles[i].section;
    const auto value = document.value(section, "File");
    if (!value) continue;
    std::string text(*value);
    if (text.size() > 1 && (text.front() == '"' || text.front() == '\'') && text.back() == text.front()) {
      text = text.substr(1, text.size() - 2);
    }
    if (!text.empty() && text.back() == '~') document.setValue(section, "File", text.substr(0, text.size() - 1));
  }
  return document.bytes();
}

// Main working files this process made or took over: their differences are this run's own, not
// an earlier session's (a declined save followed by "Switch substyle" or a recent skin).
std::set<std::string>& WorkingCopiesOfThisRun() {
  static std::set<std::string> paths;
  return paths;
}

// A working copy holds changes of an earlier session when it differs from its permanent file and
// was written after it: a session that ended without committing or discarding (a crash, a kill).
bool HoldsUnsavedChanges(const std::string& permanent, bool isMain) {
  const std::string working = withWorkingMark(permanent);
  const auto workingTime = files::lastWriteTime(working);
  const auto permanentTime = files::lastWriteTime(permanent);
  if (!workingTime || !permanentTime || workingTime->value() <= permanentTime->value()) return false;
  const auto workingBytes = files::readAll(working);
  const auto permanentBytes = files::readAll(permanent);
  if (!workingBytes || !permanentBytes) return false;
  return (isMain ? PermanentMainBytes(*workingBytes) : *workingBytes) != *permanentBytes;
}

}  // namespace

void OpenSkinFiles(const std::string& path, const std::string& chosenSubStyle, WorkingCopies existing) {
  SkinSession& s = Session();
  s.mainFile.clear();
  s.skinName = SkinNameFromPath(path);
  s.openedPath = path;
  s.chosenSubStyle = chosenSubStyle;

  const std::string skinsFolder = GetSkinsFolder();
  const std::string skinFolder = paths::join(skinsFolder, s.skinName);
  std::string main = chosenSubStyle.empty() ? path : paths::join(skinFolder, chosenSubStyle);
  const std::string base = chosenSubStyle.empty() ? s.skinName : std::string(paths::stem(chosenSubStyle));

  s.framelessSkin = IsFramelessSkin(main) ? 1 : 0;

  const bool mainHasSections = !profile::SectionNames(main).empty();
  auto companionValue = [&](const CompanionRole& role) {
    const std::string defaultValue = s.skinName + "\\" + base + role.extension;
    const std::string value = profile::ReadString(role.section, "File", "", main);
    // A value that would lead out of the skins folder is not followed.
    return value.empty() || !IsSafeRelativePath(value) ? defaultValue : value;
  };

  // Working copies left by a session that never committed nor discarded them are offered back
  // before anything is written, so neither answer loses them unasked.
  bool recovered = false;
  const bool madeThisRun = WorkingCopiesOfThisRun().contains(withWorkingMark(main));
  if (existing == WorkingCopies::Remake && mainHasSections && !madeThisRun) {
    bool unsaved = HoldsUnsavedChanges(main, true);
    for (const CompanionRole& role : kCompanionRoles) {
      unsaved = unsaved || HoldsUnsavedChanges(paths::join(skinsFolder, companionValue(role)), false);
    }
    recovered = unsaved && CurrentPrompt().askYesNo(kRecoverQuestion, "Recover changes?") == PromptAnswer::Yes;
  }
  const bool keep = existing == WorkingCopies::KeepExisting || recovered;

  // Companion files: a missing File key gets its default name in the permanent main file. A
  // missing or empty file gets nothing, so that it stays a file without sections (no skin) and
  // opening a wrong path never creates a skin file.
  for (std::size_t i = 0; i < kCompanionRoles.size(); ++i) {
    const CompanionRole& role = kCompanionRoles[i];
    const std::string defaultValue = s.skinName + "\\" + base + role.extension;
    std::string value = profile::ReadString(role.section, "File", "", main);
    if (value.empty() && mainHasSections) {
      profile::WriteString(role.section, "File", defaultValue, main);
      value = profile::ReadString(role.section, "File", "", main);
    }
    // A value that would lead out of the skins folder is not followed.
    if (!IsSafeRelativePath(value)) value = defaultValue;
    s.companionFiles[i] = paths::join(skinsFolder, value);
  }

  // Working copies: main, then shell, toolbar icons, taskbar.
  if (!keep || !files::isFile(withWorkingMark(main))) files::copyFile(main, withWorkingMark(main), true);
  s.mainFile = withWorkingMark(main);
  WorkingCopiesOfThisRun().insert(s.mainFile);
  for (const std::size_t i : kCopyOrder) {
    std::string& companion = s.companionFiles[i];
    const std::string working = withWorkingMark(companion);
    if (keep && files::isFile(working)) {
      // An open editor's copy, possibly with edits of its own.
    } else if (files::isFile(companion)) {
      files::copyFile(companion, working, true);
    } else {
      // No permanent file: a working copy left from an earlier session must not pose as it.
      files::deleteFile(working);
    }
    companion = working;
  }

  // The working main file points at the working companions.
  for (const std::size_t i : kRewriteOrder) {
    if (!mainHasSections) break;
    const CompanionRole& role = kCompanionRoles[i];
    std::string value = profile::ReadString(role.section, "File", "", s.mainFile);
    if (!IsSafeRelativePath(value) || value.empty()) value = s.skinName + "\\" + base + role.extension;
    // A kept working file already names the working companions.
    if (!value.ends_with('~')) profile::WriteString(role.section, "File", value + "~", s.mainFile);
  }

  s.desktopColour = ReadDesktopColour(s.mainFile);
  s.hasButtonCount = static_cast<int>(profile::GetInt("Personality", "ButtonCount", -1, s.mainFile)) != -1 ? 1 : 0;
  s.hasNoButtonCount = s.hasButtonCount ? 0 : 1;
  // Fresh copies hold nothing to save; recovered ones hold what the earlier session did not save.
  if (existing == WorkingCopies::Remake) s.modified = recovered ? 1 : 0;
}

void CommitSkinFiles() {
  SkinSession& s = Session();
  if (s.skinName.empty() || s.modified == 0 || s.mainFile.empty()) return;
  if (ReadSettingInt(settings::AutoSave) != 1 &&
      CurrentPrompt().askYesNo(kSaveQuestion, kSaveCaption) != PromptAnswer::Yes) {
    return;
  }
  SaveSkinFiles();
}

void DiscardWorkingCopies() {
  const ChangesUnobserved closing;
  SkinSession& s = Session();
  for (const std::string& working : s.companionFiles) {
    if (working.size() > 1 && working.back() == '~') files::deleteFile(working);
  }
  if (s.mainFile.size() > 1 && s.mainFile.back() == '~') files::deleteFile(s.mainFile);
  s.modified = 0;
}

bool SaveSkinFiles() {
  SkinSession& s = Session();
  if (s.skinName.empty() || s.mainFile.empty()) return true;
  // Saving is not an edit: the permanent files are not journalled, and the journal's clean state
  // moves here.
  const ChangesUnobserved saving;

  // The permanent main file is written once, with its File values already pointing at the
  // permanent companions, so no moment exists in which it names the working copies.
  const std::string permanentMain = s.mainFile.substr(0, s.mainFile.size() - 1);
  const auto working = files::readAll(s.mainFile);
  bool saved = working.has_value() && files::writeAllAtomic(permanentMain, PermanentMainBytes(*working));
  for (const std::size_t i : kCopyOrder) {
    const std::string& companion = s.companionFiles[i];
    if (companion.size() < 2 || !files::isFile(companion)) continue;
    if (!files::copyFile(companion, companion.substr(0, companion.size() - 1), true)) saved = false;
  }
  if (!saved) {
    CurrentPrompt().inform("The skin could not be saved. Your changes are kept in the working copies (files ending in \"~\").",
                           "Save failed");
    // Whoever opens this skin next, in this run or a later one, is offered these copies back.
    WorkingCopiesOfThisRun().erase(s.mainFile);
    ReportActivity("Saving skin " + s.skinName + " failed; the changes are kept in the working copies.");
    return false;
  }
  s.modified = 0;
  if (SkinDocument* document = SkinDocument::current()) document->markSaved();
  ReportActivity("Saved skin " + s.skinName + ".");
  return true;
}

}  // namespace tessera
