#pragma once
// The section editor's large preview: background, then the preview library's drawing of the
// selected section's group (see preview_composition.h), into an off-screen canvas.
#include <QImage>
#include <string>

namespace tessera {

struct LargePreviewRequest {
  int group = 0;
  std::string topLevelSection;
  std::string currentSection;
  int state = 1;       // preview state (state list index + 1, or the hover and pressed states)
  int buttonState = 1; // the title-bar buttons' look under the mouse where states are window states
  int background = 0;  // index into kPreviewBackgrounds
  int grey = 255;      // interface grey
};

void ComposeLargePreview(QImage& canvas, const LargePreviewRequest& request);

// Sections whose toolbar strips group 31 shows, in drawing order.
inline constexpr const char* kToolbarIconSections[] = {
    "ToolbarIcons.Internet.Large", "ToolbarIcons.Internet.LargeHot", "ToolbarIcons.Internet.Small",
    "ToolbarIcons.Internet.SmallHot", "ToolbarIcons.Go", "ToolbarIcons.GoHot", "ToolbarIcons.Explorer.Large",
    "ToolbarIcons.Explorer.LargeHot", "ToolbarIcons.Explorer.Small", "ToolbarIcons.Explorer.SmallHot",
    "ToolbarIcons.Extras.Large", "ToolbarIcons.Extras.LargeHot", "ToolbarIcons.Extras.Small",
    "ToolbarIcons.Extras.SmallHot"};
// The sample strips of the data folder drawn above the skin's own.
inline constexpr const char* kToolbarSampleImages[] = {"IE6Large.tga", "IE6Small.tga", "IE6GoHot.tga",
                                                      "ExplorerLargeHot.tga", "ExplorerSmallHot.tga"};

}  // namespace tessera
