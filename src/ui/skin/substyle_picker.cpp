#include "ui/skin/substyle_picker.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "ui/app/message_prompt.h"
#include "ui/skin/display_scale.h"

namespace tessera::ui {

SubStylePickerDialog::SubStylePickerDialog(const std::vector<std::string>& names, QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Select a substyle"));
  auto* text = new QLabel(QStringLiteral("This skin has more than one substyle.  Please pick the substyle that you "
                                         "would like to edit from the box below."),
                          this);
  text->setWordWrap(true);

  list_ = new QListWidget(this);
  for (const auto& name : names) list_->addItem(FromSkinText(name));
  if (list_->count() > 0) list_->setCurrentRow(0);

  open_ = new QPushButton(QStringLiteral("Open"), this);
  open_->setDefault(true);
  connect(open_, &QPushButton::clicked, this, &SubStylePickerDialog::openChosen);
  connect(list_, &QListWidget::itemActivated, this, &SubStylePickerDialog::openChosen);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(open_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(text);
  layout->addWidget(list_, 1);
  layout->addLayout(buttons);
  resize(ScaledPixels(this, 380), ScaledPixels(this, 300));
}

void SubStylePickerDialog::openChosen() {
  chosen_ = list_->currentRow();
  accept();
}

}  // namespace tessera::ui
