#include "ui/pages/frame_button_position_page.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "core/pages/title_bar_button_actions.h"
#include "core/platform/skin_text.h"
#include "ui/common/number_field.h"
#include "ui/sheet/refresh_timer.h"

namespace tessera::ui {

FrameButtonPositionPage::FrameButtonPositionPage(SectionEditorContext& editor, QWidget* parent)
    : PropertyPage(editor, QStringLiteral("Position"), parent), section_(editor.currentSection()) {
  auto* sideBox = new QGroupBox(QStringLiteral("Button should be positioned relative to the"), this);
  left_ = new QRadioButton(QStringLiteral("The left hand side"), sideBox);
  right_ = new QRadioButton(QStringLiteral("The right hand side"), sideBox);
  auto* sideLayout = new QVBoxLayout(sideBox);
  sideLayout->addWidget(left_);
  sideLayout->addWidget(right_);

  leftCoord_ = offsetBox();
  topCoord_ = offsetBox();
  leftMax_ = offsetBox();
  topMax_ = offsetBox();
  action_ = new QComboBox(this);
  for (const char* text : FrameButtonActionTexts()) action_->addItem(QString::fromLatin1(text));
  command_ = new QLineEdit(this);
  command_->setMaxLength(49);
  actionLabel_ = new QLabel(QStringLiteral("Action :"), this);
  commandLabel_ = new QLabel(QStringLiteral("Command :"), this);

  auto* form = new QFormLayout;
  form->addRow(QStringLiteral("Pixels from the left / right edge :"), leftCoord_);
  form->addRow(QStringLiteral("Pixels from the top edge :"), topCoord_);
  form->addRow(QStringLiteral("Pixels from the left / right edge when maximized :"), leftMax_);
  form->addRow(QStringLiteral("Pixels from the top edge when maximized :"), topMax_);
  form->addRow(actionLabel_, action_);
  form->addRow(commandLabel_, command_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(sideBox);
  layout->addLayout(form);
  layout->addStretch();

  refresh_ = RefreshTimer::forImagePage(this, editor, [this] { return isLoaded(); });
  connect(left_, &QRadioButton::clicked, this, [this] {
    if (isLoading()) return;
    WriteFrameButtonInt(section_, "Align", 0);
    refresh_->start();
  });
  connect(right_, &QRadioButton::clicked, this, [this] {
    if (isLoading()) return;
    WriteFrameButtonInt(section_, "Align", 1);
    refresh_->start();
  });
  connect(leftCoord_, &QSpinBox::valueChanged, this, [this](int value) {
    if (isLoading()) return;
    const int maximized = WriteFrameButtonLeft(section_, value);
    const LoadingScope loading(this);
    leftMax_->setValue(maximized);
    refresh_->start();
  });
  connect(topCoord_, &QSpinBox::valueChanged, this, [this](int value) {
    if (isLoading()) return;
    const int maximized = WriteFrameButtonTop(section_, value);
    const LoadingScope loading(this);
    topMax_->setValue(maximized);
    refresh_->start();
  });
  connect(leftMax_, &QSpinBox::valueChanged, this, [this](int value) {
    if (isLoading()) return;
    WriteFrameButtonInt(section_, "LeftCoordMaximized", value);
    refresh_->start();
  });
  connect(topMax_, &QSpinBox::valueChanged, this, [this](int value) {
    if (isLoading()) return;
    WriteFrameButtonInt(section_, "TopCoordMaximized", value);
    refresh_->start();
  });
  connect(action_, &QComboBox::activated, this, [this](int index) {
    if (isLoading() || !FrameButtonHasAction(section_)) return;
    WriteFrameButtonInt(section_, "Action", index);
    refresh_->start();
  });
  connect(command_, &QLineEdit::textEdited, this, [this](const QString& text) {
    if (isLoading() || !FrameButtonHasAction(section_)) return;
    WriteFrameButtonCommand(section_, ToSkinText(text));
    refresh_->start();
  });
  reload();
  finishLoading();
}

QSpinBox* FrameButtonPositionPage::offsetBox() {
  auto* box = SizedToContent(new QSpinBox(this));
  box->setRange(kMinOffset, kMaxOffset);
  return box;
}

void FrameButtonPositionPage::reload() {
  const FrameButtonPositionValues v = ReadFrameButtonPosition(section_);
  (v.align == 0 ? left_ : right_)->setChecked(true);
  leftCoord_->setValue(v.left);
  topCoord_->setValue(v.top);
  leftMax_->setValue(v.leftMaximized);
  topMax_->setValue(v.topMaximized);
  for (QWidget* control : {static_cast<QWidget*>(actionLabel_), static_cast<QWidget*>(action_),
                           static_cast<QWidget*>(commandLabel_), static_cast<QWidget*>(command_)}) {
    control->setVisible(v.hasAction);
  }
  if (v.hasAction) {
    action_->setCurrentIndex(v.action >= 0 && v.action < action_->count() ? v.action : -1);
    command_->setText(FromSkinText(v.command));
  }
}

void FrameButtonPositionPage::refreshAfterReload() { refresh_->start(); }

}  // namespace tessera::ui
