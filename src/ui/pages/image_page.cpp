#include "ui/pages/image_page.h"

#include <utility>

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>

#include "core/pages/slot_writes.h"
#include "core/platform/settings.h"
#include "ui/app/message_prompt.h"
#include "ui/pages/example_box.h"
#include "ui/pages/image_slot_panel.h"
#include "ui/pages/note_box.h"
#include "ui/sheet/refresh_timer.h"

namespace tessera::ui {

namespace {
constexpr int kMaxFrameCount = 255;

QString defaultText(int count) { return QStringLiteral("Default (%1)").arg(count); }
}  // namespace

ImagePage::ImagePage(SectionEditorContext& editor, QWidget* parent)
    : PropertyPage(editor, QStringLiteral("Image"), parent) {
  topLevel_ = currentTopLevelSection();
  if (topLevel_.empty()) topLevel_ = currentSection();
  layout_ = ReadImagePageLayout(currentSection(), topLevel_);

  SlotPanelOptions options;
  options.page = SlotPage::Image;
  options.keys = kImageSlot;
  options.emptyText = QStringLiteral(" No Image defined - section may be optional");
  options.commands = ImagePageCommands();
  panel_ = new ImageSlotPanel(editor, options, this);
  transparency_ = new QCheckBox(QStringLiteral("This image uses transparency"), this);
  vertical_ = new QCheckBox(QStringLiteral("This image has frames stacked vertically"), this);
  premultiplied_ = new QCheckBox(QStringLiteral("The alpha channel in this image is premultiplied"), this);
  frameCountLabel_ = new QLabel(QStringLiteral("Image count : "), this);
  frameCount_ = new QSpinBox(this);
  frameCount_->setRange(1, kMaxFrameCount);
  default_ = new QPushButton(this);
  notes_ = new NoteBox(this);
  example_ = new ExampleBox(layout_.examplePicture, this);

  auto* countRow = new QHBoxLayout;
  countRow->addWidget(frameCountLabel_);
  countRow->addWidget(frameCount_);
  countRow->addWidget(default_);
  countRow->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(panel_);
  layout->addWidget(transparency_);
  layout->addWidget(vertical_);
  layout->addWidget(premultiplied_);
  layout->addLayout(countRow);
  layout->addWidget(notes_);
  layout->addWidget(example_);
  layout->addStretch();

  refresh_ = RefreshTimer::forImagePage(this, editor, [this] { return isLoaded(); }, [this] { panel_->repaintPreview(); });
  panel_->setFrameCountSource([this] { return frameCount_->value(); });

  connect(panel_, &ImageSlotPanel::fileChosen, this, &ImagePage::chooseFile);
  connect(panel_, &ImageSlotPanel::slotWrittenByCommand, this, [this] {
    if (isLoading()) return;
    writeTransparency();
    edited();
  });
  connect(panel_, &ImageSlotPanel::fileRewritten, this, &ImagePage::edited);
  connect(transparency_, &QCheckBox::toggled, this, [this] {
    if (isLoading()) return;
    writeTransparency();
    edited();
  });
  connect(vertical_, &QCheckBox::toggled, this, [this](bool on) {
    if (isLoading()) return;
    WriteVerticalFrames(currentSection(), on);
    edited();
  });
  connect(premultiplied_, &QCheckBox::toggled, this, [this](bool on) {
    if (isLoading()) return;
    WritePremultiplied(currentSection(), on);
    edited();
  });
  connect(frameCount_, &QSpinBox::valueChanged, this, [this](int count) {
    if (isLoading()) return;
    WriteFrameCount(currentSection(), count, layout_.imageCount);
    edited();
  });
  connect(default_, &QPushButton::clicked, this, [this] {
    if (isLoading()) return;
    {
      const QSignalBlocker block(frameCount_);
      frameCount_->setValue(layout_.imageCount);
    }
    WriteFrameCount(currentSection(), frameCount_->value(), layout_.imageCount);
    edited();
  });

  reload();
  finishLoading();
  reload_ = new QTimer(this);
  reload_->setSingleShot(true);
  connect(reload_, &QTimer::timeout, this, [this] {
    refillList_ = true;
    reloadControls();
  });
  reload_->start(kReloadDelayMs);
}

bool ImagePage::reloadPending() const { return reload_->isActive(); }

void ImagePage::reload() {
  layout_ = ReadImagePageLayout(currentSection(), topLevel_);
  applyVisibility();
  panel_->reload(std::exchange(refillList_, false) || picturesChanged());
  const ImagePageValues values = ReadImagePageValues(currentSection(), layout_.imageCount);
  transparency_->setChecked(values.transparent);
  vertical_->setChecked(values.vertical);
  premultiplied_->setChecked(values.premultiplied);
  premultiplied_->setEnabled(values.premultipliedEnabled);
  frameCount_->setValue(values.frameCount);
  // The button names the count it restores, the catalogue's own.
  default_->setText(defaultText(layout_.imageCount));
  notes_->setText(FromSkinText(layout_.notes));
  notes_->setVisible(!layout_.notes.empty());
  panel_->repaintPreview();
}

void ImagePage::applyVisibility() {
  const bool beginner = ReadSettingInt(settings::UIMode) == 0;
  const bool alphaHidden = layout_.hideTransparency || layout_.hidePerPixel;
  transparency_->setVisible(!layout_.hideTransparency);
  vertical_->setVisible(!alphaHidden && !layout_.hideVertical && !beginner);
  premultiplied_->setVisible(!alphaHidden && !beginner);
  for (QWidget* control : {static_cast<QWidget*>(frameCountLabel_), static_cast<QWidget*>(frameCount_),
                           static_cast<QWidget*>(default_)}) {
    control->setVisible(!alphaHidden && !beginner);
  }
}

void ImagePage::chooseFile(const std::string& value) {
  if (isLoading()) return;
  WriteImageSlot(currentSection(), value);
  writeTransparency();
  edited();
}

void ImagePage::writeTransparency() {
  const bool enabled = WriteTransparency(currentSection(), transparency_->isChecked());
  premultiplied_->setEnabled(enabled);
  if (!enabled) {
    const QSignalBlocker block(premultiplied_);
    premultiplied_->setChecked(false);
  }
}

void ImagePage::edited() { refresh_->start(); }

void ImagePage::refreshAfterReload() { refresh_->start(); }

}  // namespace tessera::ui
