#pragma once
// sections.ini (the categories of the main window) and subsections2.ini (the entries of each
// category), with the filters that decide what a skin is offered.
#include <string>
#include <string_view>
#include <vector>

#include "core/skin/catalogue.h"
#include "core/skin/os_filter.h"

namespace tessera {

// More categories than this are not read, whatever "SectionCount" claims.
inline constexpr int kMaxCategories = 1000;

struct Category {
  int number = 0;
  int icon = 0;
  std::string description;
  std::string description2;
  std::string description3;
  OsFlags os;
  bool notUIS0 = false;
};

// One line of a category in subsections2.ini: the catalogue section name (text before the first
// "=") and the type code (last character of the line).
struct CategoryEntry {
  std::string line;
  std::string name;
  char typeCode = '\0';
};

// Which editor an entry opens, by its type code.
enum class EntryEditor { SectionEditor, EditUIS, FindPart, AnimChange, Textures, UIS0 };
EntryEditor EditorForTypeCode(char typeCode);

// What the entry filters need to know of the open skin.
struct SkinTraits {
  int buttonCount = 0;  // Personality/ButtonCount, default 0
  bool frameless = false;
  static SkinTraits Of(const std::string& skinFile);
};

// Whether an entry of that type code is offered for the skin (codes "8", "9", "6" and "7").
bool TypeCodeAllows(char typeCode, const SkinTraits& skin);

CategoryEntry ParseCategoryEntry(std::string_view line);

class CategoryCatalogue {
 public:
  explicit CategoryCatalogue(std::string_view dataFolder);
  CategoryCatalogue();

  // SectionCount, bounded to 0..kMaxCategories.
  int count() const;
  Category category(int number) const;
  // Categories 0..count-1 that the TargetOS preference and the skin's framelessness leave.
  std::vector<Category> visibleCategories(int targetOS, bool framelessSkin) const;

  // Every entry line of a category, in file order.
  std::vector<CategoryEntry> entries(int number) const;
  // The entries the skin is offered: type-code filters, and NoUIS0 of subsections.ini for
  // frameless skins.
  std::vector<CategoryEntry> visibleEntries(int number, const SkinTraits& skin) const;

 private:
  std::string dataFolder_;
  CatalogueFile sections_;
  CatalogueFile entries_;
};

}  // namespace tessera
