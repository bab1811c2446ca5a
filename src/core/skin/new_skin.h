#pragma once
// New skin from a template of the data folder, and save-as under a new name: the steps after the
// dialog has given a name.
#include <string>
#include <string_view>

#include "core/platform/progress.h"

namespace tessera {

class SkinDatabase;

// The three kinds of skin the new-skin dialog offers, in its order.
enum class SkinType { Basic, Advanced, UIS0 };

// "TemplateUIS1", "TemplateUIS2" or "TemplateUIS0", followed by "_Vista" when `vistaOrLater`.
std::string TemplateName(SkinType type, bool vistaOrLater);

// Whether the platform offers the window-region call of Windows Vista and later. Desktops this
// editor runs on draw shaped, composited windows, so the "_Vista" templates are the ones to use.
bool PlatformOffersWindowRegionCall();

inline constexpr const char* kNewSkinExistsMessage =
    "A skin with that name already exists, please use a different skin name.";
inline constexpr const char* kSaveAsExistsMessage = "A skin with that name already exists";
inline constexpr const char* kNameExistsCaption = "Sorry the name you entered already exists";

struct NewSkinResult {
  enum class Outcome { Created, StayOpen, Refused, Failed };
  Outcome outcome = Outcome::StayOpen;
  std::string name;     // the new skin's name when created
  std::string message;  // with `caption`, the error to show when refused or failed
  std::string caption;
  bool created() const { return outcome == Outcome::Created; }
};

// The new-skin dialog promises at most this many characters for the name.
inline constexpr std::size_t kMaxNewSkinNameLength = 20;
inline constexpr const char* kNewSkinNameTooLongMessage = "The skin name may be at most 20 characters long.";

// "Create" of the new-skin dialog: an empty name does nothing; a name longer than
// kMaxNewSkinNameLength is refused, and so is a taken name with the dialog's message; otherwise
// the template is copied to the new name and the database list rebuilt. A copy stopped through
// `progress` (see CopySkin) makes nothing and leaves the dialog open (StayOpen, no message).
NewSkinResult CreateNewSkin(std::string_view skinsFolder, std::string_view name, SkinType type, bool vistaOrLater,
                            const SkinDatabase* database, const ProgressCallback& progress = {});

// Save-as: copies the installed skin `currentName` to `newName` (refused when taken).
NewSkinResult SaveSkinAs(std::string_view skinsFolder, std::string_view newName, std::string_view currentName,
                         const SkinDatabase* database, const ProgressCallback& progress = {});

}  // namespace tessera
