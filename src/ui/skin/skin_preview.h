#pragma once
// A rendered preview of one installed skin: its desktop colour, a sample window and its task bar,
// all drawn by the preview library, which holds that skin as its current skin meanwhile.
#include <QImage>
#include <QWidget>
#include <string>

#include "core/platform/system_colours.h"

namespace tessera::ui {

class SkinPreview final : public QWidget {
  Q_OBJECT
 public:
  explicit SkinPreview(QWidget* parent = nullptr);

  // Draws the preview library's current skin with this desktop colour and window title.
  void render(ColorRef desktopColour, const std::string& title);
  void clear();
  bool hasSkin() const { return hasSkin_; }
  const QImage& rendering() const { return rendering_; }

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void draw();

  bool hasSkin_ = false;
  ColorRef desktopColour_ = 0;
  std::string title_;
  QImage rendering_;
};

}  // namespace tessera::ui
