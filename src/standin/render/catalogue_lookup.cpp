#include "standin/render/catalogue_lookup.h"

#include <algorithm>
#include <optional>

#include "core/platform/paths.h"
#include "core/platform/profile.h"
#include "core/platform/settings.h"

namespace tessera::render {

namespace {

std::optional<int> catalogueInt(const SkinModel& skin, std::string_view section, std::string_view key) {
  if (skin.skinsFolder().empty()) return std::nullopt;
  const std::size_t colon = section.find(':', 1);
  const std::string_view topLevel = colon == std::string_view::npos ? section : section.substr(0, colon);
  const std::string catalogue = paths::join(paths::join(skin.skinsFolder(), "Tessera7"), "subsections.ini");
  const auto value = profile::FindValue(topLevel, key, catalogue);
  if (!value || value->empty()) return std::nullopt;
  return ParseLeadingInt(*value);
}

}  // namespace

int CatalogueImageCount(const SkinModel& skin, std::string_view section) {
  return std::clamp(catalogueInt(skin, section, "ImageCount").value_or(1), 1, 255);
}

bool CatalogueVertical(const SkinModel& skin, std::string_view section) {
  return catalogueInt(skin, section, "Vert").value_or(0) == 1;
}

}  // namespace tessera::render
