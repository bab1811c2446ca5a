#pragma once
// The operations of the sub-style manager, as data a dialog shows and calls: the rows and their
// texts, which buttons a selection enables, and create, rename, delete, up, down and the two
// platform defaults. Every read and write goes to the .SSD, the sub-style files and the main
// file directly, never through the open skin's routing.
#include <string>
#include <string_view>
#include <vector>

#include "core/skin/substyles.h"

namespace tessera {

// Delete, Up and Down rewrite whole SkinStyle sections; beyond these limits they refuse rather
// than drop sections or cut one short.
inline constexpr int kMaxManagedSubStyles = 99;
inline constexpr std::size_t kMaxSubStyleSectionBytes = 59000;

inline constexpr const char* kVistaDefaultMarker = "  (Vista default substyle)";
inline constexpr const char* kWin7DefaultMarker = "  (Win 7 default substyle)";
inline constexpr const char* kNewSubStyleName = "newsubstylename";
inline constexpr const char* kExistingSkinEntry = "Existing skin";
inline constexpr const char* kDeleteSubStyleQuestion = "Are you sure you want to delete this substyle?";
inline constexpr const char* kDeleteSubStyleCaption = "Delete sub style?";

struct SubStyleRow {
  int itemData = -1;        // the sub-style's index; -1 for the single row of a skin without any
  std::string rowText;      // right-aligned grey text: the "Skin" value, or <skin name>.uis
  std::string displayName;  // "Name", or the skin's SkinName for the single row
  bool vistaDefault = false;
  bool win7Default = false;
  // displayName followed by the default markers.
  std::string label() const;
};

struct SubStyleButtons {
  bool rename = false;
  bool remove = false;
  bool up = false;
  bool down = false;
  bool makeVistaDefault = false;
  bool make7Default = false;
};

// Entries of the "Create new substyle" base list.
struct SubStyleBase {
  std::string text;
  int itemData = -1;
};

// Outcome of an operation: `ok` false with a message to show when it was refused.
struct SubStyleResult {
  bool ok = true;
  std::string message;
  int selectedRow = 0;  // the row to select afterwards
};

class SubStyleManager {
 public:
  SubStyleManager(std::string_view skinsFolder, std::string_view skinName);

  const SubStyleFile& file() const { return file_; }

  std::vector<SubStyleRow> rows() const;
  // `selectedRow` -1 means no selection.
  SubStyleButtons buttonsFor(int selectedRow) const;
  std::vector<SubStyleBase> baseChoices() const;

  // Adds sub-style `name` based on the base list entry with item data `baseItemData`.
  SubStyleResult create(std::string_view name, int baseItemData);
  SubStyleResult rename(int row, std::string_view displayName);
  // Asks the delete question through the installed Prompt first.
  SubStyleResult remove(int row);
  SubStyleResult moveUp(int row);
  SubStyleResult moveDown(int row);
  SubStyleResult makeVistaDefault(int row);
  SubStyleResult make7Default(int row);

 private:
  int rowCount() const;
  bool hasSubStyles() const;
  // Reads SkinStyle0..n-1 whole; false (with a message) past the limits.
  bool readAllSections(int n, std::vector<std::vector<std::string>>& sections, std::string& message) const;
  SubStyleResult swapRows(int row, int other);

  SubStyleFile file_;
};

}  // namespace tessera
