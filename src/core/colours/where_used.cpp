#include "core/colours/where_used.h"

#include "core/platform/paths.h"
#include "core/platform/profile.h"
#include "core/platform/environment.h"
#include "core/skin/catalogue.h"
#include "core/skin/section_store.h"
#include "core/skin/skin_session.h"

namespace tessera {

const std::vector<const char*> kTextColourKeys = {"NormalColour",  "PressedColour", "DisabledColour", "FocusColour",
                                                  "DefaultColour", "FocusPressedColour", "GroupColour",
                                                  "TextColourOver", "TextColour",  "ShadowColour"};
const std::vector<const char*> kTextFontKeys = {"NormalFont", "PressedFont",  "DisabledFont",
                                                "FocusFont",  "DefaultFont",  "FocusPressedFont",
                                                "GroupFont",  "TextFontOver", "TextFont"};

namespace {

constexpr int kNoPreset = 255;

// The taskbar companion: the session's working copy when one is open, so unsaved edits count;
// otherwise the file that XPTaskbar/File names under the skins folder.
std::string taskbarFile(const std::string& mainFile) {
  const SkinSession& session = Session();
  if (!session.companionFiles[0].empty()) return session.companionFiles[0];
  const std::string relative = ReadSkinString("XPTaskbar", "File", "", mainFile);
  if (relative.empty()) return {};
  return paths::join(GetSkinsFolder(), relative);
}

void scanFile(const std::string& file, int number, const std::vector<const char*>& keys,
              const CatalogueFile& catalogue, std::vector<std::string>& found) {
  for (const std::string& section : profile::SectionNames(file)) {
    for (const char* key : keys) {
      if (static_cast<int>(profile::GetInt(section, key, kNoPreset, file)) == number) {
        found.push_back(catalogue.readText(section, subsection_keys::Description));
        break;
      }
    }
  }
}

}  // namespace

std::vector<std::string> SectionsUsing(int number, const std::vector<const char*>& keys) {
  std::vector<std::string> found;
  const std::string& mainFile = Session().mainFile;
  if (mainFile.empty()) return found;
  profile::ReadBatch batch;
  const CatalogueFile catalogue(catalogue_files::kSubsections);
  scanFile(mainFile, number, keys, catalogue, found);
  const std::string taskbar = taskbarFile(mainFile);
  if (!taskbar.empty() && taskbar != mainFile) scanFile(taskbar, number, keys, catalogue, found);
  return found;
}

}  // namespace tessera
