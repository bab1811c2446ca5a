#include "ui/skin/skin_preview.h"

#include <QPainter>

#include "core/app/preview_engine.h"
#include "ui/skin/display_scale.h"

namespace tessera::ui {

SkinPreview::SkinPreview(QWidget* parent) : QWidget(parent) {
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

QSize SkinPreview::sizeHint() const { return {ScaledPixels(this, 400), ScaledPixels(this, 300)}; }
QSize SkinPreview::minimumSizeHint() const { return {ScaledPixels(this, 280), ScaledPixels(this, 210)}; }

void SkinPreview::render(ColorRef desktopColour, const std::string& title) {
  hasSkin_ = true;
  desktopColour_ = desktopColour;
  title_ = title;
  draw();
}

void SkinPreview::clear() {
  hasSkin_ = false;
  rendering_ = QImage();
  update();
}

void SkinPreview::draw() {
  // Skin pictures are pixel art: the preview is drawn one skin pixel per interface pixel.
  const QSize size = this->size().expandedTo(QSize(1, 1));
  rendering_ = QImage(size, QImage::Format_ARGB32_Premultiplied);
  rendering_.fill(QColor(RedOf(desktopColour_), GreenOf(desktopColour_), BlueOf(desktopColour_)));
  const int w = size.width();
  const int h = size.height();
  const VlRect window{w / 12, h / 14, w - w / 12, h - h / 6};
  const PreviewLibrary& preview = Preview();
  preview.DrawWindowFrameOwn2(rendering_, window, 0, title_);
  preview.DrawTaskBar(rendering_, 0, 0, w, h);
  update();
}

void SkinPreview::resizeEvent(QResizeEvent*) {
  if (hasSkin_) draw();
}

void SkinPreview::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (!hasSkin_ || rendering_.isNull()) {
    painter.fillRect(rect(), palette().color(QPalette::Base));
  } else {
    painter.drawImage(rect(), rendering_);
  }
  painter.setPen(palette().color(QPalette::Mid));
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

}  // namespace tessera::ui
