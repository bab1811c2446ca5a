#include "core/pages/painting_keys.h"

#include <algorithm>

#include "core/skin/section_store.h"
#include "core/skin/skin_session.h"

namespace tessera {

namespace {

int readInt(std::string_view section, const char* key) {
  return static_cast<int>(ReadSkinInt(section, key, 0, Session().mainFile));
}

void writeInt(std::string_view section, const char* key, int value) {
  const std::string text = std::to_string(value);
  WriteSkinString(section, key, text, Session().mainFile);
}

void writeFlag(std::string_view section, const char* key, bool on) {
  WriteSkinString(section, key, on ? "1" : "0", Session().mainFile);
}

}  // namespace

int PaintingValues::middleEntry() const {
  if (edgesOnly) return kMiddleNotPainted;
  // A "Tile" value the list has no entry for is painted as stretched by the engine.
  return (tile >= 0 && tile < kMiddleNotPainted) ? tile : 0;
}

PaintingValues ReadPaintingValues(std::string_view section) {
  using namespace painting_keys;
  PaintingValues v;
  v.simpleMode = readInt(section, kSimpleMode);
  if (v.simpleMode < 0 || v.simpleMode >= kPaintingModeCount) v.simpleMode = 0;
  for (std::size_t i = 0; i < 4; ++i) {
    v.margins[i] = std::clamp(readInt(section, kMarginKeys[i]), 0, kMaxSizingMargin);
    v.tiled[i] = readInt(section, kTileKeys[i]) == 1;
  }
  v.tile = readInt(section, kTile);
  v.edgesOnly = readInt(section, kEdgesOnly) != 0;
  v.smartMargins = readInt(section, kSmartSmallMargins) == 1;
  return v;
}

void WritePaintingMode(std::string_view section, int mode) {
  writeInt(section, painting_keys::kSimpleMode, std::clamp(mode, 0, kPaintingModeCount - 1));
}

void WriteSizingMargin(std::string_view section, Edge edge, int pixels) {
  writeInt(section, kMarginKeys[edge], std::clamp(pixels, 0, kMaxSizingMargin));
}

void WriteTileFlag(std::string_view section, Edge edge, bool tiled) { writeFlag(section, kTileKeys[edge], tiled); }

void WriteSmartMargins(std::string_view section, bool on) {
  writeFlag(section, painting_keys::kSmartSmallMargins, on);
}

void WriteMiddleEntry(std::string_view section, int entry) {
  const bool notPainted = entry == kMiddleNotPainted;
  writeInt(section, painting_keys::kTile, notPainted ? 0 : std::clamp(entry, 0, kMiddleNotPainted - 1));
  writeFlag(section, painting_keys::kEdgesOnly, notPainted);
}

void SyncMarginsFromTop(std::string_view section, int topMargin, bool topTiled) {
  for (Edge edge : {kBottomEdge, kLeftEdge, kRightEdge}) WriteTileFlag(section, edge, topTiled);
  for (Edge edge : {kBottomEdge, kLeftEdge, kRightEdge}) WriteSizingMargin(section, edge, topMargin);
}

}  // namespace tessera
