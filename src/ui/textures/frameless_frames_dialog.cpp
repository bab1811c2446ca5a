#include "ui/textures/frameless_frames_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QSlider>
#include <QVBoxLayout>

#include "core/pages/texture_keys.h"
#include "core/skin/skin_document.h"
#include "ui/textures/hue_slider.h"
#include "ui/app/window_placement.h"

namespace tessera::ui {

namespace {

QSlider* alphaSlider(QWidget* parent, const AlphaKey& alpha) {
  auto* slider = new QSlider(Qt::Horizontal, parent);
  slider->setRange(0, kMaxAlpha);
  slider->setPageStep(16);
  slider->setValue(ReadFrameAlpha(alpha));
  return slider;
}

QLabel* valueLabel(QWidget* parent, QSlider* slider) {
  auto* label = new QLabel(QString::number(slider->value()), parent);
  label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QStringLiteral("0000")));
  QObject::connect(slider, &QSlider::valueChanged, label, [label](int value) { label->setNum(value); });
  return label;
}

}  // namespace

FramelessFramesDialog::FramelessFramesDialog(SkinDocument* document, QWidget* parent)
    : TextureEditorBase(document, QStringLiteral("Edit UIS0 frames"), SkinPreviewBand::Content::SampleWindows, parent) {
  addPicker(QStringLiteral("Window frame texture :"), kFramesTextureSection, body());

  shine_ = alphaSlider(this, kShineAlpha);
  border_ = alphaSlider(this, kBorderAlpha);
  button_ = alphaSlider(this, kButtonAlpha);
  buttonHue_ = new HueSlider(this);
  closeHue_ = new HueSlider(this);
  buttonHueDefault_ = new QCheckBox(QStringLiteral("Default"), this);
  closeHueDefault_ = new QCheckBox(QStringLiteral("Default"), this);
  const auto showHue = [](const char* key, HueSlider* slider, QCheckBox* box) {
    const std::optional<int> hue = ReadFrameHue(key);
    slider->setValue(hue.value_or(0));
    box->setChecked(!hue);
    slider->setEnabled(hue.has_value());
  };
  showHue(kButtonHue, buttonHue_, buttonHueDefault_);
  showHue(kCloseButtonHue, closeHue_, closeHueDefault_);
  noFlip_ = new QCheckBox(QStringLiteral("Do not mirror the texture along each axis to make a tiling texture"), this);
  noFlip_->setChecked(ReadNoFlip());

  auto* grid = new QGridLayout;
  int row = 0;
  const auto addRow = [&](const QString& caption, QSlider* slider, QWidget* extra) {
    auto* label = new QLabel(caption, this);
    label->setBuddy(slider);
    slider->setAccessibleName(caption.trimmed());
    grid->addWidget(label, row, 0);
    grid->addWidget(slider, row, 1);
    grid->addWidget(valueLabel(this, slider), row, 2);
    if (extra) grid->addWidget(extra, row, 3);
    ++row;
  };
  addRow(QStringLiteral("Shine alpha :"), shine_, nullptr);
  addRow(QStringLiteral("Border alpha :"), border_, nullptr);
  addRow(QStringLiteral("Button alpha :"), button_, nullptr);
  addRow(QStringLiteral("Button hue :"), buttonHue_, buttonHueDefault_);
  addRow(QStringLiteral("Close button hue :"), closeHue_, closeHueDefault_);
  auto* note = new QLabel(QStringLiteral("You will need to apply the skin to see the impact of these sliders."), this);
  note->setWordWrap(true);
  grid->addWidget(note, row - 2, 4, 2, 1);
  grid->setColumnStretch(1, 1);
  grid->setColumnStretch(4, 1);
  body()->addLayout(grid);
  body()->addWidget(noFlip_);

  const auto writeAlpha = [this](const AlphaKey& alpha, int value) {
    if (WriteFrameAlpha(alpha, value)) startRefresh();
  };
  connect(shine_, &QSlider::valueChanged, this, [writeAlpha](int v) { writeAlpha(kShineAlpha, v); });
  connect(border_, &QSlider::valueChanged, this, [writeAlpha](int v) { writeAlpha(kBorderAlpha, v); });
  connect(button_, &QSlider::valueChanged, this, [writeAlpha](int v) { writeAlpha(kButtonAlpha, v); });
  connectHue(kButtonHue, buttonHue_, buttonHueDefault_);
  connectHue(kCloseButtonHue, closeHue_, closeHueDefault_);
  connect(noFlip_, &QCheckBox::toggled, this, [this](bool on) {
    if (WriteNoFlip(on)) startRefresh();
  });
  ResizeToFirstSize(*this, QSize(760, 720));
}

void FramelessFramesDialog::connectHue(const char* key, HueSlider* slider, QCheckBox* box) {
  connect(slider, &QSlider::valueChanged, this, [this, key, slider, box] { writeHue(key, slider, box); });
  connect(box, &QCheckBox::toggled, this, [this, key, slider, box](bool checked) {
    slider->setEnabled(!checked);
    writeHue(key, slider, box);
  });
}

void FramelessFramesDialog::writeHue(const char* key, HueSlider* slider, QCheckBox* box) {
  const std::optional<int> value = box->isChecked() ? std::nullopt : std::optional<int>(slider->value());
  if (WriteFrameHue(key, value)) startRefresh();
}

void FramelessFramesDialog::storeShownValues() {
  const SkinDocument::Step step(document(), QStringLiteral("Store the frame values shown"));
  bool changed = WriteFrameAlpha(kShineAlpha, shine_->value());
  changed |= WriteFrameAlpha(kBorderAlpha, border_->value());
  changed |= WriteFrameAlpha(kButtonAlpha, button_->value());
  changed |= WriteFrameHue(kButtonHue, buttonHueDefault_->isChecked() ? std::nullopt : std::optional(buttonHue_->value()));
  changed |= WriteFrameHue(kCloseButtonHue,
                           closeHueDefault_->isChecked() ? std::nullopt : std::optional(closeHue_->value()));
  if (changed) startRefresh();
}

void FramelessFramesDialog::showEvent(QShowEvent* event) {
  TextureEditorBase::showEvent(event);
  // The shown values are stored once, when the window first appears.
  if (stored_) return;
  stored_ = true;
  storeShownValues();
}

}  // namespace tessera::ui
