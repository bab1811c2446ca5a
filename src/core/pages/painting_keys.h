#pragma once
// The keys that say how a section's picture is painted and sized: the painting mode, the four
// sizing margins, the tile flags of the edges and the treatment of the middle area.
#include <array>
#include <string>
#include <string_view>

namespace tessera {

namespace painting_keys {
inline constexpr const char* kSimpleMode = "SimpleMode";
inline constexpr const char* kTopHeight = "TopHeight";
inline constexpr const char* kBottomHeight = "BottomHeight";
inline constexpr const char* kLeftWidth = "LeftWidth";
inline constexpr const char* kRightWidth = "RightWidth";
inline constexpr const char* kTileTop = "TileTop";
inline constexpr const char* kTileBottom = "TileBottom";
inline constexpr const char* kTileLeft = "TileLeft";
inline constexpr const char* kTileRight = "TileRight";
inline constexpr const char* kTile = "Tile";
inline constexpr const char* kEdgesOnly = "EdgesOnly";
inline constexpr const char* kSmartSmallMargins = "SmartSmallMargins";
}  // namespace painting_keys

inline constexpr int kMaxSizingMargin = 1000;
inline constexpr int kPaintingModeCount = 4;
// Entries of the middle list: the five "Tile" values, then "Do not paint middle section".
inline constexpr int kMiddleEntryCount = 6;
inline constexpr int kMiddleNotPainted = 5;

// Margins and tile flags in the order top, bottom, left, right.
enum Edge { kTopEdge = 0, kBottomEdge, kLeftEdge, kRightEdge };
inline constexpr std::array<const char*, 4> kMarginKeys = {painting_keys::kTopHeight, painting_keys::kBottomHeight,
                                                           painting_keys::kLeftWidth, painting_keys::kRightWidth};
inline constexpr std::array<const char*, 4> kTileKeys = {painting_keys::kTileTop, painting_keys::kTileBottom,
                                                         painting_keys::kTileLeft, painting_keys::kTileRight};

struct PaintingValues {
  int simpleMode = 0;
  std::array<int, 4> margins{};
  std::array<bool, 4> tiled{};
  int tile = 0;
  bool edgesOnly = false;
  bool smartMargins = false;

  // The entry of the middle list these values show.
  int middleEntry() const;
  bool usesMargins() const { return simpleMode == 0; }
};

// The painting keys of `section`, missing keys as their defaults. Values outside the ranges the
// controls offer are brought into them so that a damaged skin still shows sensibly.
PaintingValues ReadPaintingValues(std::string_view section);

// Each writes at once through the section store on the main file.
void WritePaintingMode(std::string_view section, int mode);
void WriteSizingMargin(std::string_view section, Edge edge, int pixels);
void WriteTileFlag(std::string_view section, Edge edge, bool tiled);
void WriteSmartMargins(std::string_view section, bool on);
// Entries 0..4 store "Tile" = entry with "EdgesOnly" = "0"; entry 5 stores "Tile" = "0" and
// "EdgesOnly" = "1".
void WriteMiddleEntry(std::string_view section, int entry);
// Copies the top margin and the top tile flag to the other three edges and writes them.
void SyncMarginsFromTop(std::string_view section, int topMargin, bool topTiled);

}  // namespace tessera
