#include "core/pages/slot_writes.h"

#include <optional>
#include <string>

#include "core/pages/image_slot.h"
#include "core/skin/section_store.h"
#include "core/skin/skin_session.h"

namespace tessera {

namespace {

// "Buttons" is read through both keys, so both hold the same file.
constexpr std::string_view kBothKeysSection = "Buttons";

void writeSlotDeletingLegacy(std::string_view section, const SlotKeys& keys, std::string_view value) {
  const std::string& file = Session().mainFile;
  if (value.empty()) {
    WriteSkinString(section, keys.key, std::nullopt, file);
  } else {
    WriteSkinString(section, keys.key, value, file);
  }
  WriteSkinString(section, keys.legacyKey, std::nullopt, file);
}

}  // namespace

void WriteImageSlot(std::string_view section, std::string_view value) {
  const std::string& file = Session().mainFile;
  if (value.empty()) {
    WriteSkinString(section, std::nullopt, std::nullopt, file);
    return;
  }
  WriteSkinString(section, kImageSlot.key, value, file);
  if (section == kBothKeysSection) WriteSkinString(section, kImageSlot.legacyKey, value, file);
}

void WriteGlyphSlot(std::string_view section, std::string_view value) {
  writeSlotDeletingLegacy(section, kGlyphSlot, value);
}

void WriteSettingsSlot(std::string_view section, std::string_view value) {
  writeSlotDeletingLegacy(section, kImageSlot, value);
}

void WriteSingleKeySlot(std::string_view section, std::string_view key, std::string_view value) {
  if (value.empty()) {
    WriteSkinString(section, key, std::nullopt, Session().mainFile);
  } else {
    WriteSkinString(section, key, value, Session().mainFile);
  }
}

void WriteSlotFromCommand(SlotPage page, std::string_view section, std::string_view value) {
  if (value.empty()) return;
  switch (page) {
    case SlotPage::Image:
      WriteImageSlot(section, value);
      if (section != kBothKeysSection) WriteSkinString(section, kImageSlot.legacyKey, std::nullopt, Session().mainFile);
      break;
    case SlotPage::Glyph:
      WriteGlyphSlot(section, value);
      break;
    case SlotPage::Settings:
      WriteSettingsSlot(section, value);
      break;
    case SlotPage::SingleKey:
      break;
  }
}

}  // namespace tessera
