#pragma once
// The model of the frame builder ("Sub frame builder"): a horizontal working strip of N frames
// that pictures are imported into frame by frame, saved as a horizontal or vertical strip. The
// dialog draws it and forwards its controls here.
#include <string>
#include <string_view>
#include <vector>

#include "core/image/image_buffer.h"

namespace tessera {

// The picture path shared by the frame builder and the import dialog: set by the caller to the
// picture to modify (empty = start empty); after a save it names the saved file.
std::string& BuilderPath();

inline constexpr int kMaxBuilderFrames = 30000;
inline constexpr const char* kAdditionalFrameLabel = "Additional animation frame";
inline constexpr const char* kLoseChangesText = "Are you sure you want to close this without saving?";
inline constexpr const char* kLoseChangesCaption = "Lose changes?";

class FrameBuilderModel {
 public:
  FrameBuilderModel();

  // Opening: frame count and state names from the section (skin key FrameCount, else the
  // catalogue's ImageCount; StateList and Vert), then the builder path's picture when it is set.
  void open(std::string_view currentSection);

  int frameCount() const { return frameCount_; }
  // Changes the frame count (0 .. 30000): frames at the end are dropped or added transparent.
  void setFrameCount(int count);
  int selectedFrame() const { return selected_; }
  void selectFrame(int index);

  // "Pick file...": imports a picture into the selected frame (clipped to the frame) or, when the
  // builder is empty or importing into all frames, makes the frame size the picture's and puts
  // it into the selected frame or every frame. False when the picture cannot be read.
  bool importPicture(std::string_view path);
  // "Load existing multi part image...": the picture split into N frames.
  bool loadMultiPart(std::string_view path);
  // "Save file as ...": builds the strip (stacked when stackVertically) and saves it as TGA with
  // alpha or as a keyed BMP; once written, the builder path becomes `path` and nothing is unsaved.
  bool save(std::string_view path);
  // The strip as it would be saved.
  ImageBuffer buildPicture() const;
  // The name the save dialog starts with: the builder path with "tga" or "bmp" as its last three
  // characters.
  std::string suggestedSaveName() const;
  // True when the builder may close: nothing unsaved, or the user agreed to lose it.
  bool mayClose() const;

  // Label of frame i: its state name, "Additional animation frame" past the last one, or empty
  // when the section has no state names.
  std::string frameLabel(int index) const;
  const std::vector<std::string>& stateNames() const { return stateNames_; }

  const ImageBuffer& strip() const { return strip_; }
  int frameWidth() const { return frameWidth_; }
  int frameHeight() const { return strip_.height(); }
  bool isEmpty() const { return empty_; }
  bool isModified() const { return modified_; }

  bool stackVertically = false;
  bool saveWithAlpha = true;
  bool importIntoAllFrames = false;
  bool imageIsVertical = false;

 private:
  bool split(ImageBuffer picture);
  void resizeStrip();

  int frameCount_ = 1;
  int selected_ = 0;
  int frameWidth_ = 100;
  ImageBuffer strip_;
  bool empty_ = true;
  bool modified_ = false;
  std::vector<std::string> stateNames_;
};

}  // namespace tessera
