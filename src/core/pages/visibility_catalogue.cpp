#include "core/pages/visibility_catalogue.h"

#include "core/platform/environment.h"
#include "core/platform/profile.h"
#include "core/platform/settings.h"

namespace tessera {

std::vector<VisibilityCondition> ParseVisibilityEntries(const std::vector<std::string>& entries) {
  std::vector<VisibilityCondition> conditions;
  for (const std::string& entry : entries) {
    const std::size_t equals = entry.find('=');
    if (equals == std::string::npos) continue;
    conditions.push_back({entry.substr(0, equals), ParseLeadingInt(std::string_view(entry).substr(equals + 1))});
  }
  return conditions;
}

std::vector<VisibilityCondition> ReadVisibilityCatalogue(const std::string& file) {
  return ParseVisibilityEntries(profile::ReadSection("UIS1Visibility", file));
}

std::vector<VisibilityCondition> ReadVisibilityCatalogue() { return ReadVisibilityCatalogue(DataFile("Visibility.ini")); }

}  // namespace tessera
