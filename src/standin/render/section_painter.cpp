#include "standin/render/section_painter.h"

#include <QImage>
#include <algorithm>
#include <optional>

#include "core/platform/paths.h"
#include "standin/render/blend_modes.h"
#include "standin/render/frame_selection.h"
#include "standin/render/nine_slice_painter.h"
#include "standin/render/section_style.h"

namespace tessera::render {

namespace {

constexpr std::size_t kMaxSectionName = 255;

struct Frame {
  const QImage* picture = nullptr;
  QRect source;
};

Frame frameOf(RenderContext& context, const std::string& path, Transparency transparency, int frameCount,
              bool vertical, int state, const std::string& mask = {}) {
  if (IsAnimationFile(path)) {
    // An animation holds its states as its own frames.
    const int frames = context.pictures.animationFrames(path, transparency);
    const int frame = state <= 1 && context.animationFrame > 0 ? context.animationFrame % std::max(1, frames)
                                                               : FrameForState(state, frames);
    const QImage& picture = context.pictures.picture(path, transparency, frame);
    if (picture.isNull()) return {};
    return {&picture, picture.rect()};
  }
  const QImage& picture = context.pictures.picture(path, transparency, 0, mask);
  if (picture.isNull()) return {};
  const int count = UsableFrameCount(picture.size(), frameCount, vertical);
  return {&picture, FrameRect(picture.size(), count, vertical, FrameForState(state, count))};
}

Transparency glyphTransparency(int mode) {
  switch (mode) {
    case 1: return Transparency::MagentaKey;
    case 2:
    case 3: return Transparency::PerPixel;
    default: return Transparency::Opaque;
  }
}

int alignedOffset(int mode, int shift, int space) {
  switch (mode) {
    case 1: return shift;                       // left or top, shifted inwards
    case 2: return space - shift;               // right or bottom
    case 3: return space * shift / 100;         // percent from the left or top
    case 4: return space - space * shift / 100; // percent from the right or bottom
    default: return space / 2;                  // centred
  }
}

void paintGlyph(QPainter& painter, RenderContext& context, const SectionStyle& style, const QRect& rect, int state) {
  const GlyphKeys& g = style.glyph;
  if (g.path.empty() || rect.width() < g.minWidth || rect.height() < g.minHeight) return;
  const Frame frame =
      frameOf(context, g.path, glyphTransparency(g.transMode), style.frameCount, g.vertical, state, g.maskPath);
  if (!frame.picture || frame.source.isEmpty()) return;
  const QSize size = frame.source.size();
  const int x = rect.left() + alignedOffset(g.horzAlign, g.xShift, rect.width() - size.width());
  const int y = rect.top() + alignedOffset(g.vertAlign, g.yShift, rect.height() - size.height());
  painter.save();
  painter.setClipRect(rect, Qt::IntersectClip);
  painter.drawImage(QPoint(x, y), *frame.picture, frame.source);
  painter.restore();
}

// Base picture and glyph of one section (no layers).
bool paintOwn(QPainter& painter, RenderContext& context, const SectionStyle& style, const QRect& rect, int state) {
  const Frame frame =
      frameOf(context, style.imagePath, style.transparency, style.frameCount, style.vertical, state, style.maskPath);
  const bool drawn = frame.picture && !frame.source.isEmpty();
  if (drawn) PaintNineSlice(painter, *frame.picture, frame.source, rect, style.painting);
  paintGlyph(painter, context, style, rect, state);
  return drawn;
}

// Where a layer is painted ("AlignLayerMode"): 0 over the whole section, 1 inside its content
// area (the layer's "ContentLeft3".. margins), 2 inside the base picture's sizing margins.
QRect layerArea(RenderContext& context, const SectionStyle& base, const std::string& layerName, const QRect& local,
                int state) {
  const SkinModel& skin = context.skin;
  QRect area = local;
  switch (skin.integer(layerName, "AlignLayerMode", 0)) {
    case 1: {
      auto margin = [&](const char* key) { return std::clamp(skin.integer(layerName, key, 0), -100, 1000); };
      area = local.marginsRemoved(
          QMargins(margin("ContentLeft3"), margin("ContentTop3"), margin("ContentRight3"), margin("ContentBottom3")));
      break;
    }
    case 2: {
      const Frame frame = frameOf(context, base.imagePath, base.transparency, base.frameCount, base.vertical, state);
      const QSize source = frame.picture ? frame.source.size() : local.size();
      area = local.marginsRemoved(TargetMargins(source, local.size(), base.painting));
      break;
    }
    default:
      break;
  }
  return area.isValid() ? area : local;
}

// One layer painted into its area of a transparent picture of the section's size, with the
// blend mode it asks for; nothing when the layer has no picture.
struct LayerPicture {
  QImage picture;
  BlendMode mode;
};

std::optional<LayerPicture> layerPicture(RenderContext& context, const SectionStyle& base, const std::string& layerName,
                                         QSize size, int state) {
  const SectionStyle layer = ReadSectionStyle(context.skin, layerName);
  QImage picture(size, QImage::Format_ARGB32_Premultiplied);
  picture.fill(Qt::transparent);
  QPainter p(&picture);
  const QRect local(QPoint(0, 0), size);
  if (!paintOwn(p, context, layer, layerArea(context, base, layerName, local, state), state)) return std::nullopt;
  p.end();
  return LayerPicture{std::move(picture), BlendModeOf(layer.alphaMode)};
}

}  // namespace

std::vector<std::string> LayerChain(const SkinModel& skin, std::string_view section) {
  std::vector<std::string> chain;
  std::string name(section);
  while (static_cast<int>(chain.size()) < kMaxLayers) {
    const std::string next = skin.text(name, "NextLayerName");
    if (next.empty() || name.size() + 1 + next.size() > kMaxSectionName) break;
    name += ':';
    name += next;
    // Section names compare without case; a chain that comes back to a name already seen
    // would only repeat itself.
    const bool seen = std::any_of(chain.begin(), chain.end(),
                                  [&](const std::string& n) { return paths::equalsIgnoreCase(n, name); });
    if (seen || paths::equalsIgnoreCase(name, section)) break;
    chain.push_back(name);
  }
  return chain;
}

bool PaintSection(QPainter& painter, RenderContext& context, std::string_view section, const QRect& rect, int state,
                  TextLayers textLayers, const PaintingKeys* painting) {
  if (rect.isEmpty() || section.empty()) return false;
  SectionStyle style = ReadSectionStyle(context.skin, section);
  if (painting) style.painting = *painting;
  const std::vector<std::string> layers = LayerChain(context.skin, section);
  if (layers.empty()) return paintOwn(painter, context, style, rect, state);

  // Layers blend with the section's own picture, so the section is composed off-screen first.
  QImage composed(rect.size(), QImage::Format_ARGB32_Premultiplied);
  composed.fill(Qt::transparent);
  const QRect local(QPoint(0, 0), rect.size());
  bool drawn = false;
  {
    QPainter p(&composed);
    drawn = paintOwn(p, context, style, local, state);
  }
  std::vector<std::string> overText;
  for (const auto& layerName : layers) {
    const int order = context.skin.integer(layerName, "LayerBlendOrder", 0);
    if (order == kOverTextOrder) {
      overText.push_back(layerName);
      continue;
    }
    const auto layer = layerPicture(context, style, layerName, rect.size(), state);
    if (!layer) continue;
    if (order == 1) {
      // Under the base: the layer is the destination the composition so far is laid over.
      QImage under = layer->picture;
      QPainter p(&under);
      p.drawImage(0, 0, composed);
      p.end();
      composed = under;
    } else {
      BlendLayer(composed, layer->picture, layer->mode);
    }
    drawn = true;
  }
  // Without text to wait for, the over-text layers come last, over every other layer.
  if (textLayers == TextLayers::Included) {
    for (const auto& layerName : overText) {
      const auto layer = layerPicture(context, style, layerName, rect.size(), state);
      if (!layer) continue;
      BlendLayer(composed, layer->picture, layer->mode);
      drawn = true;
    }
  }
  painter.drawImage(rect.topLeft(), composed);
  return drawn;
}

void PaintLayersOverText(QPainter& painter, RenderContext& context, std::string_view section, const QRect& rect,
                         int state) {
  if (rect.isEmpty() || section.empty()) return;
  std::vector<std::string> overText;
  for (const auto& layerName : LayerChain(context.skin, section)) {
    if (context.skin.integer(layerName, "LayerBlendOrder", 0) == kOverTextOrder) overText.push_back(layerName);
  }
  if (overText.empty()) return;
  const SectionStyle style = ReadSectionStyle(context.skin, section);
  // The blend modes need what lies beneath: on an image under a plain offset that is read back;
  // elsewhere the layers are laid over normally.
  QImage* target = painter.device() && painter.device()->devType() == QInternal::Image
                       ? static_cast<QImage*>(painter.device())
                       : nullptr;
  const QTransform transform = painter.deviceTransform();
  const bool readable = target && transform.type() <= QTransform::TxTranslate;
  const QRect onDevice = transform.mapRect(rect);
  QImage beneath = readable ? target->copy(onDevice).convertToFormat(QImage::Format_ARGB32_Premultiplied) : QImage();
  for (const auto& layerName : overText) {
    const auto layer = layerPicture(context, style, layerName, rect.size(), state);
    if (!layer) continue;
    if (readable) {
      BlendLayer(beneath, layer->picture, layer->mode);
    } else {
      painter.drawImage(rect.topLeft(), layer->picture);
    }
  }
  if (!readable) return;
  painter.save();
  painter.setClipRect(rect, Qt::IntersectClip);
  painter.setCompositionMode(QPainter::CompositionMode_Source);
  painter.drawImage(rect.topLeft(), beneath);
  painter.restore();
}

QSize SectionFrameSize(RenderContext& context, std::string_view section) {
  const SectionStyle style = ReadSectionStyle(context.skin, section);
  const Frame frame = frameOf(context, style.imagePath, style.transparency, style.frameCount, style.vertical, 1);
  return frame.picture ? frame.source.size() : QSize();
}

void PaintMarginMarks(QPainter& painter, RenderContext& context, std::string_view section, const QRect& rect) {
  const SectionStyle style = ReadSectionStyle(context.skin, section);
  if (style.painting.simpleMode != 0 || rect.isEmpty()) return;
  QSize source = SectionFrameSize(context, section);
  if (source.isEmpty()) source = rect.size();
  const QMargins m = TargetMargins(source, rect.size(), style.painting);
  painter.save();
  painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
  auto line = [&](QColor colour, QPoint a, QPoint b) {
    painter.setPen(QPen(colour, 1, Qt::SolidLine));
    painter.drawLine(a, b);
  };
  line(QColor(200, 50, 50), QPoint(rect.left(), rect.top() + m.top()), QPoint(rect.right(), rect.top() + m.top()));
  line(QColor(50, 50, 200), QPoint(rect.left(), rect.bottom() - m.bottom()),
       QPoint(rect.right(), rect.bottom() - m.bottom()));
  line(QColor(50, 200, 50), QPoint(rect.left() + m.left(), rect.top()), QPoint(rect.left() + m.left(), rect.bottom()));
  line(QColor(165, 165, 40), QPoint(rect.right() - m.right(), rect.top()),
       QPoint(rect.right() - m.right(), rect.bottom()));
  painter.restore();
}

}  // namespace tessera::render
