#include "ui/pages/button_slider.h"

#include <QGridLayout>
#include <QLabel>
#include <QSlider>

namespace tessera::ui {

ButtonSlider::ButtonSlider(std::function<std::string(int)> label, const QString& leftText, const QString& rightText,
                           QWidget* parent)
    : QWidget(parent), label_(std::move(label)) {
  slider_ = new QSlider(Qt::Horizontal, this);
  slider_->setRange(0, 2000);
  slider_->setPageStep(100);
  slider_->setTickInterval(100);
  slider_->setTickPosition(QSlider::TicksBelow);
  value_ = new QLabel(this);
  value_->setMinimumWidth(value_->fontMetrics().horizontalAdvance(QStringLiteral("Animation disabled")) + 8);
  auto* left = new QLabel(leftText, this);
  auto* right = new QLabel(rightText, this);
  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->addWidget(slider_, 0, 0, 1, 2);
  grid->addWidget(value_, 0, 2);
  grid->addWidget(left, 1, 0, Qt::AlignLeft);
  grid->addWidget(right, 1, 1, Qt::AlignRight);
  left->setVisible(!leftText.isEmpty());
  right->setVisible(!rightText.isEmpty());

  connect(slider_, &QSlider::valueChanged, this, [this](int position) {
    showValue(position);
    if (!loading_ && !slider_->isSliderDown()) emit stored(position);
  });
  connect(slider_, &QSlider::sliderReleased, this, [this] {
    if (!loading_) emit stored(slider_->value());
  });
  showValue(0);
}

void ButtonSlider::load(int position) {
  loading_ = true;
  slider_->setValue(position);
  showValue(slider_->value());
  loading_ = false;
}

void ButtonSlider::showValue(int position) { value_->setText(QString::fromStdString(label_(position))); }

}  // namespace tessera::ui
