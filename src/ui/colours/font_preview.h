#pragma once
// The fonts editor's preview: "Font Preview" drawn by the engine's preview library in the
// selected font, and the two swatches that choose its text and background colours.
#include <QWidget>

#include "core/platform/system_colours.h"

namespace tessera::ui {

class FontPreview final : public QWidget {
  Q_OBJECT

 public:
  explicit FontPreview(QWidget* parent = nullptr);
  // The font's item data; -1 shows the background only.
  void setFont(int itemData);
  void setColours(ColorRef fore, ColorRef back);
  ColorRef foreColour() const { return fore_; }
  ColorRef backColour() const { return back_; }
  // The picture the preview shows, at the widget's size.
  QImage render() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int itemData_ = -1;
  ColorRef fore_ = 0;
  ColorRef back_ = 0xffffff;
};

// A white box with a black outline and an inner rectangle in its colour; a click opens the
// colour chooser.
class ColourSwatch final : public QWidget {
  Q_OBJECT

 public:
  explicit ColourSwatch(QWidget* parent = nullptr);
  void setColour(ColorRef colour);
  ColorRef colour() const { return colour_; }

 signals:
  void colourChosen(unsigned int colour);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  ColorRef colour_ = 0;
};

}  // namespace tessera::ui
