#include "ui/import/frame_count_dialog.h"

#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "core/image/zor_file.h"

namespace tessera::ui {

FrameCountDialog::FrameCountDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("How many frames?"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(QStringLiteral("How many frames does the animation have?"), this));
  numberBox_ = new QSpinBox(this);
  numberBox_->setRange(0, zor::kMaxFrames);
  numberBox_->setValue(1);
  // The field keeps its own width; the label sets the dialog's.
  layout->addWidget(numberBox_, 0, Qt::AlignLeft);
  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setDefault(true);
  layout->addWidget(ok);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

int FrameCountDialog::frames() const { return numberBox_->value(); }

}  // namespace tessera::ui
