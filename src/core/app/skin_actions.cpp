#include "core/app/skin_actions.h"

#include <QImage>
#include <chrono>
#include <memory>
#include <thread>

#include "core/app/preview_engine.h"
#include "core/app/qimage_bridge.h"
#include "core/image/reimport_list.h"
#include "core/image/reimport_pass.h"
#include "core/engine/engine_startup.h"
#include "core/image/image_file.h"
#include "core/platform/activity_report.h"
#include "core/platform/change_observer.h"
#include "core/platform/environment.h"
#include "core/platform/files.h"
#include "core/platform/paths.h"
#include "core/platform/profile.h"
#include "core/platform/prompt.h"
#include "core/platform/settings.h"
#include "core/platform/shell.h"
#include "core/skin/cached_renderings.h"
#include "core/skin/section_store.h"
#include "core/skin/skin_document.h"
#include "core/skin/skin_files.h"
#include "core/skin/skin_path_safety.h"
#include "core/skin/skin_session.h"

namespace tessera {

namespace {

// The undo journal of the open skin: from opening it to closing it.
std::unique_ptr<SkinDocument>& openDocument() {
  static std::unique_ptr<SkinDocument> document;
  return document;
}

std::string withoutTrailingSeparators(std::string_view path) {
  std::string native = paths::toNative(path);
  while (native.size() > 1 && native.back() == paths::kNativeSeparator) native.pop_back();
  return native;
}

// True for <skins folder>/<skin folder>/<file>, without ".." anywhere.
bool IsFileOfASkinFolder(std::string_view path, std::string_view skinsFolder) {
  if (!IsInsideFolder(path, skinsFolder)) return false;
  const std::string_view folder = paths::parentFolder(path);
  return IsSafeSkinName(paths::fileName(folder)) &&
         paths::equalsIgnoreCase(withoutTrailingSeparators(paths::parentFolder(folder)),
                                 withoutTrailingSeparators(skinsFolder));
}

}  // namespace

std::string SkinMainFilePath(const std::string& skinName) {
  return paths::join(paths::join(GetSkinsFolder(), skinName), skinName + ".uis");
}

void ResetSkin() {
  openDocument().reset();
  SkinSession& s = Session();
  s.mainFile.clear();
  s.skinName.clear();
  s.chosenSubStyle.clear();
  for (auto& companion : s.companionFiles) companion.clear();
  s.modified = 0;
}

void CloseSkin() {
  SkinSession& s = Session();
  if (s.isOpen() && s.modified != 0) {
    if (ReadSettingInt(settings::AutoSave) == 1 ||
        CurrentPrompt().askYesNo(kSaveQuestion, kSaveCaption) == PromptAnswer::Yes) {
      SaveSkinFiles();
    } else {
      DiscardWorkingCopies();
    }
  }
  ResetSkin();
}

bool SettleUnsavedChanges() {
  SkinSession& s = Session();
  if (!s.isOpen() || s.modified == 0) return true;
  if (ReadSettingInt(settings::AutoSave) == 1) return SaveSkinFiles();
  switch (CurrentPrompt().askYesNoCancel(kSaveQuestion, kSaveCaption)) {
    case PromptAnswer::Yes: return SaveSkinFiles();
    case PromptAnswer::No: DiscardWorkingCopies(); return true;
    case PromptAnswer::Cancel: break;
  }
  return false;
}

OpenResult OpenSkin(const std::string& pathToOpen, BeforeOpen before, const SubStyleChooser& chooseSubStyle) {
  // The path may be the open skin's own (a switch of sub-style): it is kept before that skin closes.
  // A path spelt in another letter case (the command line upper-cases it) opens the files under
  // their own names, so the skin is not named, and its working copies not made, in capitals.
  const std::string path = paths::resolve(pathToOpen);
  if (before == BeforeOpen::CommitThenReset) CommitSkinFiles();
  if (before != BeforeOpen::Nothing) ResetSkin();
  // The skin opened before closes: the new skin's session is set up for its own document.
  openDocument().reset();
  PendingSession() = SkinSession{};

  Preview().DestroyBitmaps_and_Masks();
  const std::string skinName = SkinNameFromPath(path);
  AddToSkinHistory(path, skinName);
  const std::string chosen = chooseSubStyle ? chooseSubStyle(skinName) : std::string();
  OpenSkinFiles(path, chosen);
  RunReimportPass();
  Preview().LoadUISFile(Session().mainFile, 0);

  OpenResult result;
  if (profile::SectionNames(Session().mainFile).empty()) {
    Session().mainFile.clear();
    return result;
  }
  result.opened = true;
  // The document takes over the session; recovered working copies stay modified.
  openDocument() = std::make_unique<SkinDocument>(paths::join(GetSkinsFolder(), skinName));
  result.document = openDocument().get();
  const std::string shownName = chosen.empty() ? skinName : std::string(paths::stem(chosen));
  result.title = "[" + shownName + "] - " + kPlainTitle;
  return result;
}

void RefreshPreview() {
  // Cached renderings and re-imported pictures follow from the skin; they are not edits.
  const ChangesUnobserved derived;
  Preview().DestroyBitmaps_and_Masks();
  RefreshDesktopColour();
  const SkinSession& s = Session();
  if (!s.skinName.empty()) {
    DeleteCachedRenderings(paths::join(GetSkinsFolder(), s.skinName), CachedRenderingExtensions());
  }
  RunReimportPass();
  Preview().LoadUISFile(s.mainFile, 0);
}

void ApplySkin() {
  SkinSession& s = Session();
  if (!s.isOpen()) return;
  CommitSkinFiles();
  const std::string name = ReadSkinString("TitlebarSkin", "SkinName", "Unknown", s.mainFile);
  std::string permanent = s.mainFile;
  if (!permanent.empty() && permanent.back() == '~') permanent.pop_back();
  WriteSetting(settings::SkinSet, permanent);
  WriteSetting(settings::SkinSet2, name);
  HandSkinToRenderer(RendererPath(), s.mainFile);
  std::this_thread::sleep_for(std::chrono::milliseconds(10));
  if (CurrentShell().start(LoaderProgramPath(), {})) {
    ReportActivity("Applied skin " + s.skinName + ".");
  } else {
    ReportActivity("Skin " + s.skinName + " was handed to the renderer, but the loader " + LoaderProgramPath() +
                   " could not be started.");
  }
}

std::string AppliedSkinPath() {
  const std::string skinSet = ReadSetting(settings::SkinSet);
  if (skinSet.empty()) return {};
  // The setting can be written by anything: only a file directly in a skin folder of the skins
  // folder is opened, since opening writes into the skin's files.
  const std::string skinsFolder = GetSkinsFolder();
  const std::string skinName(paths::fileName(paths::parentFolder(skinSet)));
  if (!IsFileOfASkinFolder(skinSet, skinsFolder)) {
    CurrentPrompt().inform("The applied skin \"" + skinSet + "\" is not in the skins folder \"" + skinsFolder +
                               "\", so it is not opened.",
                           "Open current Velarium skin");
    return {};
  }
  // A sub-style file (".sss") opens through the main file of its own folder; the display name in
  // SkinSet2 need not be the folder's name.
  std::string path = skinSet;
  if (skinSet.size() >= 2 && skinSet[skinSet.size() - 2] == 's') path = SkinMainFilePath(skinName);
  char buffer[1000];
  if (profile::GetSectionNames(buffer, sizeof buffer, path) == 0) return {};
  return path;
}

bool WriteThumbnail(int previewLeft, int previewTop, int previewRight, int previewBottom) {
  const SkinSession& s = Session();
  if (!s.isOpen()) return false;
  const ChangesUnobserved derived;
  const QImage thumbnail =
      ComposeSkinThumbnail(Preview(), VlRect{previewLeft, previewTop, previewRight, previewBottom}, s.hasButtonCount == 1,
                           ReadSkinString("TitlebarSkin", "SkinName", s.skinName, s.mainFile),
                           QColor(RedOf(s.desktopColour), GreenOf(s.desktopColour), BlueOf(s.desktopColour)));
  const auto image = FromQImage(thumbnail);
  if (!image) return false;
  const std::string target = paths::join(paths::join(GetSkinsFolder(), s.skinName), "TSRPreview.png");
  return SaveImagePng(*image, target) == 0;
}

}  // namespace tessera
