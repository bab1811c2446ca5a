#include "ui/editor/bottom_bar.h"

#include <QMouseEvent>
#include <QPainter>
#include <QSizeGrip>

namespace tessera::ui {

namespace {
constexpr int kGripSize = 20;
constexpr int kCaptionPadding = 12;
constexpr int kBarHeight = 26;
}  // namespace

BottomBar::BottomBar(QWidget* parent) : QWidget(parent), grip_(new QSizeGrip(this)) {
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  grip_->resize(kGripSize, kGripSize);
}

void BottomBar::setCaptions(const QStringList& captions) {
  captions_ = captions;
  if (selected_ >= captions_.size()) selected_ = -1;
  update();
}

void BottomBar::setSelected(int index) {
  selected_ = index;
  update();
}

QSize BottomBar::sizeHint() const { return {200, kBarHeight}; }

QRect BottomBar::captionRect(int index) const {
  int x = 4;
  const QFontMetrics metrics(font());
  for (int i = 0; i < captions_.size(); ++i) {
    const int width = metrics.horizontalAdvance(captions_[i]) + 2 * kCaptionPadding;
    if (i == index) return QRect(x, 2, width, height() - 4);
    x += width + 2;
  }
  return {};
}

void BottomBar::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().window().color().darker(108));
  painter.setPen(palette().mid().color());
  painter.drawLine(rect().topLeft(), rect().topRight());
  for (int i = 0; i < captions_.size(); ++i) {
    const QRect box = captionRect(i);
    if (i == selected_) {
      painter.fillRect(box, palette().base());
      painter.setPen(palette().mid().color());
      painter.drawRect(box.adjusted(0, -3, -1, -1));
    }
    painter.setPen(palette().text().color());
    QFont font = painter.font();
    font.setBold(i == selected_);
    painter.setFont(font);
    painter.drawText(box, Qt::AlignCenter, captions_[i]);
  }
}

void BottomBar::mousePressEvent(QMouseEvent* event) {
  for (int i = 0; i < captions_.size(); ++i) {
    if (captionRect(i).contains(event->position().toPoint())) {
      setSelected(i);
      emit captionClicked(i);
      return;
    }
  }
}

void BottomBar::resizeEvent(QResizeEvent*) { grip_->move(width() - kGripSize, height() - kGripSize); }

}  // namespace tessera::ui
