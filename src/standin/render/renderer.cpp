#include "standin/render/renderer.h"

#include <QPainter>
#include <algorithm>
#include <filesystem>

#include "core/platform/files.h"
#include "core/platform/paths.h"
#include "core/platform/profile.h"
#include "core/platform/settings.h"
#include "standin/render/catalogue_lookup.h"
#include "standin/render/preview_scene.h"
#include "standin/render/section_painter.h"
#include "standin/render/section_style.h"
#include "standin/render/skin_colours.h"
#include "standin/render/skin_text.h"
#include "standin/render/taskbar_painter.h"
#include "standin/render/window_frame.h"

namespace tessera::render {

namespace {

constexpr int kMarginsFlags = 96;

// Painting is clipped to the target, so a rectangle far outside it costs nothing.
bool prepare(QImage& target, const QRect& rect) {
  return !target.isNull() && !rect.isEmpty() && rect.intersects(target.rect());
}

int groupOf(const SkinModel& skin, const std::string& section) {
  if (section.empty() || skin.skinsFolder().empty()) return 0;
  const std::size_t colon = section.find(':', 1);
  const std::string topLevel = colon == std::string::npos ? section : section.substr(0, colon);
  const std::string catalogue = paths::join(paths::join(skin.skinsFolder(), "Tessera7"), "subsections.ini");
  const auto value = profile::FindValue(topLevel, "Section", catalogue);
  return value ? ParseLeadingInt(*value) : 0;
}

// True when `file` is one of the current skin's files (its main file or a companion).
bool belongsTo(const SkinModel& skin, const std::string& file) {
  if (!skin.isLoaded()) return false;
  std::error_code error;
  return std::any_of(skin.files().begin(), skin.files().end(),
                     [&](const std::string& own) { return std::filesystem::equivalent(own, file, error); });
}

WindowLook windowLookOf(const VlFrameLook& in) {
  WindowLook look;
  look.active = (in.style & VL_STYLE_INACTIVE) == 0;
  look.maximised = (in.style & VL_STYLE_MAXIMISED) != 0;
  look.hasIcon = (in.style & VL_STYLE_NO_ICON) == 0;
  look.buttonState = std::clamp((in.style >> 8) & 0xff, 1, 4);
  look.hotButton = in.hotButton < 0 ? -1 : in.hotButton;
  look.clockMs = std::max(0, in.clockMs);
  look.hoverMs = in.hoverMs < 0 ? -1 : in.hoverMs;
  return look;
}

}  // namespace

bool Renderer::loadSkin(const std::string& uisPath) {
  if (uisPath.empty() || !files::isFile(uisPath)) {
    skin_ = SkinModel();
    return false;
  }
  skin_ = SkinModel(uisPath, &skin_);
  return skin_.mainFileHasSections();
}

void Renderer::drawWindow(QImage& target, const QRect& rect, int style, const std::string& title, bool withClient) {
  VlFrameLook look{style, -1, 0, -1, withClient ? 1 : 0};
  drawWindowLook(target, rect, look, title);
}

void Renderer::drawWindowLook(QImage& target, const QRect& rect, const VlFrameLook& frameLook, const std::string& title) {
  if (!prepare(target, rect) || !skin_.isLoaded()) return;
  skin_.refresh();
  QPainter painter(&target);
  RenderContext context = contextFor(skin_);
  WindowLook look = windowLookOf(frameLook);
  look.title = FromSkinText(title);
  const QRect client = PaintWindowFrame(painter, context, rect, look);
  if (frameLook.withClient) PaintClientArea(painter, context, client, look.active);
}

int Renderer::titleBarButtonAt(const QRect& rect, const VlFrameLook& frameLook, QPoint point) {
  if (rect.isEmpty() || !skin_.isLoaded()) return -1;
  skin_.refresh();
  RenderContext context = contextFor(skin_);
  return TitleBarButtonAtPoint(context, rect, windowLookOf(frameLook), point);
}

void Renderer::drawTaskBar(QImage& target, const QRect& rect) {
  if (!prepare(target, rect) || !skin_.isLoaded()) return;
  skin_.refresh();
  QPainter painter(&target);
  RenderContext context = contextFor(skin_);
  PaintTaskBar(painter, context, rect, TaskBarLook{});
}

void Renderer::drawPreview(QImage& target, const QRect& rect, int kind, int state, const char* section) {
  if (!prepare(target, rect) || !skin_.isLoaded()) return;
  skin_.refresh();
  QPainter painter(&target);
  painter.setClipRect(rect);
  RenderContext context = contextFor(skin_);
  PreviewRequest request;
  request.rect = rect;
  request.state = state;
  request.section = section ? section : "";
  request.group = groupOf(skin_, request.section);
  PreviewScene scene(painter, context, request);
  if (IsControlKind(kind)) {
    DrawControlKind(scene, kind);
  } else if (IsBarKind(kind)) {
    DrawBarKind(scene, kind);
  } else {
    DrawShellKind(scene, kind);
  }
}

void Renderer::drawSkinnedItem(QImage& target, const QRect& rect, int element, int state) {
  // An element is a preview kind drawn on its own.
  drawPreview(target, rect, element, state, nullptr);
}

ColorRef Renderer::colourValue(int index) {
  skin_.refresh();
  return skin_.isLoaded() ? SkinSystemColour(skin_, index) : PlatformSystemColour(index);
}

bool Renderer::loadSection(const std::string& file, const std::string& section, int imageCount) {
  section_.reset();
  if (file.empty() || section.empty() || !files::isFile(file)) return false;
  // A section of the current skin reads the presets and companions of the whole skin, wherever
  // its own file is.
  section_ = LoadedSection{SkinModel(belongsTo(skin_, file) ? skin_.mainFile() : file, &skin_), section,
                           std::clamp(imageCount, 1, 255)};
  return true;
}

void Renderer::renderSection(QImage& target, const QRect& rect, int state, int flags) {
  if (!section_ || !prepare(target, rect)) return;
  section_->skin.refresh();
  QPainter painter(&target);
  painter.setClipRect(rect);
  RenderContext context = contextFor(section_->skin);
  PaintSection(painter, context, section_->section, rect, state);
  if ((flags & kMarginsFlags) != 0) PaintMarginMarks(painter, context, section_->section, rect);
}

void Renderer::renderSectionWhole(QImage& target, int state) {
  // The whole image in its own units: a surface drawn at a scale is larger in pixels.
  renderSection(target, QRect(QPoint(0, 0), target.deviceIndependentSize().toSize()), state, 0);
}

void Renderer::renderSectionText(QImage& target, const QRect& rect, int state, const std::string& text) {
  if (!section_ || !prepare(target, rect)) return;
  section_->skin.refresh();
  QPainter painter(&target);
  painter.setClipRect(rect);
  RenderContext context = contextFor(section_->skin);
  PaintSection(painter, context, section_->section, rect, state, TextLayers::Deferred);
  const SectionStyle style = ReadSectionStyle(section_->skin, section_->section);
  const TextStyle textStyle = SectionTextStyle(section_->skin, section_->section, state,
                                               SkinSystemQColor(section_->skin, state == 4 ? 17 : 18));
  const QRect content = rect.marginsRemoved(style.content);
  DrawSkinText(painter, content.isValid() ? content : rect, FromSkinText(text), textStyle);
  PaintLayersOverText(painter, context, section_->section, rect, state);
}

void Renderer::renderTextObject(QImage& target, const QRect& rect, int preset, const std::string& fontKey,
                                const std::string& text, ColorRef colour) {
  if (!prepare(target, rect)) return;
  skin_.refresh();
  QPainter painter(&target);
  painter.setClipRect(rect);
  // A preset of 100 and up names a system font, as the font lists number them.
  TextStyle style = preset >= 100 ? FontSectionStyle(skin_, "SystemFont" + std::to_string(preset - 100))
                    : preset >= 0 ? PresetTextStyle(skin_, preset)
                                  : SystemTextStyle(skin_, fontKey);
  style.colour = ToQColor(colour);
  style.horzAlign = 2;
  style.vertAlign = 2;
  DrawSkinText(painter, rect, FromSkinText(text), style);
}

bool Renderer::loadSideSection(const std::string& file, const std::string& file2, const std::string& section,
                               int imageCount) {
  side_.reset();
  const std::string& path = files::isFile(file) ? file : file2;
  if (path.empty() || section.empty() || !files::isFile(path)) return false;
  side_ = LoadedSection{SkinModel(path), section, std::clamp(imageCount, 1, 255)};
  return true;
}

void Renderer::renderSideSection(QImage& target, const QRect& rect, int state) {
  if (!side_ || !prepare(target, rect)) return;
  side_->skin.refresh();
  QPainter painter(&target);
  painter.setClipRect(rect);
  RenderContext context = contextFor(side_->skin);
  PaintSection(painter, context, side_->section, rect, state);
}

void Renderer::applyColour(QImage& target, const QRect& rect, ColorRef colour, int amount) {
  if (!prepare(target, rect)) return;
  QPainter painter(&target);
  painter.setCompositionMode(QPainter::CompositionMode_SourceAtop);
  QColor tint = ToQColor(colour);
  tint.setAlpha(std::clamp(amount, 0, 255));
  painter.fillRect(rect, tint);
}

}  // namespace tessera::render
