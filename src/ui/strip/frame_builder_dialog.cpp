#include "ui/strip/frame_builder_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include "core/image/reimport_list.h"
#include "ui/strip/frame_list.h"
#include "ui/common/file_picker.h"

namespace tessera::ui {

namespace {

const QString kPictureFilter = QStringLiteral("Images (.bmp;.tga;.png) (*.bmp *.tga *.png)");

QString startFolder() {
  const std::string& path = BuilderPath();
  return QString::fromStdString(path.empty() ? OpenSkinFolder() : path);
}

}  // namespace

FrameBuilderDialog::FrameBuilderDialog(const std::string& currentSection, QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Sub frame builder"));
  model_.open(currentSection);
  buildControls();
  showModelState();
  if (frames_->count() > 0) frames_->setCurrentRow(model_.selectedFrame() >= 0 ? model_.selectedFrame() : frames_->count() - 1);
}

FrameBuilderDialog::~FrameBuilderDialog() = default;

void FrameBuilderDialog::buildControls() {
  auto* layout = new QHBoxLayout(this);
  frames_ = new FrameList(model_, this);
  frames_->setMinimumSize(360, 4 * FrameList::kEntryHeight);
  layout->addWidget(frames_, 1);

  auto* side = new QVBoxLayout;
  auto* countRow = new QHBoxLayout;
  countRow->addWidget(new QLabel(QStringLiteral("Frame count"), this));
  frameCount_ = new QSpinBox(this);
  frameCount_->setRange(1, kMaxBuilderFrames);
  countRow->addWidget(frameCount_);
  side->addLayout(countRow);

  auto* pick = new QPushButton(QStringLiteral("Pick file..."), this);
  intoSelected_ = new QRadioButton(QStringLiteral("Import into selected frame"), this);
  intoAll_ = new QRadioButton(QStringLiteral("Import into all frames"), this);
  auto* loadMulti = new QPushButton(QStringLiteral("Load existing multi part image..."), this);
  imageIsVertical_ = new QCheckBox(QStringLiteral("Image is vertical"), this);
  stackVertically_ = new QCheckBox(QStringLiteral("Stack frames vertically"), this);
  saveWithAlpha_ = new QCheckBox(QStringLiteral("Save with alpha channel"), this);
  auto* save = new QPushButton(QStringLiteral("Save file as ..."), this);
  auto* close = new QPushButton(QStringLiteral("Close"), this);
  for (QWidget* widget : std::initializer_list<QWidget*>{pick, intoSelected_, intoAll_, loadMulti, imageIsVertical_,
                                                         stackVertically_, saveWithAlpha_, save}) {
    side->addWidget(widget);
  }
  side->addStretch(1);
  side->addWidget(close);
  layout->addLayout(side);

  connect(frameCount_, &QSpinBox::valueChanged, this, &FrameBuilderDialog::frameCountEdited);
  connect(frames_, &QListWidget::currentRowChanged, this, [this](int row) { model_.selectFrame(row); });
  connect(pick, &QPushButton::clicked, this, &FrameBuilderDialog::pickFile);
  connect(loadMulti, &QPushButton::clicked, this, &FrameBuilderDialog::loadMultiPart);
  connect(save, &QPushButton::clicked, this, &FrameBuilderDialog::saveAs);
  connect(close, &QPushButton::clicked, this, &FrameBuilderDialog::reject);
  for (QAbstractButton* option : std::initializer_list<QAbstractButton*>{intoSelected_, intoAll_, imageIsVertical_,
                                                                         stackVertically_, saveWithAlpha_}) {
    connect(option, &QAbstractButton::toggled, this, &FrameBuilderDialog::optionsChanged);
  }
}

// Puts the model's frame count, options and frames on the controls without feeding them back.
void FrameBuilderDialog::showModelState() {
  showing_ = true;
  {
    const QSignalBlocker blockCount(frameCount_);
    frameCount_->setValue(model_.frameCount());
  }
  intoAll_->setChecked(model_.importIntoAllFrames);
  intoSelected_->setChecked(!model_.importIntoAllFrames);
  imageIsVertical_->setChecked(model_.imageIsVertical);
  stackVertically_->setChecked(model_.stackVertically);
  saveWithAlpha_->setChecked(model_.saveWithAlpha);
  frames_->sync();
  showing_ = false;
}

void FrameBuilderDialog::optionsChanged() {
  if (showing_) return;
  model_.importIntoAllFrames = intoAll_->isChecked();
  model_.imageIsVertical = imageIsVertical_->isChecked();
  model_.stackVertically = stackVertically_->isChecked();
  model_.saveWithAlpha = saveWithAlpha_->isChecked();
}

void FrameBuilderDialog::frameCountEdited(int count) {
  if (showing_) return;
  model_.setFrameCount(count);
  frames_->sync();
}

void FrameBuilderDialog::pickFile() {
  const QString chosen = PickFile(this, {.title = QStringLiteral("Select image to import..."),
                                         .filter = kPictureFilter,
                                         .startPath = startFolder()});
  if (chosen.isEmpty()) return;
  if (model_.importPicture(chosen.toStdString())) frames_->sync();
}

void FrameBuilderDialog::loadMultiPart() {
  const QString chosen = PickFile(this, {.title = QStringLiteral("Select multipart image to load..."),
                                         .filter = kPictureFilter,
                                         .startPath = startFolder()});
  if (chosen.isEmpty()) return;
  model_.loadMultiPart(chosen.toStdString());
  showModelState();
}

void FrameBuilderDialog::saveAs() {
  const bool alpha = model_.saveWithAlpha;
  const QString chosen = PickFile(
      this, {.title = QStringLiteral("Save file as..."),
             .filter = alpha ? QStringLiteral("Images (.tga) (*.tga)") : QStringLiteral("Images (.bmp) (*.bmp)"),
             .defaultSuffix = alpha ? QStringLiteral("tga") : QStringLiteral("bmp"),
             .startPath = QString::fromStdString(model_.suggestedSaveName()),
             .mode = PickerMode::Save});
  if (chosen.isEmpty()) return;
  model_.save(chosen.toStdString());
  showModelState();
}

void FrameBuilderDialog::reject() {
  if (model_.mayClose()) QDialog::reject();
}

}  // namespace tessera::ui
