#include "core/colours/included_fonts.h"

#include <cstdint>

#include "core/platform/files.h"
#include "core/skin/section_store.h"
#include "core/skin/skin_session.h"

namespace tessera {

namespace {

constexpr const char* kSection = "Fonts.Install";
constexpr std::uint64_t kLargestFont = std::uint64_t{256} << 20;
constexpr std::size_t kMostFacesInCollection = 256;

std::string keyOf(int index) { return "Font" + std::to_string(index + 1); }

std::uint32_t be32(std::string_view b, std::size_t at) {
  return (std::uint32_t{static_cast<unsigned char>(b[at])} << 24) |
         (std::uint32_t{static_cast<unsigned char>(b[at + 1])} << 16) |
         (std::uint32_t{static_cast<unsigned char>(b[at + 2])} << 8) | std::uint32_t{static_cast<unsigned char>(b[at + 3])};
}
std::uint16_t be16(std::string_view b, std::size_t at) {
  return static_cast<std::uint16_t>((static_cast<unsigned char>(b[at]) << 8) | static_cast<unsigned char>(b[at + 1]));
}

// One font (an "sfnt") starting at `offset`: a known version tag, at least one table, and every
// table record's data inside the file.
bool isSfntAt(std::string_view b, std::size_t offset) {
  if (offset > b.size() || b.size() - offset < 12) return false;
  const std::uint32_t tag = be32(b, offset);
  if (tag != 0x00010000u && tag != 0x74727565u /*true*/ && tag != 0x4F54544Fu /*OTTO*/) return false;
  const std::size_t tables = be16(b, offset + 4);
  if (tables == 0 || b.size() - offset - 12 < tables * 16) return false;
  for (std::size_t i = 0; i < tables; ++i) {
    const std::size_t record = offset + 12 + i * 16;
    const std::uint64_t start = be32(b, record + 8);
    const std::uint64_t length = be32(b, record + 12);
    if (start + length > b.size()) return false;
  }
  return true;
}

}  // namespace

IncludedFonts ReadIncludedFonts() {
  IncludedFonts fonts;
  const std::string& main = Session().mainFile;
  if (main.empty()) return fonts;
  for (int i = 0; i < kIncludedFontCount; ++i) fonts[static_cast<std::size_t>(i)] = ReadSkinString(kSection, keyOf(i), "", main);
  return fonts;
}

void WriteIncludedFonts(const IncludedFonts& fonts) {
  const std::string& main = Session().mainFile;
  if (main.empty()) return;
  for (int i = 0; i < kIncludedFontCount; ++i) {
    const std::string& font = fonts[static_cast<std::size_t>(i)];
    if (font.empty()) {
      WriteSkinString(kSection, keyOf(i), std::nullopt, main);
    } else {
      WriteSkinString(kSection, keyOf(i), font, main);
    }
  }
}

bool IsFontData(std::string_view bytes) {
  if (bytes.size() < 12) return false;
  if (be32(bytes, 0) != 0x74746366u /*ttcf*/) return isSfntAt(bytes, 0);
  const std::size_t fonts = be32(bytes, 8);
  // A collection holds a handful of faces; a count in the thousands is damage, not a font.
  if (fonts == 0 || fonts > kMostFacesInCollection || (bytes.size() - 12) / 4 < fonts) return false;
  for (std::size_t i = 0; i < fonts; ++i) {
    if (!isSfntAt(bytes, be32(bytes, 12 + i * 4))) return false;
  }
  return true;
}

CopyIntoSkin CopyFontIntoSkin(const std::string& source) {
  if (files::isFile(source)) {
    const auto bytes = files::readAll(source);
    if (!bytes || bytes->size() > kLargestFont || !IsFontData(*bytes)) return CopyIntoSkin::Refused;
  }
  return CopyIntoSkinFolder(source);
}

}  // namespace tessera
