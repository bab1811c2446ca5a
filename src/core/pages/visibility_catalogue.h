#pragma once
// The conditions under which a title-bar button shows: section "UIS1Visibility" of the data
// folder's "Visibility.ini", one "condition text=number" line each. The text is shown to the
// user; the number is what a button's Visibility keys store.
#include <string>
#include <vector>

namespace tessera {

struct VisibilityCondition {
  std::string text;
  int number = 0;
};

// The conditions in file order; a missing catalogue gives none. Lines without "=" are skipped.
std::vector<VisibilityCondition> ReadVisibilityCatalogue();
std::vector<VisibilityCondition> ReadVisibilityCatalogue(const std::string& file);
// The conditions of whole-section entries ("text=number" and bare lines).
std::vector<VisibilityCondition> ParseVisibilityEntries(const std::vector<std::string>& entries);

}  // namespace tessera
