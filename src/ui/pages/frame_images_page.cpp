#include "ui/pages/frame_images_page.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "core/pages/frame_keys.h"
#include "core/pages/slot_writes.h"
#include "ui/app/message_prompt.h"
#include "ui/pages/image_slot_panel.h"
#include "ui/pages/note_box.h"
#include "ui/sheet/refresh_timer.h"

namespace tessera::ui {

namespace {

const FrameImagePageSetup kFrameImages{
    "Frame images",
    {{{"Horizontal : ", kHorzFrameSlot}, {"Vertical :", kVertFrameSlot}}},
    kFrameCountKey,
    subsection_keys::ImageNotes,
    false,
    false,
};

const FrameImagePageSetup kShapeImages{
    "Shape images",
    {{{"Left :", kShapeLeftSlot}, {"Right :", kShapeRightSlot}}},
    kShapeFrameCountKey,
    subsection_keys::ImageNotes2,
    true,
    true,
};

}  // namespace

FrameImagePairPage::FrameImagePairPage(const FrameImagePageSetup& setup, SectionEditorContext& editor, QWidget* parent)
    : PropertyPage(editor, QString::fromLatin1(setup.caption), parent), setup_(setup) {
  refresh_ = RefreshTimer::forImagePage(this, editor, [this] { return isLoaded(); }, [this] {
    for (ImageSlotPanel* panel : panels_) panel->repaintPreview();
  });

  auto* layout = new QVBoxLayout(this);
  for (std::size_t i = 0; i < panels_.size(); ++i) {
    panels_[i] = makeSlot(setup_.images[i]);
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(QString::fromLatin1(setup_.images[i].label), this));
    row->addWidget(panels_[i], 1);
    if (setup_.importButtons) {
      importButtons_[i] = new QPushButton(QStringLiteral("Import file..."), this);
      ImageSlotPanel* panel = panels_[i];
      connect(importButtons_[i], &QPushButton::clicked, panel, [panel] { panel->runCommand(SlotCommand::Import); });
      row->addWidget(importButtons_[i], 0, Qt::AlignTop);
    }
    layout->addLayout(row);
  }

  frameCount_ = new QSpinBox(this);
  frameCount_->setRange(1, kMaxFrameImageCount);
  default_ = new QPushButton(QStringLiteral("Default"), this);
  notes_ = new NoteBox(this);
  connect(frameCount_, &QSpinBox::valueChanged, this, [this] { writeCount(); });
  connect(default_, &QPushButton::clicked, this, [this] {
    if (isLoading()) return;
    {
      const QSignalBlocker block(frameCount_);
      frameCount_->setValue(kDefaultFrameImageCount);
    }
    writeCount();
  });

  auto* countRow = new QHBoxLayout;
  countRow->addWidget(new QLabel(QStringLiteral("Frame count : "), this));
  countRow->addWidget(frameCount_);
  countRow->addWidget(default_);
  countRow->addStretch();
  layout->addLayout(countRow);
  layout->addWidget(notes_);
  layout->addStretch();

  reload();
  const std::string notes = CatalogueFile(catalogue_files::kSubsections).readText(currentSection(), setup_.notesKey);
  notes_->setText(FromSkinText(notes));
  notes_->setVisible(!notes.empty());
  finishLoading();
}

ImageSlotPanel* FrameImagePairPage::makeSlot(const FrameImageSlot& slot) {
  SlotPanelOptions options;
  options.page = SlotPage::SingleKey;
  options.keys = slot.keys;
  options.emptyText = QStringLiteral(" No Image defined - section may be optional");
  options.commands = SettingsPageCommands();
  options.frameSample = setup_.frameSample;
  auto* panel = new ImageSlotPanel(editor(), options, this);
  if (setup_.importButtons) panel->menuButton()->hide();
  panel->setFrameCountSource([this] { return frameCount_->value(); });
  const char* key = slot.keys.key;
  connect(panel, &ImageSlotPanel::fileChosen, this, [this, key](const std::string& value) {
    if (isLoading()) return;
    WriteSingleKeySlot(currentSection(), key, value);
    edited();
  });
  connect(panel, &ImageSlotPanel::slotWrittenByCommand, this, &FrameImagePairPage::edited);
  connect(panel, &ImageSlotPanel::fileRewritten, this, &FrameImagePairPage::edited);
  return panel;
}

void FrameImagePairPage::reload() {
  // Both lists, then the count.
  for (ImageSlotPanel* panel : panels_) panel->reload(picturesChanged());
  frameCount_->setValue(ReadFrameImageCount(currentSection(), setup_.countKey));
}

void FrameImagePairPage::refreshAfterReload() { refresh_->start(); }

void FrameImagePairPage::writeCount() {
  if (isLoading()) return;
  WriteFrameImageCount(currentSection(), setup_.countKey, frameCount_->value());
  edited();
}

void FrameImagePairPage::edited() {
  if (!isLoading()) refresh_->start();
}

FrameImagesPage::FrameImagesPage(SectionEditorContext& editor, QWidget* parent)
    : FrameImagePairPage(kFrameImages, editor, parent) {}

ShapeImagesPage::ShapeImagesPage(SectionEditorContext& editor, QWidget* parent)
    : FrameImagePairPage(kShapeImages, editor, parent) {}

}  // namespace tessera::ui
