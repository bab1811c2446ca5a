#include "ui/pages/button_position_page.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "core/pages/title_bar_button_actions.h"
#include "ui/common/number_field.h"

namespace tessera::ui {

ButtonPositionPage::ButtonPositionPage(SectionEditorContext& editor, QWidget* parent)
    : TitleBarButtonPage(editor, QStringLiteral("Position"), true, parent) {
  auto* sideBox = new QGroupBox(QStringLiteral("Button should be positioned relative to the"), this);
  left_ = new QRadioButton(QStringLiteral("The left hand size"), sideBox);
  right_ = new QRadioButton(QStringLiteral("The right hand side"), sideBox);
  anchor_ = new QComboBox(sideBox);
  for (const char* text : ButtonAnchorTexts()) anchor_->addItem(QString::fromLatin1(text));
  auto* sideLayout = new QVBoxLayout(sideBox);
  sideLayout->addWidget(left_);
  sideLayout->addWidget(right_);
  sideLayout->addWidget(anchor_);

  auto* offsetBox = new QGroupBox(QStringLiteral("The button should be"), this);
  x_ = spin(-200, 200);
  y_ = spin(0, 1000);
  auto* offsets = new QGridLayout(offsetBox);
  offsets->addWidget(x_, 0, 0);
  offsets->addWidget(new QLabel(QStringLiteral("pixels from the left / right edge"), offsetBox), 0, 1);
  offsets->addWidget(y_, 1, 0);
  offsets->addWidget(new QLabel(QStringLiteral("pixels from the top edge"), offsetBox), 1, 1);

  auto* sizeBox = new QGroupBox(QStringLiteral("The button size is based on"), this);
  imageSize_ = new QRadioButton(QStringLiteral("The image dimensions"), sizeBox);
  setSize_ = new QRadioButton(QStringLiteral("The width and height set below"), sizeBox);
  width_ = spin(0, 1000);
  height_ = spin(-200, 200);
  auto* sizes = new QGridLayout(sizeBox);
  sizes->addWidget(imageSize_, 0, 0, 1, 2);
  sizes->addWidget(setSize_, 1, 0, 1, 2);
  sizes->addWidget(width_, 2, 0);
  sizes->addWidget(new QLabel(QStringLiteral("pixels wide"), sizeBox), 2, 1);
  sizes->addWidget(height_, 3, 0);
  sizes->addWidget(new QLabel(QStringLiteral("pixels tall"), sizeBox), 3, 1);

  pageLayout()->addWidget(sideBox);
  pageLayout()->addWidget(offsetBox);
  pageLayout()->addWidget(sizeBox);
  pageLayout()->addStretch();


  connect(left_, &QRadioButton::clicked, this, [this] {
    if (!isActive() || !keys()) return;
    keys()->writeInt("Align", 0);
    stored();
  });
  connect(right_, &QRadioButton::clicked, this, [this] {
    if (!isActive() || !keys()) return;
    keys()->writeInt("Align", 1);
    stored();
  });
  connect(anchor_, &QComboBox::activated, this, [this](int code) {
    if (!isActive() || !keys()) return;
    keys()->writeInt("Align", code);
    stored();
  });
  connect(x_, &QSpinBox::valueChanged, this, [this](int value) {
    if (!isActive() || !keys()) return;
    keys()->writeInt("XCoord", value);
    stored();
  });
  connect(y_, &QSpinBox::valueChanged, this, [this](int value) {
    if (!isActive() || !keys()) return;
    keys()->writeInt("YCoord", value);
    stored();
  });
  connect(width_, &QSpinBox::valueChanged, this, [this](int value) {
    if (!isActive() || !keys()) return;
    keys()->writeNonZeroOrDelete("Width", value);
    stored();
  });
  connect(height_, &QSpinBox::valueChanged, this, [this](int value) {
    if (!isActive() || !keys()) return;
    keys()->writeNonZeroOrDelete("Height", value);
    stored();
  });
  connect(imageSize_, &QRadioButton::clicked, this, [this] {
    if (!isActive() || !keys()) return;
    {
      const QSignalBlocker blockWidth(width_);
      const QSignalBlocker blockHeight(height_);
      width_->setValue(0);
      height_->setValue(0);
    }
    keys()->useImageDimensions();
    enableSize(false);
    stored();
  });
  connect(setSize_, &QRadioButton::clicked, this, [this] {
    if (!isActive()) return;
    enableSize(true);
  });
}

QSpinBox* ButtonPositionPage::spin(int low, int high) {
  auto* box = SizedToContent(new QSpinBox(this));
  box->setRange(low, high);
  return box;
}

void ButtonPositionPage::enableSize(bool on) {
  width_->setEnabled(on);
  height_->setEnabled(on);
}

void ButtonPositionPage::startPage() {
  const bool personality = model().personalityLayout();
  left_->setVisible(!personality);
  right_->setVisible(!personality);
  anchor_->setVisible(personality);
}

void ButtonPositionPage::loadButton(const TitleBarButtonKeys* keys) {
  setEnabled(keys != nullptr);
  if (!keys) return;
  const ButtonPositionValues v = keys->readPosition();
  if (model().personalityLayout()) {
    anchor_->setCurrentIndex(v.align >= 0 && v.align < anchor_->count() ? v.align : -1);
  } else {
    (v.align == 1 ? right_ : left_)->setChecked(true);
  }
  x_->setValue(v.x);
  y_->setValue(v.y);
  width_->setValue(v.width);
  height_->setValue(v.height);
  (v.explicitSize() ? setSize_ : imageSize_)->setChecked(true);
  enableSize(v.explicitSize());
}

}  // namespace tessera::ui
