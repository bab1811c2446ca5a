#include "core/skin/new_skin.h"

#include "core/engine/engine_libraries.h"
#include "core/skin/skin_copy.h"
#include "core/skin/skin_list.h"
#include "core/skin/skin_names.h"

namespace tessera {

namespace {

constexpr const char* kInvalidNameCaption = "Invalid skin name";

NewSkinResult refusedName(std::string message, const char* caption) {
  return {NewSkinResult::Outcome::Refused, {}, std::move(message), caption};
}

NewSkinResult copyAndList(std::string_view skinsFolder, std::string_view newName, std::string_view sourceName,
                          bool fromTemplate, const SkinDatabase* database, const ProgressCallback& progress) {
  const CopySkinResult copy = CopySkin(skinsFolder, newName, sourceName, fromTemplate, database, progress);
  if (copy.cancelled) return {};
  if (!copy.copied) return {NewSkinResult::Outcome::Failed, {}, copy.message, "The skin could not be created"};
  if (database) database->CreateSkinList();
  return {NewSkinResult::Outcome::Created, std::string(newName), {}, {}};
}

}  // namespace

std::string TemplateName(SkinType type, bool vistaOrLater) {
  std::string name;
  switch (type) {
    case SkinType::Basic:
      name = "TemplateUIS1";
      break;
    case SkinType::Advanced:
      name = "TemplateUIS2";
      break;
    case SkinType::UIS0:
      name = "TemplateUIS0";
      break;
  }
  if (vistaOrLater) name += "_Vista";
  return name;
}

bool PlatformOffersWindowRegionCall() { return true; }

NewSkinResult CreateNewSkin(std::string_view skinsFolder, std::string_view name, SkinType type, bool vistaOrLater,
                            const SkinDatabase* database, const ProgressCallback& progress) {
  if (name.empty()) return {};
  if (name.size() > kMaxNewSkinNameLength) return refusedName(kNewSkinNameTooLongMessage, kInvalidNameCaption);
  if (const std::string problem = SkinNameProblem(name); !problem.empty()) {
    return refusedName(problem, kInvalidNameCaption);
  }
  if (SkinNameTaken(skinsFolder, name)) return refusedName(kNewSkinExistsMessage, kNameExistsCaption);
  return copyAndList(skinsFolder, name, TemplateName(type, vistaOrLater), true, database, progress);
}

NewSkinResult SaveSkinAs(std::string_view skinsFolder, std::string_view newName, std::string_view currentName,
                         const SkinDatabase* database, const ProgressCallback& progress) {
  if (newName.empty()) return {};
  if (const std::string problem = SkinNameProblem(newName); !problem.empty()) {
    return refusedName(problem, kInvalidNameCaption);
  }
  if (SkinNameTaken(skinsFolder, newName)) return refusedName(kSaveAsExistsMessage, kNameExistsCaption);
  return copyAndList(skinsFolder, newName, currentName, false, database, progress);
}

}  // namespace tessera
