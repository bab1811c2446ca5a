#include "standin/render/button_tint.h"

#include <QColor>
#include <algorithm>

namespace tessera::render {

namespace {

// A hue key: -1 (absent) or any negative value means no change; larger turns wrap around.
int hueTurn(const SkinModel& skin, const char* key) {
  const int value = skin.integer("WindowFrame.Activetexture", key, -1);
  return value < 0 ? -1 : value % 360;
}

}  // namespace

ButtonTint TextureFrameButtonTint(const SkinModel& skin) {
  return ButtonTint{std::clamp(skin.integer("DWM", "ButtonAlpha", 255), 0, 255), hueTurn(skin, "ButtonHue"),
                    hueTurn(skin, "CloseButtonHue")};
}

QImage HueRotated(const QImage& picture, int degrees) {
  QImage out = picture.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < out.height(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < out.width(); ++x) {
      if (qAlpha(row[x]) == 0) continue;
      float hue = 0, saturation = 0, lightness = 0, alpha = 0;
      QColor::fromRgba(row[x]).getHslF(&hue, &saturation, &lightness, &alpha);
      if (hue < 0) continue;  // grey
      hue += static_cast<float>(degrees) / 360.0f;
      if (hue >= 1.0f) hue -= 1.0f;
      row[x] = QColor::fromHslF(hue, saturation, lightness, alpha).rgba();
    }
  }
  return out;
}

void DrawTintedButton(QPainter& painter, const QRect& target, const QImage& picture, const QRect& source,
                      const ButtonTint& tint, bool isClose) {
  const int hue = isClose ? tint.closeHue : tint.hue;
  const bool plain = tint.alpha >= 255 && hue <= 0;
  if (plain) {
    painter.drawImage(target, picture, source);
    return;
  }
  painter.save();
  painter.setOpacity(painter.opacity() * std::clamp(tint.alpha, 0, 255) / 255.0);
  if (hue > 0) {
    painter.drawImage(target, HueRotated(picture.copy(source), hue));
  } else {
    painter.drawImage(target, picture, source);
  }
  painter.restore();
}

}  // namespace tessera::render
