#include "ui/pages/button_image_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "core/pages/animation_keys.h"
#include "core/pages/title_bar_button_actions.h"
#include "core/platform/settings.h"
#include "ui/pages/button_slider.h"
#include "ui/pages/image_slot_panel.h"
#include "ui/pages/slot_file_list.h"

namespace tessera::ui {

namespace {
constexpr int kMaxFrameCount = 255;
}  // namespace

ButtonImagePage::ButtonImagePage(SectionEditorContext& editor, QWidget* parent)
    : TitleBarButtonPage(editor, QStringLiteral("Image"), true, parent) {
  panel_ = makeButtonSlotPanel("ButtonImage", QStringLiteral(" No Image defined - section may be optional"));
  transparent_ = new QCheckBox(QStringLiteral("Button has transparency"), this);
  perPixel_ = new QCheckBox(QStringLiteral("Button has per pixel alpha"), this);
  frameCountLabel_ = new QLabel(QStringLiteral("Image count : "), this);
  frameCount_ = new QSpinBox(this);
  frameCount_->setRange(1, kMaxFrameCount);
  default_ = new QPushButton(QStringLiteral("Default"), this);
  rateLabel_ = new QLabel(QStringLiteral("Animation rate :"), this);
  rate_ = new ButtonSlider(AnimationRateLabel, QStringLiteral("Faster / None"), QStringLiteral("Slower"), this);

  auto* imageLabel = new QLabel(QStringLiteral("Image : "), this);
  imageLabel->setBuddy(panel_->fileList());
  auto* countRow = new QHBoxLayout;
  countRow->addWidget(frameCountLabel_);
  countRow->addWidget(frameCount_);
  countRow->addWidget(default_);
  countRow->addStretch();
  QVBoxLayout* layout = pageLayout();
  layout->addWidget(imageLabel);
  layout->addWidget(panel_);
  layout->addWidget(transparent_);
  layout->addWidget(perPixel_);
  layout->addLayout(countRow);
  layout->addWidget(rateLabel_);
  layout->addWidget(rate_);
  layout->addStretch();

  panel_->setFrameCountSource([this] { return frameCount_->value(); });
  connect(panel_, &ImageSlotPanel::fileChosen, this, &ButtonImagePage::chooseImage);
  connect(panel_, &ImageSlotPanel::slotWrittenByCommand, this, [this] {
    // The import wrote ButtonImage itself; the list keeps its entries, the rows show the new name.
    rebuildButtonList(selectedButton());
    loadSelectedButton();
    stored();
  });
  connect(transparent_, &QCheckBox::clicked, this, [this](bool on) {
    if (!isActive() || !keys()) return;
    keys()->writeFlag("UseTrans", on);
    stored();
  });
  connect(perPixel_, &QCheckBox::clicked, this, [this](bool on) {
    if (!isActive() || !keys()) return;
    keys()->writeFlag("PerPixel", on);
    stored();
  });
  connect(frameCount_, &QSpinBox::valueChanged, this, [this](int count) {
    if (!isActive() || !keys()) return;
    keys()->writeInt("FrameCount", count);
    rebuildButtonList(selectedButton());
    stored();
  });
  connect(default_, &QPushButton::clicked, this, [this] {
    if (!isActive() || !keys()) return;
    frameCount_->setValue(model().defaultFrameCount());
    keys()->writeInt("FrameCount", model().defaultFrameCount());
    stored();
  });
  connect(rate_, &ButtonSlider::stored, this, [this](int position) {
    if (!isActive() || !keys()) return;
    keys()->writeInt("AnimTimerRate", position);
    stored();
  });
}

void ButtonImagePage::startPage() {
  const bool beginner = ReadSettingInt(settings::UIMode) == 0;
  for (QWidget* control : {static_cast<QWidget*>(frameCountLabel_), static_cast<QWidget*>(frameCount_),
                           static_cast<QWidget*>(default_), static_cast<QWidget*>(rateLabel_),
                           static_cast<QWidget*>(rate_)}) {
    control->setVisible(!beginner);
  }
  transparent_->setVisible(!model().personalityLayout());
  panel_->fileList()->refill({});
}

void ButtonImagePage::loadButton(const TitleBarButtonKeys* keys) {
  setEnabled(keys != nullptr);
  if (!keys) return;
  const ButtonImageValues values = keys->readImage(model().defaultFrameCount());
  panel_->setSection(keys->section());
  panel_->fileList()->selectValue(values.image);
  panel_->repaintPreview();
  transparent_->setChecked(values.transparent);
  perPixel_->setChecked(values.perPixel);
  frameCount_->setValue(values.frameCount);
  rate_->load(values.animationRate);
}

void ButtonImagePage::chooseImage(const std::string& value) {
  if (!isActive() || !keys()) return;
  // The placeholder entry comes as the empty value and removes the key: a button without
  // ButtonImage has no picture, where the placeholder's text would name a file that is not there.
  keys()->writeTextOrDelete("ButtonImage", value);
  rebuildButtonList(selectedButton());
  stored();
}

}  // namespace tessera::ui
