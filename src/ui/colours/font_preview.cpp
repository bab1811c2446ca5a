#include "ui/colours/font_preview.h"

#include "ui/common/device_canvas.h"

#include <QMouseEvent>
#include <QPainter>

#include "core/app/preview_engine.h"
#include "ui/colours/colour_choosers.h"

namespace tessera::ui {

FontPreview::FontPreview(QWidget* parent) : QWidget(parent) { setMinimumSize(200, 60); }

void FontPreview::setFont(int itemData) {
  itemData_ = itemData;
  update();
}

void FontPreview::setColours(ColorRef fore, ColorRef back) {
  fore_ = fore;
  back_ = back;
  update();
}

QImage FontPreview::render() const {
  QImage canvas = DeviceCanvas(*this, ColourToQt(back_));
  if (itemData_ >= 0) {
    Preview().RenderTextObject(canvas, WholeCanvas(canvas), itemData_, "", "Font Preview", fore_);
  }
  return canvas;
}

void FontPreview::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawImage(0, 0, render());
}

ColourSwatch::ColourSwatch(QWidget* parent) : QWidget(parent) {
  setFixedSize(24, 20);
  setCursor(Qt::PointingHandCursor);
}

void ColourSwatch::setColour(ColorRef colour) {
  colour_ = colour;
  update();
}

void ColourSwatch::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QRect outer = rect().adjusted(0, 0, -1, -1);
  painter.fillRect(outer, Qt::white);
  painter.setPen(Qt::black);
  painter.drawRect(outer);
  // Inset 2 pixels at top and left, 1 at right and bottom, inside the outline.
  painter.fillRect(QRect(QPoint(outer.left() + 3, outer.top() + 3), QPoint(outer.right() - 2, outer.bottom() - 2)),
                   ColourToQt(colour_));
}

void ColourSwatch::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !rect().contains(event->position().toPoint())) return;
  if (const auto chosen = CurrentColourChooser()(this, colour_)) {
    setColour(*chosen);
    emit colourChosen(*chosen);
  }
}

}  // namespace tessera::ui
