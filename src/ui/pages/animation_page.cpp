#include "ui/pages/animation_page.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>

#include "core/app/skin_actions.h"
#include "core/pages/animation_keys.h"
#include "ui/pages/animation_test_dialog.h"
#include "ui/sheet/refresh_timer.h"

namespace tessera::ui {

namespace {

QSlider* slider(int maximum, int tickInterval, QWidget* parent) {
  auto* s = new QSlider(Qt::Horizontal, parent);
  s->setRange(0, maximum);
  s->setTickInterval(tickInterval);
  s->setTickPosition(QSlider::TicksBelow);
  return s;
}

}  // namespace

AnimationPage::AnimationPage(SectionEditorContext& editor, QWidget* parent)
    : PropertyPage(editor, QStringLiteral("Animation"), parent) {
  using namespace animation_keys;
  auto* layout = new QVBoxLayout(this);

  auto* timing = new QGridLayout;
  rateSlider_ = slider(kMaxAnimationRate, 100, this);
  rateLabel_ = new QLabel(this);
  timing->addWidget(new QLabel(QStringLiteral("Animation rate :"), this), 0, 0);
  timing->addWidget(rateSlider_, 0, 1);
  timing->addWidget(rateLabel_, 0, 2);
  delaySlider_ = slider(kMaxLoopBackDelay, 400, this);
  delaySlider_->setPageStep(100);
  delayLabel_ = new QLabel(this);
  timing->addWidget(new QLabel(QStringLiteral("Delay between animation loops"), this), 1, 0);
  timing->addWidget(delaySlider_, 1, 1);
  timing->addWidget(delayLabel_, 1, 2);
  timing->setColumnStretch(1, 1);
  layout->addLayout(timing);
  randomBox_ = new QCheckBox(QStringLiteral("Use a random delay upto the value set above"), this);
  layout->addWidget(randomBox_);

  auto* frames = new QGridLayout;
  enterStart_ = frameBox(kMouseEnterStartFrame);
  leaveStop_ = frameBox(kMouseLeaveStopFrame);
  loopStart_ = frameBox(kMouseOverStartFrame);
  loopStop_ = frameBox(kMouseOverStopFrame);
  frames->addWidget(new QLabel(QStringLiteral("The animation should start with frame"), this), 0, 0);
  frames->addWidget(enterStart_, 0, 1);
  frames->addWidget(new QLabel(QStringLiteral("and stop on frame"), this), 0, 2);
  frames->addWidget(leaveStop_, 0, 3);
  frames->addWidget(new QLabel(QStringLiteral("The animation should loop back to frame "), this), 1, 0);
  frames->addWidget(loopStart_, 1, 1);
  frames->addWidget(new QLabel(QStringLiteral("and finish the loop on frame"), this), 1, 2);
  frames->addWidget(loopStop_, 1, 3);
  frames->setColumnStretch(4, 1);
  layout->addLayout(frames);

  loopOnce_ = flagBox(QStringLiteral("Only play the animation once rather than looping"), kLoopOnce);
  finish_ = flagBox(QStringLiteral("Finish playing the animation before stopping"), kMouseLeaveMode);
  layout->addWidget(loopOnce_);
  layout->addWidget(finish_);

  note_ = new QLabel(this);
  note_->setObjectName(QStringLiteral("noteBox"));
  note_->setWordWrap(true);
  note_->setFrameShape(QFrame::StyledPanel);
  layout->addWidget(note_);

  tryButton_ = new QPushButton(QStringLiteral("Try it..."), this);
  layout->addWidget(tryButton_, 0, Qt::AlignLeft);
  layout->addStretch(1);

  refresh_ = RefreshTimer::forAnimationPage(this);
  connect(rateSlider_, &QSlider::valueChanged, this, &AnimationPage::rateMoved);
  connect(delaySlider_, &QSlider::valueChanged, this, [this] {
    delayChanged();
    if (!isLoading()) refresh_->start();
  });
  connect(randomBox_, &QCheckBox::toggled, this, [this] { delayChanged(); });
  connect(tryButton_, &QPushButton::clicked, this, &AnimationPage::tryIt);
  reload();
  finishLoading();
}

QSpinBox* AnimationPage::frameBox(const char* key) {
  auto* box = new QSpinBox(this);
  box->setRange(0, kMaxAnimationFrame);
  connect(box, &QSpinBox::valueChanged, this, [this, key](int frame) {
    if (!isLoading()) WriteAnimationFrame(currentSection(), key, frame);
  });
  return box;
}

QCheckBox* AnimationPage::flagBox(const QString& text, const char* key) {
  auto* box = new QCheckBox(text, this);
  connect(box, &QCheckBox::toggled, this, [this, key](bool on) {
    if (!isLoading()) WriteAnimationFlag(currentSection(), key, on);
  });
  return box;
}

void AnimationPage::reload() {
  const AnimationSettings s = ReadAnimationSettings(currentSection());
  rateSlider_->setValue(s.rate);
  delaySlider_->setValue(s.delay);
  randomBox_->setChecked(s.randomDelay);
  enterStart_->setValue(s.enterStart);
  leaveStop_->setValue(s.leaveStop);
  loopStart_->setValue(s.loopStart);
  loopStop_->setValue(s.loopStop);
  loopOnce_->setChecked(s.loopOnce);
  finish_->setChecked(s.finishBeforeStopping);
  note_->setText(QStringLiteral(
      "The frame count should be modified to include the original images plus any animation frames"));
  // Labels follow the values even where setting them changed nothing.
  rateLabel_->setText(QString::fromStdString(AnimationRateLabel(s.rate)));
  delayLabel_->setText(QString::fromStdString(LoopDelayLabel(s.delay, s.randomDelay)));
}

void AnimationPage::rateMoved(int rate) {
  rateLabel_->setText(QString::fromStdString(AnimationRateLabel(rate)));
  if (isLoading()) return;
  WriteAnimationRate(currentSection(), rate);
  refresh_->start();
}

void AnimationPage::delayChanged() {
  const int delay = delaySlider_->value();
  const bool random = randomBox_->isChecked();
  delayLabel_->setText(QString::fromStdString(LoopDelayLabel(delay, random)));
  if (!isLoading()) WriteLoopBackDelay(currentSection(), delay, random);
}

void AnimationPage::tryIt() {
  RefreshPreview();
  if (QWidget* window = editor().editorWindow()) window->activateWindow();
  AnimationTestDialog dialog(currentSection(), currentTopLevelSection(), editor().editorWindow());
  dialog.exec();
}

}  // namespace tessera::ui
