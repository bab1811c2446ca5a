#pragma once
// What the "Help" page shows for a catalogue entry: its help text, the order of the frames in
// its pictures, its example picture and the address of its page on the maker's wiki.
#include <string>
#include <string_view>
#include <vector>

namespace tessera {

// The maker's online help wiki. The address is configuration of this build: change it here
// when the wiki moves.
inline constexpr const char* kHelpWikiAddress = "https://wiki.quillmont.example";

struct HelpContent {
  // Catalogue "Help" with every backslash-n pair turned into a line break.
  std::string helpText;
  // Catalogue "StateDesc" when it is not empty; then `stateNames` is empty.
  std::string stateDescription;
  // Otherwise the frame names of the entry's state list, in frame order.
  std::vector<std::string> stateNames;
  // Full path of the example picture in the data folder's "previews" folder; empty when the
  // entry names none.
  std::string examplePicture;
};

HelpContent ReadHelpContent(std::string_view dataFolder, std::string_view topLevelSection);

// Replaces every two-character sequence backslash-n with a line break.
std::string ExpandLineBreaks(std::string_view text);

// The wiki page of a catalogue entry. The entry name is percent-encoded so that a name with
// blanks, "&" or "#" still opens its own page.
std::string HelpWikiUrl(std::string_view topLevelSection);

}  // namespace tessera
