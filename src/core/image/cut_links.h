#pragma once
// Cutting a rectangle out of a larger picture, and the files that keep a cut-out linked to its
// source so that the re-import pass cuts it again whenever the source changes:
//   link index  <main working file>.CutLink    one section per source (its full path):
//               Linked=1, LastEdit1, LastEdit2 (the source's last-write time)
//   cut list    <source>.CutLinks              one section per cut-out (its full path):
//               Left, Top, Right, Bottom (source pixels, right and bottom exclusive), TGA=1|0
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/image/image_buffer.h"

namespace tessera {

struct CutRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  friend bool operator==(const CutRect&, const CutRect&) = default;
};

// The same rectangle with its corners ordered, so a selection dragged up or to the left works.
CutRect NormalizedCutRect(CutRect rect);

// The pixels of `rect` (normalised, then clipped to the source); none when nothing is left.
std::optional<ImageBuffer> CutOut(const ImageBuffer& source, CutRect rect);

// True when a cut-out saved to `destination` is a BMP (upper-case extension "BMP"), else TGA.
bool CutDestinationIsBmp(std::string_view destination);

// Cuts `rect` out of `source` and saves it to `destination` as BMP or TGA by its extension.
bool SaveCutOut(const ImageBuffer& source, CutRect rect, std::string_view destination);

// Which skin file a link dialog answer names: 0 main file, 1 the XPShell file, 2 the XPTaskbar file.
// Writes Image (the destination relative to the skins folder) and, for a TGA, Trans=1 and
// PerPixel=1, for a BMP PerPixel=0, into `section` of that file.
void LinkCutOutToSection(std::string_view section, int fileChoice, std::string_view destination);

inline constexpr const char* kCutLinkIndexSuffix = ".CutLink";
inline constexpr const char* kCutListSuffix = ".CutLinks";
std::string CutLinkIndexPath();  // of the open skin
std::string CutListPath(std::string_view sourcePath);

// Records the link: the source in the link index (with its time when it can be read) and the
// cut-out with its normalised rectangle in the source's cut list.
void RecordCutLink(std::string_view sourcePath, std::string_view destination, CutRect rect);

struct CutListEntry {
  std::string target;
  CutRect rect;
  bool tga = true;
};
// The cut-outs of a source, as its cut list holds them.
std::vector<CutListEntry> ReadCutList(std::string_view sourcePath);

}  // namespace tessera
