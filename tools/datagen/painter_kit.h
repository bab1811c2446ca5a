#pragma once
// Drawing primitives shared by every picture of the generator: panels, fields, bands and glyphs
// in one consistent style.
#include <QPainter>
#include <QRectF>
#include <string_view>

#include "palette.h"

namespace tessera::datagen {

// How a frame looks, read from the name of its state ("Checked mouse over", "Inactive", ...).
struct StateLook {
  bool hot = false;
  bool pressed = false;
  bool disabled = false;
  bool on = false;        // checked, selected
  bool mixed = false;
  bool inactive = false;
  bool emphasis = false;  // default, focused, flashing
};
StateLook LookForState(std::string_view stateName);

enum class Glyph {
  None, ArrowUp, ArrowDown, ArrowLeft, ArrowRight, Check, Dot, Dash, Plus, Minus,
  Close, Maximize, Minimize, Restore, Help, RollUp, Chevron, GripVertical, GripHorizontal, SizeGrip
};

// A raised, rounded control face with a gradient, shaded by the state.
void DrawPanel(QPainter& p, const QRectF& r, const Palette& pal, const StateLook& s, double radius = 3);
// A flat highlight (menu items, selections): nothing in the plain state.
void DrawHighlight(QPainter& p, const QRectF& r, const Palette& pal, const StateLook& s, double radius = 3);
// A sunken field with a light inside.
void DrawField(QPainter& p, const QRectF& r, const Palette& pal, const StateLook& s, double radius = 2);
// A horizontal (or vertical) band from one colour to another.
void DrawBand(QPainter& p, const QRectF& r, const QColor& from, const QColor& to, bool vertical = true);
// A glyph centred in the rectangle.
void DrawGlyph(QPainter& p, const QRectF& r, Glyph g, const QColor& colour, double weight = 1.6);
// An irregular woven texture that tiles.
void DrawTexture(QPainter& p, const QRectF& r, const QColor& base, int seed);

QColor Shade(const QColor& c, int percent);  // > 100 lighter, < 100 darker
QColor WithAlpha(QColor c, int alpha);

}  // namespace tessera::datagen
