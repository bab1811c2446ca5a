#include "core/image/image_import.h"

#include "core/image/image_file.h"
#include "core/image/reimport_list.h"
#include "core/platform/files.h"
#include "core/platform/paths.h"
#include "core/platform/profile.h"
#include "core/skin/skin_document.h"
#include "core/skin/skin_session.h"

namespace tessera {

ImportState OpenImport(ImportMode mode, std::string_view initialPath, std::string_view trackingSection) {
  ImportState state;
  state.mode = mode;
  state.trackingSection = std::string(trackingSection);
  state.path = std::string(initialPath);
  const std::string list = ReimportListPath();
  if (!list.empty() && !trackingSection.empty()) {
    state.reimport = profile::GetInt(trackingSection, "ReimportWhenNeeded", 1, list) != 0;
    state.name = profile::ReadString(trackingSection, "Name", "", list);
    state.ext = profile::ReadString(trackingSection, "ext", "", list);
  }
  return state;
}

void DeriveNameAndExt(std::string_view path, std::string& name, std::string& ext) {
  const std::size_t separator = paths::lastSeparator(path);
  const std::size_t fileStart = separator == std::string_view::npos ? 0 : separator + 1;
  const std::size_t dot = path.rfind('.');
  // A dot at the very start, or one inside a folder name, is no extension.
  if (dot == std::string_view::npos || dot == 0 || dot < fileStart) return;
  ext = std::string(path.substr(dot + 1));
  name = std::string(path.substr(fileStart, dot - fileStart));
}

void SetImportPath(ImportState& state, std::string_view path) {
  state.path = std::string(path);
  DeriveNameAndExt(path, state.name, state.ext);
  state.chosen = true;
}

ImportResult AcceptImport(const ImportState& state) {
  ImportResult result;
  if (!state.chosen) return result;
  if (SkinDocument* document = SkinDocument::current()) {
    document->nameAction(QStringLiteral("Import %1").arg(QString::fromStdString(std::string(paths::fileName(state.path)))));
  }
  const std::string skinFolder = OpenSkinFolder();
  const std::string& skinName = Session().skinName;
  if (skinFolder.empty() || !IsPlainFileName(state.name)) {
    result.outcome = ImportOutcome::SaveFailed;
    return result;
  }

  // An animation is copied as it is: no conversion, no re-import entry. Recognised by its
  // extension, whatever its letter case.
  const std::string& path = state.path;
  if (paths::upper(paths::extension(path)) == "ZOR") {
    if (!files::copyFile(path, paths::join(skinFolder, state.name + ".ZOR"), true)) {
      result.outcome = ImportOutcome::SaveFailed;
      return result;
    }
    result.outcome = ImportOutcome::ZorCopied;
    result.slotValue = skinName + "\\" + state.name + ".zor";
    return result;
  }

  const auto image = LoadImageFile(path);
  if (!image) {
    result.outcome = ImportOutcome::LoadFailed;
    return result;
  }
  const bool asBmp = paths::upper(state.ext) == "BMP" || !HasAlpha(*image);
  const std::string target = paths::join(skinFolder, state.name + (asBmp ? ".BMP" : ".TGA"));
  if (!SaveImageFile(target, *image, asBmp)) {
    result.outcome = ImportOutcome::SaveFailed;
    return result;
  }
  result.outcome = ImportOutcome::Imported;
  result.slotValue = skinName + "\\" + state.name + (asBmp ? ".bmp" : ".tga");

  const std::string list = ReimportListPath();
  if (state.reimport) {
    profile::WriteString(result.slotValue, "ReimportWhenNeeded", "1", list);
    profile::WriteString(result.slotValue, "SourceFile", path, list);
    profile::WriteString(result.slotValue, "Name", state.name, list);
    profile::WriteString(result.slotValue, "ext", paths::upper(state.ext), list);
    if (const auto time = files::lastWriteTime(path)) WriteStoredTime(result.slotValue, *time, list);
  } else {
    profile::WriteString(result.slotValue, std::nullopt, std::nullopt, list);
  }
  return result;
}

ImportResult QuickImport(std::string_view pickedPath, std::string_view trackingSection) {
  ImportState state = OpenImport(ImportMode::Quick, pickedPath, trackingSection);
  SetImportPath(state, pickedPath);
  return AcceptImport(state);
}

}  // namespace tessera
