#include "ui/app/frames_editor_dialog.h"

#include <QDialogButtonBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace tessera::ui {

FramesEditorDialog::FramesEditorDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Edit UIS1 Frames"));
  auto* layout = new QVBoxLayout(this);
  auto* heading = new QLabel(QStringLiteral("Edit UIS1 Frames"), this);
  QFont font = heading->font();
  font.setBold(true);
  heading->setFont(font);
  layout->addWidget(heading);
  layout->addWidget(new QLabel(QStringLiteral("Choose the frame part to edit."), this));
  auto* areas = new QHBoxLayout;
  for (int i = 0; i < 2; ++i) {
    auto* area = new QFrame(this);
    area->setFrameShape(QFrame::StyledPanel);
    area->setMinimumSize(160, 120);
    areas->addWidget(area);
  }
  layout->addLayout(areas);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
}

}  // namespace tessera::ui
