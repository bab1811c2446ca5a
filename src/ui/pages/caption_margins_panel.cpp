#include "ui/pages/caption_margins_panel.h"

#include <QButtonGroup>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>

#include "ui/common/number_field.h"

namespace tessera::ui {

CaptionMarginsPanel::CaptionMarginsPanel(const CaptionMarginKeys& keys, QWidget* parent)
    : QWidget(parent), keys_(keys) {
  auto* form = new QFormLayout(this);
  auto* alignmentRow = new QHBoxLayout;
  auto* group = new QButtonGroup(this);
  const char* labels[] = {"Left aligned", "Centred", "Right aligned"};
  for (int i = 0; i < 3; ++i) {
    alignment_[static_cast<std::size_t>(i)] = new QRadioButton(QString::fromLatin1(labels[i]), this);
    group->addButton(alignment_[static_cast<std::size_t>(i)], i);
    alignmentRow->addWidget(alignment_[static_cast<std::size_t>(i)]);
  }
  form->addRow(alignmentRow);
  connect(group, &QButtonGroup::idClicked, this, [this](int value) {
    if (loading_) return;
    WriteCaptionInt(keys_.section, keys_.alignment, value);
    emit written();
  });
  left_ = marginBox(keys_.left);
  right_ = marginBox(keys_.right);
  top_ = marginBox(keys_.top);
  leftNoIcon_ = marginBox(keys_.leftNoIcon);
  rightNoIcon_ = marginBox(keys_.rightNoIcon);
  form->addRow(QStringLiteral("Left text margin :"), left_);
  form->addRow(QStringLiteral("Right text margin :"), right_);
  form->addRow(QStringLiteral("Top text margin :"), top_);
  form->addRow(QStringLiteral("Left text margin (no icon) :"), leftNoIcon_);
  form->addRow(QStringLiteral("Right text margin (no icon) :"), rightNoIcon_);
  load();
}

QSpinBox* CaptionMarginsPanel::marginBox(const char* key) {
  auto* spin = SizedToContent(new QSpinBox(this));
  spin->setRange(kCaptionMarginMin, kCaptionMarginMax);
  connect(spin, qOverload<int>(&QSpinBox::valueChanged), this, [this, key](int value) {
    if (loading_) return;
    WriteCaptionInt(keys_.section, key, value);
    // No-icon margins without keys of their own follow the normal margins.
    if (key == keys_.left || key == keys_.right) showNoIconMargins();
    emit written();
  });
  return spin;
}

void CaptionMarginsPanel::load() {
  loading_ = true;
  const CaptionMarginValues values = ReadCaptionMargins(keys_);
  for (int i = 0; i < 3; ++i) alignment_[static_cast<std::size_t>(i)]->setChecked(values.alignment == i);
  left_->setValue(values.left);
  right_->setValue(values.right);
  top_->setValue(values.top);
  leftNoIcon_->setValue(values.leftNoIcon);
  rightNoIcon_->setValue(values.rightNoIcon);
  loading_ = false;
}

void CaptionMarginsPanel::showNoIconMargins() {
  const CaptionMarginValues values = ReadCaptionMargins(keys_);
  const QSignalBlocker leftBlocker(leftNoIcon_);
  const QSignalBlocker rightBlocker(rightNoIcon_);
  leftNoIcon_->setValue(values.leftNoIcon);
  rightNoIcon_->setValue(values.rightNoIcon);
}

}  // namespace tessera::ui
