#pragma once
// Shared pieces of the preview kinds: the area a kind lays itself out in, skinned controls with
// their text, and the classic look where the skin leaves an element out.
#include <QPainter>
#include <QRect>
#include <QString>
#include <optional>
#include <string>
#include <string_view>

#include "standin/render/section_painter.h"
#include "standin/render/section_text.h"

namespace tessera::render {

struct PreviewRequest {
  QRect rect;
  int state = 1;
  std::string section;  // the section being edited, or empty
  int group = 0;        // its catalogue group ("Section"), 0 when unknown
};

class PreviewScene {
 public:
  PreviewScene(QPainter& painter, RenderContext& context, const PreviewRequest& request);
  // Lays the over-text layers of the last section drawn (see section()).
  ~PreviewScene();
  PreviewScene(const PreviewScene&) = delete;
  PreviewScene& operator=(const PreviewScene&) = delete;

  QPainter& painter() { return painter_; }
  RenderContext& context() { return context_; }
  const SkinModel& skin() const { return context_.skin; }
  const PreviewRequest& request() const { return request_; }
  int state() const { return request_.state; }
  // The client area of the sample window a kind 20 draws into the same rectangle.
  QRect windowClient() const;
  // The rectangle less a small border.
  QRect inset() const;

  // Draws a section; true when it had a picture. Its layers meant for over the text wait until
  // its text is drawn (controlText) or the next section is drawn, whichever comes first.
  bool section(std::string_view name, const QRect& rect, int state);
  // Draws a section or, without a picture, a classic raised (or sunken) box.
  void control(std::string_view name, const QRect& rect, int state, bool sunkenFallback = false);
  // Text of a control section in its state, inside its content area.
  void controlText(std::string_view name, const QRect& rect, int state, const QString& text, int defaultAlign = 2);
  // Text on the element of a section, as the section sets it, in the given look where it sets none.
  void sectionLabel(std::string_view name, const QRect& rect, int state, const QString& text,
                    const TextDefaults& defaults);
  void sectionLabel(std::string_view name, const QRect& rect, int state, const QString& text, int align,
                    int colourIndex, bool bold = false);
  // A control with its text.
  void labelledControl(std::string_view name, const QRect& rect, int state, const QString& text);
  // A plain label in the skin's message font and a system colour.
  void label(const QRect& rect, const QString& text, int align = 1, int colourIndex = 8, bool bold = false);
  void fillSystem(const QRect& rect, int colourIndex);
  // A size for a section: its frame size, or `fallback` without a picture.
  QSize naturalSize(std::string_view name, QSize fallback);

 private:
  int stateFor(std::string_view name, int state) const;
  void layOverTextLayers();

  struct Drawn {
    std::string name;
    QRect rect;
    int state = 1;
  };

  QPainter& painter_;
  RenderContext& context_;
  PreviewRequest request_;
  std::optional<Drawn> awaitingText_;
};

// Frame of a state in a strip that repeats a block of `perBlock` states `block` times over
// (check boxes: four unchecked states, then four checked ones).
int BlockState(int state, int perBlock, int block);

// The kinds, each in its own file.
void DrawControlKind(PreviewScene& scene, int kind);
void DrawBarKind(PreviewScene& scene, int kind);
void DrawShellKind(PreviewScene& scene, int kind);
bool IsControlKind(int kind);
bool IsBarKind(int kind);

}  // namespace tessera::render
