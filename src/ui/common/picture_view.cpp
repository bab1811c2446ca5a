#include "ui/common/picture_view.h"

#include <QPainter>

#include "core/app/qimage_bridge.h"
#include "core/image/image_file.h"
#include "core/image/picture_fit.h"

namespace tessera::ui {

namespace {

const QColor kViewGrey(192, 192, 192);

QRect targetRect(QSize view, QSize picture, PictureView::Fit fit) {
  return fit == PictureView::Fit::FillView ? FitPictureInView(view, picture) : ShrinkToFitRect(view, picture);
}

// Scaled pictures are drawn smoothly, as every scaled picture of the program is.
QImage scaledTo(const QImage& picture, QSize size) {
  if (picture.size() == size) return picture;
  return picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

void paintBackground(QPainter& painter, QSize view, PictureView::Fit fit, const QColor& frame) {
  if (fit == PictureView::Fit::ShrinkOnly) {
    painter.fillRect(QRect(QPoint(0, 0), view), Qt::white);
    return;
  }
  if (view.width() > 0 && view.height() > 0) {
    painter.setPen(frame);
    painter.drawRect(QRect(QPoint(0, 0), view).adjusted(0, 0, -1, -1));
  }
  const QRect inset = PictureViewInset(view);
  if (!inset.isEmpty()) painter.fillRect(inset, kViewGrey);
}

}  // namespace

PictureView::PictureView(QWidget* parent, Fit fit) : QWidget(parent), fit_(fit) {
  setObjectName(QStringLiteral("pictureView"));
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  setMinimumSize(24, 24);
}

QSize PictureView::sizeHint() const { return QSize(200, 150); }

bool PictureView::setImage(const std::string& path) {
  const auto image = path.empty() ? std::nullopt : LoadImageFile(path);
  setPicture(image ? ToQImage(*image) : QImage());
  return hasPicture();
}

void PictureView::setPicture(const QImage& picture) {
  picture_ = picture;
  scaled_ = QImage();
  update();
}

void PictureView::clear() { setPicture(QImage()); }

QRect PictureView::pictureRect() const {
  return picture_.isNull() ? QRect() : targetRect(size(), picture_.size(), fit_);
}

void PictureView::paintPicture(QPainter& painter, QSize view, const QImage& picture, Fit fit, const QColor& frame) {
  paintBackground(painter, view, fit, frame);
  if (picture.isNull()) return;
  const QRect target = targetRect(view, picture.size(), fit);
  if (!target.isEmpty()) painter.drawImage(target.topLeft(), scaledTo(picture, target.size()));
}

void PictureView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QColor frame = palette().color(QPalette::Mid);
  if (picture_.isNull()) {
    paintBackground(painter, size(), fit_, frame);
    return;
  }
  const QRect target = pictureRect();
  if (scaled_.size() != target.size()) scaled_ = target.isEmpty() ? QImage() : scaledTo(picture_, target.size());
  paintBackground(painter, size(), fit_, frame);
  if (!scaled_.isNull()) painter.drawImage(target.topLeft(), scaled_);
}

}  // namespace tessera::ui
