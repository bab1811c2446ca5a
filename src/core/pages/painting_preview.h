#pragma once
// The "Painting" page's own preview: the size of its box, taken from one frame of the section's
// picture, and the picture drawn in it by the preview library.
#include <QColor>
#include <QImage>
#include <QSize>
#include <string>
#include <string_view>
#include <vector>

namespace tessera {

// Space left around one frame in the preview box, and the bounds of the box before scaling to
// the display.
inline constexpr int kPreviewBoxPadding = 17;
inline constexpr QSize kMaxPreviewBox(395, 185);
// The library draws the section this far inside the right and bottom of the box.
inline constexpr int kPreviewInset = 5;
// The grey mark in the bottom-right corner of the box.
inline constexpr int kCornerMarkSize = 15;
inline const QColor kCornerMarkColour(200, 200, 200);
// Checkerboard of the "Grid" background.
inline constexpr int kGridSquare = 8;
inline const QColor kGridLight(255, 255, 255);
inline const QColor kGridDark(230, 230, 230);
// Flags of RenderSection that make the library mark the four margins.
inline constexpr int kRenderMarginFlags = 96;
// The colour bars of the margin labels, top, bottom, left, right: the colours in which the
// library marks each margin.
inline const QColor kTopMarginColour(200, 50, 50);
inline const QColor kBottomMarginColour(50, 50, 200);
inline const QColor kLeftMarginColour(50, 200, 50);
inline const QColor kRightMarginColour(165, 165, 40);

// What the box size depends on: the size of the section's picture, its frame count and whether
// the frames are stacked.
struct SectionPictureLayout {
  QSize picture;  // empty when the section has no picture that loads
  int frameCount = 1;
  bool vertical = false;
};

// The picture named by "Image" (else "Bitmap") of `section`, its "FrameCount" (default the
// catalogue "ImageCount" of `catalogueSection`; 0 counts as 1) and "Vert" (skin or catalogue).
SectionPictureLayout ReadSectionPictureLayout(std::string_view section, std::string_view catalogueSection);

// One frame plus the padding each way, each side at least 1 and at most `bound`.
QSize PreviewBoxSize(const SectionPictureLayout& layout, QSize bound);

// The names of the preview states: the entries of the state list the catalogue names for the
// section.
std::vector<std::string> PreviewStateNames(std::string_view catalogueSection);

// The library's preview states count from 1 (state 1 shows frame 0), while the state list names
// the frames from 0.
int PreviewStateForEntry(int entry);

struct PaintingPreviewOptions {
  bool grid = false;
  bool margins = false;
  int stateIndex = 0;  // entry of the state list, which names the frames in order
  QColor background;
  // The corner mark as a sizing grip: a line up the right edge and along the bottom (the
  // margins window), instead of three short diagonals (the page).
  bool edgeGrip = false;
};

// Draws the loaded section into a box of `size`: the background (checkerboard when `grid`),
// then the section rendered by the preview library in the box less the inset at the right and
// bottom, with the margins marked when `margins`, then the corner mark.
QImage ComposePaintingPreview(QSize size, const PaintingPreviewOptions& options);

}  // namespace tessera
