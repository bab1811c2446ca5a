#pragma once
// Drawing one skin section: the frame of its picture for the state, painted by its painting
// keys, its glyph, and the layers chained to it blended in by their modes.
#include <QPainter>
#include <QRect>
#include <string>
#include <string_view>
#include <vector>

#include "standin/render/picture_cache.h"
#include "standin/render/section_style.h"
#include "standin/render/skin_model.h"

namespace tessera::render {

struct RenderContext {
  const SkinModel& skin;
  PictureCache& pictures;
  int animationFrame = -1;  // the frame ZOR animations show in their normal state; -1: the first
};

// The layer sections chained to `section` by "NextLayerName", in order. The chain is cut after
// kMaxLayers layers or when a name would exceed what a section name can hold.
inline constexpr int kMaxLayers = 32;
std::vector<std::string> LayerChain(const SkinModel& skin, std::string_view section);

// "LayerBlendOrder" of a layer: 0 blended over the layers before it, 1 laid under the section's
// own picture, 2 blended over the element's text (elements without text: over every other layer).
inline constexpr int kOverTextOrder = 2;

// Whether PaintSection blends the over-text layers in itself (the element draws no text) or
// leaves them to PaintLayersOverText, called once the text is drawn.
enum class TextLayers { Included, Deferred };

// Draws the section into `rect`; returns false when it has no picture to draw.
// `painting`, when given, replaces the section's own painting keys (for elements whose keys of
// their own say how the picture fills them).
bool PaintSection(QPainter& painter, RenderContext& context, std::string_view section, const QRect& rect, int state,
                  TextLayers textLayers = TextLayers::Included, const PaintingKeys* painting = nullptr);
// The over-text layers of a section drawn with TextLayers::Deferred, blended by their modes over
// what `rect` holds now.
void PaintLayersOverText(QPainter& painter, RenderContext& context, std::string_view section, const QRect& rect,
                         int state);

// The size of one frame of the section's picture (empty when it has none).
QSize SectionFrameSize(RenderContext& context, std::string_view section);

// Marks the four sizing margins of the section as they land on `rect`, in the colours of the
// margin swatches (top red, bottom blue, left green, right olive).
void PaintMarginMarks(QPainter& painter, RenderContext& context, std::string_view section, const QRect& rect);

}  // namespace tessera::render
