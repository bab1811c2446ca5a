#include "ui/import/zor_view.h"

#include <QImage>
#include <algorithm>
#include <QPainter>

#include "core/image/zor_animation.h"

namespace tessera::ui {

namespace {

constexpr int kMargin = 20;
const QColor kBackground(64, 64, 64);
const QColor kBarBackground(54, 54, 54);

// One statistic as a bar filled from the bottom in proportion to the frame's pixel count.
void drawBar(QPainter& painter, int left, int frameHeight, double share, const QColor& colour) {
  const QRect bar(left, kMargin, 20, frameHeight);
  painter.fillRect(bar, kBarBackground);
  const int filled = static_cast<int>(std::clamp(share, 0.0, 1.0) * frameHeight);
  painter.fillRect(QRect(left, kMargin + frameHeight - filled, 20, filled), colour);
}

}  // namespace

ZorView::ZorView(ZorAnimation& animation, QWidget* parent) : QWidget(parent), animation_(animation) {
  setMinimumSize(320, 240);
}

void ZorView::setFrame(int index) {
  frame_ = index;
  update();
}

void ZorView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), kBackground);
  const int width = animation_.width();
  const int height = animation_.height();
  if (width > 0 && height > 0) {
    if (const auto decoded = animation_.decodeFrame(frame_)) {
      ++framesDrawn_;
      const QImage image(reinterpret_cast<const uchar*>(decoded->pixels()), decoded->width(), decoded->height(),
                         decoded->width() * 4, QImage::Format_ARGB32_Premultiplied);
      painter.drawImage(kMargin, kMargin, image);
      const ZorFrameStatistics statistics = animation_.statistics();
      const double pixels = double(width) * height;
      drawBar(painter, width + 30, height, statistics.wordsRead / pixels, QColor(120, 120, 195));
      drawBar(painter, width + 60, height, statistics.pixelsWritten / pixels, QColor(195, 120, 120));
      drawBar(painter, width + 90, height, statistics.blocksRead / pixels, QColor(195, 195, 120));
    }
  }
  painter.setPen(Qt::white);
  const QRect below(kMargin, kMargin + std::max(height, 0) + 4, std::max(width, 200), 20);
  painter.drawText(below, Qt::AlignHCenter | Qt::AlignTop,
                   QStringLiteral("%1 out of %2 complete").arg(animation_.progress()).arg(animation_.frameCount()));
}

}  // namespace tessera::ui
