#include "core/skin/category_catalogue.h"

#include <algorithm>

#include "core/platform/environment.h"
#include "core/platform/profile.h"
#include "core/skin/skin_files.h"
#include "core/skin/section_catalogue.h"

namespace tessera {

EntryEditor EditorForTypeCode(char typeCode) {
  switch (typeCode) {
    case '4':
      return EntryEditor::EditUIS;
    case '3':
      return EntryEditor::FindPart;
    case '2':
      return EntryEditor::AnimChange;
    case '6':
      return EntryEditor::Textures;
    case '7':
      return EntryEditor::UIS0;
    default:
      return EntryEditor::SectionEditor;
  }
}

SkinTraits SkinTraits::Of(const std::string& skinFile) {
  SkinTraits traits;
  traits.buttonCount = static_cast<int>(profile::GetInt("Personality", "ButtonCount", 0, skinFile));
  traits.frameless = IsFramelessSkin(skinFile);
  return traits;
}

bool TypeCodeAllows(char typeCode, const SkinTraits& skin) {
  switch (typeCode) {
    case '8':
      return skin.buttonCount != 0 && !skin.frameless;
    case '9':
      return skin.buttonCount == 0 && !skin.frameless;
    case '6':
    case '7':
      return skin.frameless;
    default:
      return true;
  }
}

CategoryEntry ParseCategoryEntry(std::string_view line) {
  CategoryEntry entry;
  entry.line = std::string(line);
  entry.name = std::string(line.substr(0, line.find('=')));
  entry.typeCode = line.empty() ? '\0' : line.back();
  return entry;
}

CategoryCatalogue::CategoryCatalogue(std::string_view dataFolder)
    : dataFolder_(dataFolder),
      sections_(dataFolder, catalogue_files::kSections),
      entries_(dataFolder, catalogue_files::kSubsections2) {}

CategoryCatalogue::CategoryCatalogue() : CategoryCatalogue(DataFolder()) {}

int CategoryCatalogue::count() const {
  return std::clamp(sections_.readInt(category_keys::kCountSection, category_keys::SectionCount), 0, kMaxCategories);
}

Category CategoryCatalogue::category(int number) const {
  namespace keys = category_keys;
  const std::string section = std::to_string(number);
  Category c;
  c.number = number;
  c.icon = sections_.readInt(section, keys::Icon);
  c.description = sections_.readText(section, keys::Description);
  c.description2 = sections_.readText(section, keys::Description2);
  c.description3 = sections_.readText(section, keys::Description3);
  c.os.sevenOnly = sections_.isOn(section, keys::SevenOnly);
  c.os.notVista = sections_.isOn(section, keys::NotVista);
  c.os.notXP = sections_.isOn(section, keys::NotXP);
  c.notUIS0 = sections_.isOn(section, keys::NotUIS0);
  return c;
}

std::vector<Category> CategoryCatalogue::visibleCategories(int targetOS, bool framelessSkin) const {
  std::vector<Category> shown;
  const int n = count();
  for (int i = 0; i < n; ++i) {
    Category c = category(i);
    if (HiddenForTarget(c.os, targetOS) || (framelessSkin && c.notUIS0)) continue;
    shown.push_back(std::move(c));
  }
  return shown;
}

std::vector<CategoryEntry> CategoryCatalogue::entries(int number) const {
  std::vector<CategoryEntry> result;
  for (const auto& line : entries_.readSection(std::to_string(number))) {
    if (!line.empty()) result.push_back(ParseCategoryEntry(line));
  }
  return result;
}

std::vector<CategoryEntry> CategoryCatalogue::visibleEntries(int number, const SkinTraits& skin) const {
  const SectionCatalogue sections(dataFolder_);
  std::vector<CategoryEntry> shown;
  for (auto& entry : entries(number)) {
    if (!TypeCodeAllows(entry.typeCode, skin)) continue;
    if (skin.frameless && sections.isOn(entry.name, subsection_keys::NoUIS0)) continue;
    shown.push_back(std::move(entry));
  }
  return shown;
}

}  // namespace tessera
