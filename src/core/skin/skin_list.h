#pragma once
// Installed skins: the list the engine's skin database keeps, the identity keys shown beside a
// selected skin, and deleting skin folders.
#include <string>
#include <string_view>
#include <vector>

#include "core/engine/engine_libraries.h"

namespace tessera {

// The engine's skin database, loaded from <engine install folder>/divu when it is not loaded yet.
// Without the library every call is skipped and the list is empty.
SkinDatabase OnDemandSkinDatabase();

// <skins folder>/<name>/<name>.uis
std::string SkinMainFile(std::string_view skinsFolder, std::string_view name);

// The skins of a folder as the skin database counts them: every folder n holding n.uis (in any
// letter case), sorted without regard to case. Work folders of unfinished copies are skipped.
std::vector<std::string> ListSkinFolders(std::string_view skinsFolder);

// Section TitlebarSkin of a skin's main file.
struct SkinIdentity {
  std::string name;    // SkinName, default the list text
  std::string author;  // SkinAuthor, default "Unknown"
  std::string notes;   // SpecialNotes, or the UIS0 notice for a frameless skin
  std::string url;     // AuthorsURL
  bool frameless = false;
};
inline constexpr const char* kFramelessSkinNotice = "UIS0 skin (Windows Vista / 7 Only)";
SkinIdentity ReadSkinIdentity(std::string_view skinsFolder, std::string_view listText);

// True when <skins folder>/<name>/<name>.uis has a non-empty SkinName: the name is taken.
bool SkinNameTaken(std::string_view skinsFolder, std::string_view name);

// The question asked before deleting `count` skins.
std::string DeleteSkinsQuestion(int count);
inline constexpr const char* kDeleteSkinsCaption = "Delete selected skins";

// Deletes <skins folder>/<name> with everything in it (links are removed, never followed).
// Returns an empty string on success, else why nothing was deleted.
std::string DeleteSkinFolder(std::string_view skinsFolder, std::string_view name);

// "Delete selected skins...": asks through the installed Prompt when at least one skin is
// ticked; on Yes deletes each and rebuilds the database list. Returns the names deleted.
std::vector<std::string> DeleteSelectedSkins(std::string_view skinsFolder, const std::vector<std::string>& ticked,
                                             const SkinDatabase* database);

}  // namespace tessera
