#include "ui/app/animation_area.h"

#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

#include "core/app/shell_animation.h"
#include "core/platform/paths.h"
#include "core/platform/skin_text.h"

namespace tessera::ui {

namespace {
constexpr int kFrameHeight = 96;
}

AnimationArea::AnimationArea(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("animationArea"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, kFrameHeight + 4, 0, 0);
  caption_ = new QLabel(this);
  caption_->setAlignment(Qt::AlignCenter);
  layout->addWidget(caption_);
  connect(&player_, &ZorPlayer::frameChanged, this, [this] { update(frameArea()); });
}

void AnimationArea::clear() {
  player_.clear();
  caption_->clear();
  update();
}

void AnimationArea::showEntry(const std::string& entryName) {
  const ShellAnimationChoice choice = ShellAnimationFor(entryName);
  player_.clear();
  if (!choice.fullPath.empty() && IsZorPath(choice.fullPath) && player_.load(choice.fullPath)) {
    caption_->setText(QStringLiteral("Animation: %1").arg(FromSkinText(choice.clip)));
  } else if (!choice.clip.empty()) {
    // A clip the editor cannot play (a video, a missing or damaged file) is named only.
    caption_->setText(QStringLiteral("Animation: %1 (cannot be played here)").arg(FromSkinText(choice.clip)));
  } else {
    caption_->setText(QStringLiteral("Standard animation (clip %1)").arg(choice.standardId));
  }
  update();
}

QString AnimationArea::caption() const { return caption_->text(); }

QRect AnimationArea::frameArea() const { return QRect(0, 0, width(), kFrameHeight); }

void AnimationArea::paintEvent(QPaintEvent*) {
  const QImage& frame = player_.image();
  if (frame.isNull()) return;
  QPainter painter(this);
  const QRect area = frameArea();
  QSize size = frame.size();
  if (size.width() > area.width() || size.height() > area.height()) size.scale(area.size(), Qt::KeepAspectRatio);
  const QRect target(area.center() - QPoint(size.width() / 2, size.height() / 2), size);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawImage(target, frame);
}

}  // namespace tessera::ui
