#include "ui/pages/button_glow_page.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "core/pages/animation_keys.h"
#include "core/pages/title_bar_button_actions.h"
#include "ui/common/number_field.h"
#include "ui/pages/button_slider.h"
#include "ui/pages/image_slot_panel.h"
#include "ui/pages/slot_file_list.h"

namespace tessera::ui {

namespace {
constexpr int kMaxFrameCount = 255;
}  // namespace

ButtonGlowPage::ButtonGlowPage(SectionEditorContext& editor, QWidget* parent)
    : TitleBarButtonPage(editor, QStringLiteral("Mouseover glow"), true, parent) {
  panel_ = makeButtonSlotPanel("OverlayImage", QStringLiteral(" No button glow overlay"));
  frameCount_ = SizedToContent(new QSpinBox(this));
  frameCount_->setRange(1, kMaxFrameCount);
  default_ = new QPushButton(QStringLiteral("Default"), this);
  x_ = SizedToContent(new QSpinBox(this));
  x_->setRange(-100, 200);
  y_ = SizedToContent(new QSpinBox(this));
  y_->setRange(-100, 200);
  fade_ = new ButtonSlider(FadeInLabel, {}, {}, this);
  timer_ = new ButtonSlider(AnimationRateLabel, {}, {}, this);

  auto* imageLabel = new QLabel(QStringLiteral("Image : "), this);
  imageLabel->setBuddy(panel_->fileList());
  auto* countRow = new QHBoxLayout;
  countRow->addWidget(frameCount_);
  countRow->addWidget(default_);
  countRow->addStretch();
  auto* form = new QFormLayout;
  form->addRow(QStringLiteral("Frame count : "), countRow);
  form->addRow(QStringLiteral("X Offset :"), x_);
  form->addRow(QStringLiteral("Y Offset :"), y_);
  form->addRow(QStringLiteral("Fade in speed :"), fade_);
  form->addRow(QStringLiteral("Animation timer :"), timer_);
  pageLayout()->addWidget(imageLabel);
  pageLayout()->addWidget(panel_);
  pageLayout()->addLayout(form);
  pageLayout()->addStretch();

  connect(panel_, &ImageSlotPanel::fileChosen, this, [this](const std::string& value) {
    if (!isActive() || !keys()) return;
    // The placeholder entry comes as the empty value and removes OverlayImage.
    keys()->writeTextOrDelete("OverlayImage", value);
    stored();
  });
  connect(panel_, &ImageSlotPanel::slotWrittenByCommand, this, [this] {
    // After an import the empty entry reads " None"; it still removes the key.
    panel_->fileList()->setEmptyText(QStringLiteral(" None"));
    loadSelectedButton();
    stored();
  });
  connectInt(frameCount_, "OverlayFrameCount");
  connectInt(x_, "OverlayImageXOffset");
  connectInt(y_, "OverlayImageYOffset");
  connect(default_, &QPushButton::clicked, this, [this] {
    if (!isActive() || !keys()) return;
    frameCount_->setValue(1);
    keys()->writeInt("OverlayFrameCount", 1);
    stored();
  });
  connect(fade_, &ButtonSlider::stored, this, [this](int position) {
    if (!isActive() || !keys()) return;
    keys()->writeInt("OverlayFadeInTime", position);
    stored();
  });
  connect(timer_, &ButtonSlider::stored, this, [this](int position) {
    if (!isActive() || !keys()) return;
    keys()->writeInt("OverlayTimer", position);
    stored();
  });
}

void ButtonGlowPage::connectInt(QSpinBox* box, const char* key) {
  connect(box, &QSpinBox::valueChanged, this, [this, key](int value) {
    if (!isActive() || !keys()) return;
    keys()->writeInt(key, value);
    stored();
  });
}

void ButtonGlowPage::startPage() { panel_->fileList()->refill({}); }

void ButtonGlowPage::loadButton(const TitleBarButtonKeys* keys) {
  setEnabled(keys != nullptr);
  if (!keys) return;
  const ButtonGlowValues v = keys->readGlow();
  panel_->setSection(keys->section());
  panel_->fileList()->selectValue(v.image);
  panel_->repaintPreview();
  frameCount_->setValue(v.frameCount);
  x_->setValue(v.xOffset);
  y_->setValue(v.yOffset);
  fade_->load(v.fadeInTime);
  timer_->load(v.timer);
}

}  // namespace tessera::ui
