#pragma once
// The preview renderer: the current skin with its picture cache, the section loaded for the
// per-section operations, and every drawing operation of the preview library on QImages.
#include <QImage>
#include <QRect>
#include <optional>
#include <string>

#include "core/engine/vl_abi.h"
#include "core/platform/system_colours.h"
#include "standin/render/picture_cache.h"
#include "standin/render/section_painter.h"
#include "standin/render/skin_model.h"

namespace tessera::render {

class Renderer {
 public:
  void setSkinDir(std::string folder) { skinDir_ = std::move(folder); }
  // Makes the .uis file the current skin; false when it is missing or holds no section.
  bool loadSkin(const std::string& uisPath);
  void dropPictures() { pictures_.clear(); }
  void setAnimationFrame(int frame) { animationFrame_ = frame < 0 ? -1 : frame; }
  const SkinModel& skin() const { return skin_; }

  // A sample window of the current skin: its frame with caption and title-bar buttons, and with
  // `withClient` a client area with a menu bar and sample controls. `style` 0 active, 1 inactive.
  void drawWindow(QImage& target, const QRect& rect, int style, const std::string& title, bool withClient);
  // The same window with its title-bar buttons following the mouse and playing by a clock.
  void drawWindowLook(QImage& target, const QRect& rect, const VlFrameLook& look, const std::string& title);
  int titleBarButtonAt(const QRect& rect, const VlFrameLook& look, QPoint point);
  void drawTaskBar(QImage& target, const QRect& rect);
  void drawPreview(QImage& target, const QRect& rect, int kind, int state, const char* section);
  void drawSkinnedItem(QImage& target, const QRect& rect, int element, int state);
  ColorRef colourValue(int index);

  bool loadSection(const std::string& file, const std::string& section, int imageCount);
  void closeSection() { section_.reset(); }
  void renderSection(QImage& target, const QRect& rect, int state, int flags);
  void renderSectionWhole(QImage& target, int state);
  void renderSectionText(QImage& target, const QRect& rect, int state, const std::string& text);
  void renderTextObject(QImage& target, const QRect& rect, int preset, const std::string& fontKey,
                        const std::string& text, ColorRef colour);
  bool loadSideSection(const std::string& file, const std::string& file2, const std::string& section, int imageCount);
  void renderSideSection(QImage& target, const QRect& rect, int state);
  static void applyColour(QImage& target, const QRect& rect, ColorRef colour, int amount);

 private:
  struct LoadedSection {
    SkinModel skin;
    std::string section;
    int imageCount = 1;
  };

  RenderContext contextFor(const SkinModel& skin) { return RenderContext{skin, pictures_, animationFrame_}; }

  std::string skinDir_;
  int animationFrame_ = -1;
  SkinModel skin_;
  PictureCache pictures_;
  std::optional<LoadedSection> section_;
  std::optional<LoadedSection> side_;
};

}  // namespace tessera::render
