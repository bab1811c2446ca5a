#pragma once
// Text as a skin sets it: fonts from the presets "Font0".."Font49" and the system fonts, text
// colours from the colour presets, alignment per state, shadows and outlines.
#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPoint>
#include <QRect>
#include <QString>
#include <string>
#include <string_view>

#include "standin/render/skin_model.h"

namespace tessera::render {

struct TextStyle {
  QFont font;
  QColor colour = Qt::black;
  int horzAlign = 2;  // 1 left, 2 centre, 3 right ("OS Default" 0 counts as centre)
  bool horzAlignSet = false;  // the section set the alignment (not "OS Default")
  int vertAlign = 2;  // 1 top, 2 centre, 3 bottom
  int effect = 0;     // "DrawingStyle": 0 none, 1 shadow, 2 and 3 outline, 4 blurred shadow
  QColor shadow = Qt::black;
  QPoint shadowOffset{1, 1};
  bool rotated = false;
};

// Text needs the font database of a GUI application; without one nothing is drawn.
bool CanDrawText();

// Skin strings are 8-bit Windows-1252.
QString FromSkinText(std::string_view text);

// The platform's default interface font, `pixelSize` high.
QFont DefaultFont(int pixelSize = 12);

// A font section ("Font3", "SystemFont1", "Fonts"...) with its name, height, weight and italics;
// the default font when it names none. Fills the effect fields of `style` as well.
TextStyle FontSectionStyle(const SkinModel& skin, std::string_view section);
// Preset `number` (0..49), or the default font for any other number.
TextStyle PresetTextStyle(const SkinModel& skin, int number);
// The system font the role key of section "SystemFonts" ("SystemCaption", ...) selects.
TextStyle SystemTextStyle(const SkinModel& skin, std::string_view roleKey);

// The text style of a control section in a preview state (1 = first entry of the state list):
// alignment keys "TextHorzAlign"/"TextVertAlign" + state suffix, colour and font preset keys.
TextStyle SectionTextStyle(const SkinModel& skin, std::string_view section, int state, const QColor& fallbackColour);

void DrawSkinText(QPainter& painter, const QRect& rect, const QString& text, const TextStyle& style);

}  // namespace tessera::render
