#include "core/image/frame_builder.h"

#include <algorithm>

#include "core/image/frame_strip.h"
#include "core/image/image_file.h"
#include "core/platform/environment.h"
#include "core/platform/paths.h"
#include "core/platform/profile.h"
#include "core/platform/prompt.h"
#include "core/skin/section_store.h"
#include "core/skin/skin_path_safety.h"
#include "core/skin/skin_session.h"

namespace tessera {

std::string& BuilderPath() {
  static std::string path;
  return path;
}

FrameBuilderModel::FrameBuilderModel() : strip_(10, 10, RowOrder::BottomUp) {}

void FrameBuilderModel::open(std::string_view currentSection) {
  *this = FrameBuilderModel();
  const std::string& main = Session().mainFile;
  int catalogueVert = 0;
  if (!currentSection.empty()) {
    const std::string& catalogue = CataloguePath();
    const int imageCount = static_cast<int>(profile::GetInt(currentSection, "ImageCount", 1, catalogue));
    const int count = static_cast<int>(ReadSkinInt(currentSection, "FrameCount", imageCount, main));
    frameCount_ = EffectiveFrameCount(std::clamp(count, 0, kMaxBuilderFrames));
    selected_ = frameCount_ - 1;
    const int stateList = static_cast<int>(profile::GetInt(currentSection, "StateList", 0, catalogue));
    catalogueVert = static_cast<int>(profile::GetInt(currentSection, "Vert", 0, catalogue));
    for (const std::string& line : profile::ReadSection(std::to_string(stateList), DataFile("statelist.ini"))) {
      const auto eq = line.rfind('=');
      stateNames_.push_back(eq == std::string::npos ? line : line.substr(0, eq));
    }
  }

  std::string& path = BuilderPath();
  if (path.empty()) return;
  if (path.size() >= 3 && paths::upper(path.substr(path.size() - 3)) == "BMP") saveWithAlpha = false;
  if (catalogueVert == 1 || (!currentSection.empty() && ReadSkinInt(currentSection, "Vert", 0, main) == 1)) {
    imageIsVertical = true;
    stackVertically = true;
  }
  auto picture = LoadImageFile(path);
  if (!picture && !currentSection.empty()) {
    const std::string image = ReadSkinString(currentSection, "Image", "", main);
    if (!image.empty() && IsSafeRelativePath(image)) {
      path = GetSkinsFolder() + "\\" + image;
      picture = LoadImageFile(path);
    }
  }
  if (!picture) return;
  KeyToTransparent(*picture);
  if (split(std::move(*picture))) empty_ = false;
}

bool FrameBuilderModel::split(ImageBuffer picture) {
  const int n = EffectiveFrameCount(frameCount_);
  if (!imageIsVertical) {
    frameWidth_ = picture.width() / n;
    strip_ = std::move(picture);
    return true;
  }
  const FrameSize frame = FrameSizeOf(picture.width(), picture.height(), n, true);
  if (!IsAcceptableImageSize(std::int64_t{n} * frame.width, frame.height)) return false;
  auto strip = CreateImage(n * frame.width, frame.height);
  for (int i = 0; i < n; ++i) CopyRect(picture, 0, i * frame.height, frame.width, frame.height, *strip, i * frame.width, 0);
  frameWidth_ = frame.width;
  strip_ = std::move(*strip);
  return true;
}

void FrameBuilderModel::selectFrame(int index) {
  if (index >= 0 && index < frameCount_) selected_ = index;
}

void FrameBuilderModel::setFrameCount(int count) {
  count = std::clamp(count, 0, kMaxBuilderFrames);
  if (!empty_) modified_ = true;
  frameCount_ = count;
  if (selected_ >= frameCount_ || selected_ < 0) selected_ = frameCount_ - 1;
  if (!empty_) resizeStrip();
}

void FrameBuilderModel::resizeStrip() {
  const std::int64_t width = std::int64_t{EffectiveFrameCount(frameCount_)} * frameWidth_;
  if (!IsAcceptableImageSize(width, strip_.height())) return;
  auto strip = CreateImage(static_cast<int>(width), strip_.height());
  CopyRect(strip_, 0, 0, strip_.width(), strip_.height(), *strip, 0, 0);
  strip_ = std::move(*strip);
}

bool FrameBuilderModel::importPicture(std::string_view path) {
  auto picture = LoadImageFile(path);
  if (!picture) return false;
  modified_ = true;
  KeyToTransparent(*picture);
  const int n = EffectiveFrameCount(frameCount_);
  const int target = std::clamp(selected_, 0, n - 1);
  if (empty_ || importIntoAllFrames) {
    if (!IsAcceptableImageSize(std::int64_t{n} * picture->width(), picture->height())) return false;
    auto strip = CreateImage(n * picture->width(), picture->height());
    frameWidth_ = picture->width();
    for (int i = 0; i < n; ++i) {
      if (importIntoAllFrames || i == target) {
        CopyRect(*picture, 0, 0, picture->width(), picture->height(), *strip, i * frameWidth_, 0);
      }
    }
    strip_ = std::move(*strip);
    empty_ = false;
    return true;
  }
  // Clear the selected frame, then place the picture at its top-left corner, clipped to it.
  const int x0 = target * frameWidth_;
  for (int y = 0; y < strip_.height(); ++y) {
    std::uint32_t* row = strip_.rowFromTop(y);
    for (int x = x0; x < std::min(x0 + frameWidth_, strip_.width()); ++x) row[x] = 0;
  }
  CopyRect(*picture, 0, 0, std::min(picture->width(), frameWidth_), std::min(picture->height(), strip_.height()),
           strip_, x0, 0);
  return true;
}

bool FrameBuilderModel::loadMultiPart(std::string_view path) {
  auto picture = LoadImageFile(path);
  if (!picture) return false;
  modified_ = true;
  empty_ = false;
  KeyToTransparent(*picture);
  frameCount_ = EffectiveFrameCount(frameCount_);
  return split(std::move(*picture));
}

ImageBuffer FrameBuilderModel::buildPicture() const {
  if (!stackVertically) return strip_;
  const int n = EffectiveFrameCount(frameCount_);
  const int height = strip_.height();
  auto picture = CreateImage(frameWidth_, n * height);
  if (!picture) return strip_;
  for (int i = 0; i < n; ++i) CopyRect(strip_, i * frameWidth_, 0, frameWidth_, height, *picture, 0, i * height);
  return std::move(*picture);
}

bool FrameBuilderModel::save(std::string_view path) {
  frameCount_ = EffectiveFrameCount(frameCount_);
  ImageBuffer picture = buildPicture();
  if (!saveWithAlpha) UnpremultiplyKeyed(picture);
  // A failed write keeps the work unsaved and the builder path unchanged, so that closing still
  // asks and the caller does not take a file that was never written.
  if (!SaveImageFile(path, picture, !saveWithAlpha)) return false;
  modified_ = false;
  BuilderPath() = std::string(path);
  return true;
}

std::string FrameBuilderModel::suggestedSaveName() const {
  const std::string& path = BuilderPath();
  if (path.size() <= 3) return path;
  return path.substr(0, path.size() - 3) + (saveWithAlpha ? "tga" : "bmp");
}

bool FrameBuilderModel::mayClose() const {
  return !modified_ || CurrentPrompt().askYesNo(kLoseChangesText, kLoseChangesCaption) == PromptAnswer::Yes;
}

std::string FrameBuilderModel::frameLabel(int index) const {
  if (stateNames_.empty()) return {};
  if (index >= 0 && static_cast<std::size_t>(index) < stateNames_.size()) return stateNames_[static_cast<std::size_t>(index)];
  return kAdditionalFrameLabel;
}

}  // namespace tessera
