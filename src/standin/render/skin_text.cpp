#include "standin/render/skin_text.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QStringDecoder>
#include <algorithm>
#include <array>

#include "core/colours/colour_value.h"
#include "standin/render/skin_colours.h"

namespace tessera::render {

namespace {

struct StateKeys {
  const char* alignSuffix;
  const char* colourKey;
  const char* fontKey;
};

// The keys a state of the editor's state list edits.
StateKeys keysForStateIndex(int index) {
  static constexpr std::array<StateKeys, 10> kKeys = {{
      {"Normal", "NormalColour", "NormalFont"},
      {"Pressed", "PressedColour", "PressedFont"},
      {"MouseOver", "DisabledColour", "DisabledFont"},
      {"Disabled", "FocusColour", "FocusFont"},
      {"Default", "DefaultColour", "DefaultFont"},
      {"Activated", "FocusPressedColour", "FocusPressedFont"},
      {"ActivatedAndHighlighted", "NormalColour", "NormalFont"},
      {"Normal", "NormalColour", "NormalFont"},
      {"Normal", "NormalColour", "NormalFont"},
      {"Normal", "GroupColour", "GroupFont"},
  }};
  if (index < 0 || index >= static_cast<int>(kKeys.size())) return kKeys[0];
  return kKeys[static_cast<std::size_t>(index)];
}

// "FontHeight" is a size in points; a negative value is a pixel height.
int pixelSizeOf(int height) {
  if (height < 0) return std::clamp(-height, 1, 300);
  const int points = std::clamp(height == 0 ? 8 : height, 1, 200);
  return std::max(1, points * 96 / 72);
}

}  // namespace

bool CanDrawText() { return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr; }

QString FromSkinText(std::string_view text) {
  QStringDecoder decoder("windows-1252");
  if (!decoder.isValid()) return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
  return decoder.decode(QByteArrayView(text.data(), static_cast<qsizetype>(text.size())));
}

QFont DefaultFont(int pixelSize) {
  QFont font(QStringLiteral("Sans Serif"));
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(std::max(1, pixelSize));
  return font;
}

TextStyle FontSectionStyle(const SkinModel& skin, std::string_view section) {
  TextStyle style;
  const std::string name = skin.text(section, "FontName");
  style.font = DefaultFont(pixelSizeOf(skin.integer(section, "FontHeight", 8)));
  if (!name.empty()) style.font.setFamily(FromSkinText(name));
  style.font.setWeight(static_cast<QFont::Weight>(std::clamp(skin.integer(section, "FontWeight", 400), 100, 900)));
  style.font.setItalic(skin.integer(section, "Italics", 0) == 1 || skin.integer(section, "FontItalics", 0) != 0);
  style.font.setUnderline(skin.integer(section, "Underline", 0) == 1);
  style.effect = skin.integer(section, "DrawingStyle", 0);
  style.shadow = ToQColor(ColourFromChannels(skin.integer(section, "ShadowR", 0), skin.integer(section, "ShadowG", 0),
                                             skin.integer(section, "ShadowB", 0)));
  const int dx = std::clamp(skin.integer(section, "ShadowOffset", 1), -20, 20);
  style.shadowOffset = QPoint(dx, std::clamp(skin.integer(section, "ShadowOffsetY", dx), -20, 20));
  style.rotated = skin.integer(section, "FontAngle", 0) == 900;
  return style;
}

TextStyle PresetTextStyle(const SkinModel& skin, int number) {
  if (number < 0 || number > 49) return TextStyle{DefaultFont()};
  const std::string section = "Font" + std::to_string(number);
  if (skin.text(section, "FontName").empty()) return TextStyle{DefaultFont()};
  return FontSectionStyle(skin, section);
}

TextStyle SystemTextStyle(const SkinModel& skin, std::string_view roleKey) {
  const int number = skin.integer("SystemFonts", roleKey, -1);
  if (number < 0 || number > 49) return TextStyle{DefaultFont()};
  const std::string section = "SystemFont" + std::to_string(number);
  if (skin.text(section, "FontName").empty()) return TextStyle{DefaultFont()};
  TextStyle style = FontSectionStyle(skin, section);
  style.effect = 0;  // system fonts carry no effects
  return style;
}

TextStyle SectionTextStyle(const SkinModel& skin, std::string_view section, int state, const QColor& fallbackColour) {
  const StateKeys keys = keysForStateIndex(state - 1);
  // Sections of bars and menus keep one text colour and font, and another under the mouse
  // (state 2), where the state's own key is missing.
  const bool over = state == 2;
  auto preset = [&](const char* stateKey, const char* plainKey, const char* overKey) {
    int number = skin.integer(section, stateKey, -1);
    if (number < 0 && over) number = skin.integer(section, overKey, -1);
    if (number < 0) number = skin.integer(section, plainKey, -1);
    return number < 0 ? 255 : number;
  };
  TextStyle style = PresetTextStyle(skin, preset(keys.fontKey, "TextFont", "TextFontOver"));
  style.colour = PresetColour(skin, preset(keys.colourKey, "TextColour", "TextColourOver")).value_or(fallbackColour);
  // Push buttons draw a shadow with "TextShadow", in "ShadowColour" when that names a preset;
  // other sections with a shadow colour (the clock) always have their shadow.
  const std::optional<QColor> shadow = PresetColour(skin, skin.integer(section, "ShadowColour", 255));
  const bool switched = section.size() == 7 && QString::fromLatin1(section.data(), 7).compare(
                                                   QStringLiteral("Buttons"), Qt::CaseInsensitive) == 0;
  if (switched ? skin.integer(section, "TextShadow", 0) == 1 : shadow.has_value()) {
    style.effect = 1;
    style.shadow = shadow.value_or(QColor(0, 0, 0));
    style.shadowOffset = QPoint(1, 1);
  }
  const int horz = skin.integer(section, std::string("TextHorzAlign") + keys.alignSuffix, 0);
  const int vert = skin.integer(section, std::string("TextVertAlign") + keys.alignSuffix, 0);
  style.horzAlign = horz >= 1 && horz <= 3 ? horz : 2;
  style.horzAlignSet = horz >= 1 && horz <= 3;
  style.vertAlign = vert >= 1 && vert <= 3 ? vert : 2;
  return style;
}

void DrawSkinText(QPainter& painter, const QRect& rect, const QString& text, const TextStyle& style) {
  if (!CanDrawText() || text.isEmpty() || rect.isEmpty()) return;
  int flags = Qt::TextSingleLine;
  flags |= style.horzAlign == 1 ? Qt::AlignLeft : style.horzAlign == 3 ? Qt::AlignRight : Qt::AlignHCenter;
  flags |= style.vertAlign == 1 ? Qt::AlignTop : style.vertAlign == 3 ? Qt::AlignBottom : Qt::AlignVCenter;
  painter.save();
  painter.setFont(style.font);
  painter.setClipRect(rect, Qt::IntersectClip);
  QRect box = rect;
  if (style.rotated) {
    painter.translate(rect.center());
    painter.rotate(-90);
    box = QRect(-rect.height() / 2, -rect.width() / 2, rect.height(), rect.width());
  }
  const QString shown = QFontMetrics(style.font).elidedText(text, Qt::ElideRight, box.width());
  if (style.effect == 1 || style.effect == 4) {
    painter.setPen(style.shadow);
    painter.drawText(box.translated(style.shadowOffset), flags, shown);
  } else if (style.effect == 2 || style.effect == 3) {
    painter.setPen(style.shadow);
    for (const QPoint d : {QPoint(-1, 0), QPoint(1, 0), QPoint(0, -1), QPoint(0, 1)}) {
      painter.drawText(box.translated(d), flags, shown);
    }
  }
  painter.setPen(style.colour);
  painter.drawText(box, flags, shown);
  painter.restore();
}

}  // namespace tessera::render
