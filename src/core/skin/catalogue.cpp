#include "core/skin/catalogue.h"

#include "core/platform/environment.h"
#include "core/platform/paths.h"
#include "core/platform/profile.h"

namespace tessera {

CatalogueFile::CatalogueFile(std::string_view dataFolder, std::string_view fileName)
    : path_(paths::join(dataFolder, fileName)) {}

CatalogueFile::CatalogueFile(std::string_view fileName) : path_(DataFile(fileName)) {}

int CatalogueFile::readInt(std::string_view section, const CatalogueInt& key) const {
  return static_cast<int>(profile::GetInt(section, key.key, key.defaultValue, path_));
}

bool CatalogueFile::isOn(std::string_view section, const CatalogueInt& key) const { return readInt(section, key) == 1; }

std::string CatalogueFile::readText(std::string_view section, const CatalogueText& key) const {
  std::string_view fallback;
  switch (key.fallback) {
    case TextDefault::Empty:
      break;
    case TextDefault::OwnName:
      fallback = section;
      break;
    case TextDefault::Given:
      fallback = key.given;
      break;
  }
  return profile::ReadString(section, key.key, fallback, path_, key.size);
}

std::vector<std::string> CatalogueFile::readSection(std::string_view section) const {
  std::string buffer(kCatalogueSectionSize, '\0');
  const std::size_t n = profile::GetSection(section, buffer.data(), buffer.size(), path_);
  return profile::SplitList(buffer.data(), n);
}

bool CatalogueFile::hasEntries(std::string_view section) const { return !readSection(section).empty(); }

}  // namespace tessera
