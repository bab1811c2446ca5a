#include "standin/render/section_text.h"

#include "standin/render/section_style.h"
#include "standin/render/skin_text.h"

namespace tessera::render {

void DrawSectionText(QPainter& painter, const SkinModel& skin, std::string_view section, const QRect& rect, int state,
                     const QString& text, const TextDefaults& defaults) {
  if (!CanDrawText() || rect.isEmpty()) return;
  const SectionStyle style = ReadSectionStyle(skin, section);
  TextStyle textStyle = SectionTextStyle(skin, section, state, defaults.colour);
  if (!textStyle.horzAlignSet) textStyle.horzAlign = defaults.align;
  if (defaults.bold && skin.integer(section, "NormalFont", -1) < 0 && skin.integer(section, "TextFont", -1) < 0) {
    textStyle.font.setBold(true);
  }
  const QRect content = rect.marginsRemoved(style.content);
  DrawSkinText(painter, content.isValid() ? content : rect, text, textStyle);
}

}  // namespace tessera::render
