#include "palette.h"

namespace tessera::datagen {

namespace {

QColor mix(const QColor& a, const QColor& b, double t) {
  return QColor::fromRgbF(static_cast<float>(a.redF() * (1 - t) + b.redF() * t),
                          static_cast<float>(a.greenF() * (1 - t) + b.greenF() * t),
                          static_cast<float>(a.blueF() * (1 - t) + b.blueF() * t));
}

}  // namespace

Palette Palette::darker() const {
  Palette p = *this;
  const QColor night(28, 30, 36);
  p.face = mix(face, night, 0.75);
  p.faceLight = mix(faceLight, night, 0.6);
  p.edge = mix(edge, night, 0.4);
  p.titleActive = mix(titleActive, night, 0.7);
  p.titleActive2 = mix(titleActive2, night, 0.55);
  p.titleInactive = mix(titleInactive, night, 0.6);
  p.titleInactive2 = mix(titleInactive2, night, 0.5);
  p.text = QColor(232, 234, 238);
  p.glyph = QColor(220, 224, 232);
  p.field = mix(field, night, 0.85);
  return p;
}

Palette PaletteNamed(std::string_view name) {
  if (name == "Aurora") {
    return {QColor(226, 238, 236), QColor(250, 255, 254), QColor(70, 120, 118), QColor(32, 160, 140), QColor(120, 220, 200),
            QColor(24, 112, 110), QColor(60, 170, 150), QColor(140, 170, 168), QColor(190, 210, 206), QColor(16, 40, 40),
            QColor(30, 70, 68), QColor(255, 255, 255), QColor(214, 72, 64)};
  }
  if (name == "Copperline") {
    return {QColor(240, 230, 218), QColor(255, 250, 244), QColor(120, 82, 52), QColor(196, 110, 48), QColor(240, 170, 110),
            QColor(150, 78, 36), QColor(210, 130, 70), QColor(176, 156, 140), QColor(214, 200, 188), QColor(48, 30, 18),
            QColor(90, 52, 26), QColor(255, 253, 250), QColor(190, 50, 40)};
  }
  if (name == "Interface") {
    return {QColor(238, 240, 244), QColor(255, 255, 255), QColor(150, 158, 172), QColor(56, 112, 200), QColor(140, 184, 240),
            QColor(48, 96, 170), QColor(96, 150, 220), QColor(150, 160, 176), QColor(196, 204, 216), QColor(30, 34, 42),
            QColor(70, 78, 92), QColor(255, 255, 255), QColor(200, 64, 56)};
  }
  // Slate: the templates' quiet blue-grey.
  return {QColor(232, 234, 238), QColor(252, 252, 253), QColor(130, 138, 152), QColor(52, 110, 190), QColor(130, 176, 232),
          QColor(52, 92, 150), QColor(110, 150, 210), QColor(150, 160, 176), QColor(196, 204, 216), QColor(20, 24, 32),
          QColor(60, 66, 78), QColor(255, 255, 255), QColor(196, 60, 52)};
}

}  // namespace tessera::datagen
