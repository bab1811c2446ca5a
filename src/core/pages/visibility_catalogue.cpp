#include "core/pages/visibility_catalogue.h"

#include "core/platform/environment.h"
#include "core/platform/profile.h"

namespace tessera {

namespace {

// An optional sign and the leading digits, wrapping as the integer read of a key does.
int parseNumber(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  unsigned int value = 0;
  while (i < text.size() && text[i] >= '0' && text[i] <= '9') value = value * 10u + static_cast<unsigned>(text[i++] - '0');
  return static_cast<int>(negative ? 0u - value : value);
}

}  // namespace

std::vector<VisibilityCondition> ParseVisibilityEntries(const std::vector<std::string>& entries) {
  std::vector<VisibilityCondition> conditions;
  for (const std::string& entry : entries) {
    const std::size_t equals = entry.find('=');
    if (equals == std::string::npos) continue;
    conditions.push_back({entry.substr(0, equals), parseNumber(std::string_view(entry).substr(equals + 1))});
  }
  return conditions;
}

std::vector<VisibilityCondition> ReadVisibilityCatalogue(const std::string& file) {
  return ParseVisibilityEntries(profile::ReadSection("UIS1Visibility", file));
}

std::vector<VisibilityCondition> ReadVisibilityCatalogue() { return ReadVisibilityCatalogue(DataFile("Visibility.ini")); }

}  // namespace tessera
