#include "ui/pages/animation_test_dialog.h"

#include "ui/common/device_canvas.h"

#include <QEnterEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRandomGenerator>
#include <QVBoxLayout>
#include <algorithm>

#include "core/app/preview_engine.h"
#include "core/pages/animation_keys.h"
#include "core/sheet/section_preview.h"

namespace tessera::ui {

namespace {
constexpr QSize kInitialViewSize(120, 40);
constexpr int kMinViewSide = 20;
constexpr int kNormalState = 1;
constexpr int kHoverState = 2;
}  // namespace

AnimatedSectionView::AnimatedSectionView(const AnimationSettings& settings, QWidget* parent)
    : QWidget(parent), sequence_(settings, [](int upTo) { return QRandomGenerator::global()->bounded(upTo + 1); }) {
  setObjectName(QStringLiteral("animationView"));
  setFixedSize(kInitialViewSize);
  setCursor(Qt::SizeFDiagCursor);
  timer_.setSingleShot(true);
  connect(&timer_, &QTimer::timeout, this, &AnimatedSectionView::advance);
}

int AnimatedSectionView::state() const {
  if (sequence_.frame() >= 0) return sequence_.frame() + 1;
  return hovered_ ? kHoverState : kNormalState;
}

QImage AnimatedSectionView::render() const {
  QImage image = DeviceCanvas(*this, palette().color(QPalette::Window));
  Preview().RenderSection(image, WholeCanvas(image), state(), 0);
  return image;
}

void AnimatedSectionView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawImage(0, 0, render());
}

void AnimatedSectionView::enterEvent(QEnterEvent*) {
  hovered_ = true;
  schedule(sequence_.enter());
  update();
}

void AnimatedSectionView::leaveEvent(QEvent*) {
  hovered_ = false;
  schedule(sequence_.leave());
  update();
}

void AnimatedSectionView::mousePressEvent(QMouseEvent* event) {
  dragOrigin_ = event->globalPosition().toPoint();
  sizeAtDrag_ = size();
}

void AnimatedSectionView::mouseMoveEvent(QMouseEvent* event) {
  if (!(event->buttons() & Qt::LeftButton)) return;
  const QPoint delta = event->globalPosition().toPoint() - dragOrigin_;
  QSize wanted = sizeAtDrag_ + QSize(delta.x(), delta.y());
  QSize room = parentWidget() ? parentWidget()->size() : wanted;
  wanted = wanted.expandedTo(QSize(kMinViewSide, kMinViewSide)).boundedTo(room.expandedTo(QSize(kMinViewSide, kMinViewSide)));
  setFixedSize(wanted);
  update();
}

void AnimatedSectionView::schedule(int ms) {
  if (ms < 0)
    timer_.stop();
  else
    timer_.start(ms);
}

void AnimatedSectionView::advance() {
  schedule(sequence_.step());
  update();
}

AnimationTestDialog::AnimationTestDialog(const std::string& section, const std::string& topLevelSection, QWidget* parent)
    : QDialog(parent) {
  setWindowTitle(QStringLiteral("Test animation"));
  ReloadSectionPreview(section, topLevelSection);
  auto* layout = new QVBoxLayout(this);
  auto* text = new QLabel(QStringLiteral("Below is a preview of the control which animates when you mouseover it.  "
                                         "You can also resize it using the mouse"),
                          this);
  text->setWordWrap(true);
  layout->addWidget(text);
  // The view may grow into this area as it is dragged larger.
  auto* stage = new QWidget(this);
  stage->setMinimumSize(360, 200);
  view_ = new AnimatedSectionView(ReadAnimationSettings(section), stage);
  view_->move(10, 10);
  layout->addWidget(stage, 1);
  closeButton_ = new QPushButton(QStringLiteral("Close"), this);
  layout->addWidget(closeButton_, 0, Qt::AlignRight);
  connect(closeButton_, &QPushButton::clicked, this, &QDialog::accept);
}

}  // namespace tessera::ui
