#pragma once
// The colours one family of pictures is drawn in. Every skin and every set of interface
// pictures has its own palette, so that all of its pictures match.
#include <QColor>
#include <string_view>

namespace tessera::datagen {

struct Palette {
  QColor face;          // controls and panels
  QColor faceLight;     // the lit top of gradients
  QColor edge;          // outlines
  QColor accent;        // selection, progress, default buttons
  QColor accentLight;
  QColor titleActive;   // title bars and frames of active windows
  QColor titleActive2;  // the end of their gradient
  QColor titleInactive;
  QColor titleInactive2;
  QColor text;
  QColor glyph;         // arrows, marks and signs
  QColor field;         // inside of text fields
  QColor close;         // the close button

  // The same family, darker (the "Dark" sub-style).
  Palette darker() const;
};

// Palettes by name: "Slate" (templates), "Aurora", "Copperline" (demo skins), "Interface".
Palette PaletteNamed(std::string_view name);

}  // namespace tessera::datagen
