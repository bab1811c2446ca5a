#pragma once
// Text on an element as its section sets it: inside the section's content area, in its text
// alignment, colour and font presets and shadow, the caller's alignment, colour and weight where
// the section sets none.
#include <QColor>
#include <QPainter>
#include <QRect>
#include <QString>
#include <string_view>

#include "standin/render/skin_model.h"

namespace tessera::render {

struct TextDefaults {
  int align = 2;  // 1 left, 2 centre, 3 right, when "TextHorzAlignNormal" is 0 or missing
  QColor colour;  // when no colour preset applies
  bool bold = false;  // when no font preset applies
};

void DrawSectionText(QPainter& painter, const SkinModel& skin, std::string_view section, const QRect& rect, int state,
                     const QString& text, const TextDefaults& defaults);

}  // namespace tessera::render
