#pragma once
// The "Image" page's controls beside the slot: transparency, vertical frames, pre-multiplied
// alpha and the frame count, read from and written to the current section.
#include <string>
#include <string_view>

namespace tessera {

// What the catalogue says about the page's controls.
struct ImagePageLayout {
  bool hideTransparency = false;  // "HideTrans" of the top-level section: every alpha and frame control
  bool hidePerPixel = false;      // "HidePerPixel": the same except the transparency box
  bool hideVertical = false;      // "HideVert": the vertical-frames box
  int imageCount = 1;             // "ImageCount" of the top-level section: the default frame count
  std::string notes;              // "ImageNotes"
  std::string examplePicture;     // full path of the "Preview" picture; empty when none is named
};
ImagePageLayout ReadImagePageLayout(std::string_view section, std::string_view topLevelSection);

struct ImagePageValues {
  bool transparent = false;
  bool vertical = false;
  bool premultiplied = false;
  bool premultipliedEnabled = false;  // the slot's file can carry alpha
  int frameCount = 1;
};
ImagePageValues ReadImagePageValues(std::string_view section, int imageCount);

// The transparency box. "MDIControls" keeps its flag in "Personality"; every other section gets
// "Trans", and "PerPixel" follows it only for files that can carry alpha (otherwise it and
// "PreMultipliedAlpha" are written "0"). Returns whether the pre-multiplied box is enabled.
bool WriteTransparency(std::string_view section, bool on);
// "Vert" and "GlyphVert" together, so a glyph's frames are read the way the image's are.
void WriteVerticalFrames(std::string_view section, bool on);
void WritePremultiplied(std::string_view section, bool on);
// "FrameCount"; the key is deleted when the count equals the catalogue default.
void WriteFrameCount(std::string_view section, int frameCount, int imageCount);

}  // namespace tessera
