// The skin database stand-in: the installed skins are the folders n of the skins folder that hold
// n.uis (in any letter case).
#include <algorithm>
#include <mutex>
#include <string>
#include <vector>

#include "core/engine/vl_abi.h"
#include "core/platform/environment.h"
#include "core/platform/files.h"
#include "core/platform/paths.h"

namespace {

std::mutex listMutex;
std::vector<std::string> skinList;
bool listBuilt = false;

bool isSkinFolder(const std::string& skinsFolder, const std::string& name) {
  if (tessera::files::isWorkFolderName(name)) return false;  // a copy not yet complete
  return tessera::files::isFile(tessera::paths::join(tessera::paths::join(skinsFolder, name), name + ".uis"));
}

void rebuild() {
  skinList.clear();
  const std::string skinsFolder = tessera::GetSkinsFolderFresh();
  for (const auto& name : tessera::files::listFolders(skinsFolder)) {
    if (isSkinFolder(skinsFolder, name)) skinList.push_back(name);
  }
  std::sort(skinList.begin(), skinList.end(),
            [](const std::string& a, const std::string& b) { return tessera::paths::upper(a) < tessera::paths::upper(b); });
  listBuilt = true;
}

}  // namespace

extern "C" {

VL_EXPORT void CreateSkinList(void) {
  std::lock_guard lock(listMutex);
  rebuild();
}

VL_EXPORT void PopulateSkinList(VlListSink comboSink, void* comboContext, VlListSink listSink, void* listContext,
                                int /*flags*/) {
  std::lock_guard lock(listMutex);
  if (!listBuilt) rebuild();
  for (const auto& name : skinList) {
    if (comboSink) comboSink(comboContext, name.c_str());
    if (listSink) listSink(listContext, name.c_str());
  }
}

VL_EXPORT void InsertNewSkin(const char* skinName) {
  if (!skinName || !*skinName) return;
  std::lock_guard lock(listMutex);
  if (!listBuilt) rebuild();
  const std::string name(skinName);
  const bool known = std::any_of(skinList.begin(), skinList.end(),
                                 [&](const std::string& n) { return tessera::paths::equalsIgnoreCase(n, name); });
  if (!known) skinList.push_back(name);
}

VL_EXPORT void DeleteSkin(const char* skinName) {
  if (!skinName) return;
  std::lock_guard lock(listMutex);
  const std::string name(skinName);
  skinList.erase(std::remove_if(skinList.begin(), skinList.end(),
                                [&](const std::string& n) { return tessera::paths::equalsIgnoreCase(n, name); }),
                 skinList.end());
}

}  // extern "C"
