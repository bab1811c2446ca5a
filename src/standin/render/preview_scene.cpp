#include "standin/render/preview_scene.h"

#include <algorithm>

#include "core/platform/paths.h"

#include "standin/render/classic_look.h"
#include "standin/render/section_style.h"
#include "standin/render/section_text.h"
#include "standin/render/skin_colours.h"
#include "standin/render/skin_text.h"
#include "standin/render/window_frame.h"

namespace tessera::render {

PreviewScene::PreviewScene(QPainter& painter, RenderContext& context, const PreviewRequest& request)
    : painter_(painter), context_(context), request_(request) {}

PreviewScene::~PreviewScene() { layOverTextLayers(); }

void PreviewScene::layOverTextLayers() {
  if (!awaitingText_) return;
  const Drawn drawn = std::move(*awaitingText_);
  awaitingText_.reset();
  PaintLayersOverText(painter_, context_, drawn.name, drawn.rect, drawn.state);
}

QRect PreviewScene::windowClient() const {
  const QRect client = request_.rect.marginsRemoved(FrameThickness(context_));
  return client.isValid() ? client : request_.rect;
}

QRect PreviewScene::inset() const {
  const QRect r = request_.rect.adjusted(8, 8, -8, -8);
  return r.isValid() ? r : request_.rect;
}

int PreviewScene::stateFor(std::string_view name, int state) const {
  // The section being edited (or the section a layer being edited belongs to) shows the
  // preview state wherever a kind draws it in its normal look.
  if (state != 1 || request_.section.empty()) return state;
  const std::string_view edited(request_.section);
  const std::size_t colon = edited.find(':', 1);
  return paths::equalsIgnoreCase(name, edited.substr(0, colon)) ? request_.state : state;
}

bool PreviewScene::section(std::string_view name, const QRect& rect, int state) {
  layOverTextLayers();
  state = stateFor(name, state);
  const bool drawn = PaintSection(painter_, context_, name, rect, state, TextLayers::Deferred);
  awaitingText_ = Drawn{std::string(name), rect, state};
  return drawn;
}

void PreviewScene::control(std::string_view name, const QRect& rect, int state, bool sunkenFallback) {
  state = stateFor(name, state);
  if (section(name, rect, state)) return;
  if (sunkenFallback) {
    PaintClassicSunken(painter_, skin(), rect, 5);
  } else {
    PaintClassicButton(painter_, skin(), rect, state == 2 || state == 3);
  }
}

void PreviewScene::controlText(std::string_view name, const QRect& rect, int state, const QString& text,
                               int defaultAlign) {
  const bool disabled = state == 4;
  sectionLabel(name, rect, state, text, TextDefaults{defaultAlign, SkinSystemQColor(skin(), disabled ? 17 : 18)});
}

void PreviewScene::sectionLabel(std::string_view name, const QRect& rect, int state, const QString& text,
                                const TextDefaults& defaults) {
  if (!CanDrawText()) return;
  DrawSectionText(painter_, skin(), name, rect, stateFor(name, state), text, defaults);
  layOverTextLayers();
}

void PreviewScene::sectionLabel(std::string_view name, const QRect& rect, int state, const QString& text, int align,
                                int colourIndex, bool bold) {
  sectionLabel(name, rect, state, text, TextDefaults{align, SkinSystemQColor(skin(), colourIndex), bold});
}

void PreviewScene::labelledControl(std::string_view name, const QRect& rect, int state, const QString& text) {
  state = stateFor(name, state);
  control(name, rect, state);
  controlText(name, rect, state, text);
}

void PreviewScene::label(const QRect& rect, const QString& text, int align, int colourIndex, bool bold) {
  DrawLabel(painter_, skin(), rect, text, align, SkinSystemQColor(skin(), colourIndex), bold);
}

void PreviewScene::fillSystem(const QRect& rect, int colourIndex) {
  if (!rect.isEmpty()) painter_.fillRect(rect, SkinSystemQColor(skin(), colourIndex));
}

QSize PreviewScene::naturalSize(std::string_view name, QSize fallback) {
  const QSize size = SectionFrameSize(context_, name);
  if (size.isEmpty()) return fallback;
  return size.boundedTo(QSize(400, 300));
}

int BlockState(int state, int perBlock, int block) { return std::clamp(state, 1, perBlock) + perBlock * block; }

}  // namespace tessera::render
