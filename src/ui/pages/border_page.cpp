#include "ui/pages/border_page.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "core/pages/frame_keys.h"
#include "core/pages/slot_writes.h"
#include "ui/app/message_prompt.h"
#include "ui/pages/example_box.h"
#include "ui/pages/image_slot_panel.h"
#include "ui/pages/note_box.h"
#include "ui/sheet/refresh_timer.h"

namespace tessera::ui {

namespace {
constexpr int kMaxBorderFrames = 255;
}  // namespace

BorderPage::BorderPage(BorderSide side, SectionEditorContext& editor, QWidget* parent)
    : PropertyPage(editor, QString::fromLatin1(BorderKeysFor(side).caption), parent), keys_(BorderKeysFor(side)) {
  std::string topLevel = currentTopLevelSection();
  if (topLevel.empty()) topLevel = currentSection();
  catalogue_ = ReadBorderCatalogue(keys_, currentSection(), topLevel);
  refresh_ = RefreshTimer::forImagePage(this, editor, [this] { return isLoaded(); }, [this] { panel_->repaintPreview(); });

  SlotPanelOptions options;
  options.page = SlotPage::SingleKey;
  options.keys = keys_.image;
  options.section = std::string(kBorderImagesSection);
  options.emptyText = QStringLiteral(" No Image defined - This section is not optional");
  options.commands = SettingsPageCommands();
  options.frameSample = true;
  panel_ = new ImageSlotPanel(editor, options, this);
  panel_->setFrameCountSource([this] { return frameCount_->value(); });
  connect(panel_, &ImageSlotPanel::fileChosen, this, [this](const std::string& value) {
    if (isLoading()) return;
    WriteSingleKeySlot(kBorderImagesSection, keys_.image.key, value);
    edited();
  });
  connect(panel_, &ImageSlotPanel::slotWrittenByCommand, this, &BorderPage::edited);
  connect(panel_, &ImageSlotPanel::fileRewritten, this, &BorderPage::edited);

  frameCount_ = new QSpinBox(this);
  frameCount_->setRange(1, kMaxBorderFrames);
  default_ = new QPushButton(QStringLiteral("Default"), this);
  stretch_ = new QCheckBox(QStringLiteral("Stretch middle part of border"), this);
  firstMargin_ = marginBox(keys_.firstMarginKey);
  secondMargin_ = marginBox(keys_.secondMarginKey);
  notes_ = new NoteBox(this);
  example_ = new ExampleBox(catalogue_.examplePicture, this);

  connect(frameCount_, &QSpinBox::valueChanged, this, [this](int count) {
    if (isLoading()) return;
    WriteBorderFrameCount(keys_, count, catalogue_.imageCount);
    edited();
  });
  connect(default_, &QPushButton::clicked, this, [this] {
    if (isLoading()) return;
    {
      const QSignalBlocker block(frameCount_);
      frameCount_->setValue(catalogue_.imageCount);
    }
    WriteBorderFrameCount(keys_, frameCount_->value(), catalogue_.imageCount);
    edited();
  });
  connect(stretch_, &QCheckBox::toggled, this, [this](bool on) {
    if (isLoading()) return;
    WriteBorderStretch(keys_, on);
    edited();
  });

  auto* grid = new QGridLayout;
  grid->addWidget(new QLabel(QStringLiteral("Image count : "), this), 0, 0);
  grid->addWidget(frameCount_, 0, 1);
  grid->addWidget(default_, 0, 2);
  grid->addWidget(new QLabel(QString::fromLatin1(keys_.firstMarginCaption), this), 1, 0);
  grid->addWidget(firstMargin_, 1, 1);
  grid->addWidget(new QLabel(QString::fromLatin1(keys_.secondMarginCaption), this), 2, 0);
  grid->addWidget(secondMargin_, 2, 1);
  grid->setColumnStretch(3, 1);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(panel_);
  layout->addLayout(grid);
  layout->addWidget(stretch_);
  layout->addWidget(notes_);
  layout->addWidget(example_);
  layout->addStretch();

  reload();
  finishLoading();
}

QSpinBox* BorderPage::marginBox(const char* key) {
  auto* box = new QSpinBox(this);
  box->setRange(0, kMaxBorderMargin);
  connect(box, &QSpinBox::valueChanged, this, [this, key](int value) {
    if (isLoading()) return;
    WriteBorderMargin(kBorderImagesSection, key, value);
    edited();
  });
  return box;
}

void BorderPage::reload() {
  panel_->reload(picturesChanged());
  notes_->setText(FromSkinText(catalogue_.notes));
  notes_->setVisible(!catalogue_.notes.empty());
  const BorderValues values = ReadBorderValues(keys_, catalogue_.imageCount);
  frameCount_->setValue(values.frameCount);
  firstMargin_->setValue(values.firstMargin);
  secondMargin_->setValue(values.secondMargin);
  stretch_->setChecked(values.stretch);
  panel_->repaintPreview();
}

void BorderPage::edited() {
  if (!isLoading()) refresh_->start();
}

void BorderPage::refreshAfterReload() { refresh_->start(); }

}  // namespace tessera::ui
