#include "ui/pages/settings_page.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/pages/image_page_values.h"
#include "core/pages/slot_writes.h"
#include "core/platform/prompt.h"
#include "core/skin/catalogue.h"
#include "core/skin/section_store.h"
#include "core/skin/skin_session.h"
#include "ui/app/message_prompt.h"
#include "ui/pages/example_box.h"
#include "ui/pages/image_slot_panel.h"
#include "ui/pages/note_box.h"
#include "ui/colours/colour_choosers.h"
#include "ui/colours/screen_pick_icon.h"
#include "ui/sheet/refresh_timer.h"

namespace tessera::ui {

namespace {

QColor toQColor(const Rgb& rgb) { return QColor(rgb.red, rgb.green, rgb.blue); }

void paintSwatch(QFrame* swatch, const QColor& colour) {
  swatch->setStyleSheet(QStringLiteral("QFrame#colourSwatch { background: %1; border: 1px solid rgb(160,160,160); }")
                            .arg(colour.name()));
  swatch->setProperty("colour", colour);
}

}  // namespace

SettingsPage::SettingsPage(SectionEditorContext& editor, QWidget* parent)
    : PropertyPage(editor, QStringLiteral("Settings"), parent) {
  refresh_ = RefreshTimer::forImagePage(this, editor, [this] { return isLoaded(); }, [this] { panel_->repaintPreview(); });
  const std::string section = currentSection();
  std::string topLevel = currentTopLevelSection();
  if (topLevel.empty()) topLevel = section;
  const CatalogueFile catalogue(catalogue_files::kSubsections);
  const bool animation = catalogue.isOn(section, subsection_keys::AnimPage);
  const bool noImage = catalogue.isOn(section, subsection_keys::NoImage);
  const ImagePageLayout layout = ReadImagePageLayout(section, topLevel);

  notImplemented_ = new QLabel(QStringLiteral("Support for this section is not implemented yet"), this);
  notImplemented_->setVisible(catalogue.isOn(section, subsection_keys::XMLUI) ||
                              catalogue.isOn(section, subsection_keys::StringsUI));

  SlotPanelOptions options;
  options.page = SlotPage::Settings;
  options.keys = kImageSlot;
  options.animationOnly = animation;
  options.emptyText = animation ? QStringLiteral(" No Animation defined - section may be optional")
                                : QStringLiteral(" No Image defined - section may be optional");
  options.commands = SettingsPageCommands();
  panel_ = new ImageSlotPanel(editor, options, this);
  alpha_ = new QCheckBox(QStringLiteral("This image has an alpha channel"), this);
  alpha_->setChecked(ReadSkinInt(section, "PerPixel", 0, Session().mainFile) != 0);
  if (noImage) {
    panel_->setVisible(false);
    alpha_->setVisible(false);
  } else {
    panel_->load();
    if (animation) {
      panel_->setImportControlsVisible(false);
      alpha_->setVisible(false);
    }
  }

  coloursLabel_ = new QLabel(QStringLiteral("Colours :"), this);
  colours_ = new QListWidget(this);
  entries_ = SettingsColourEntries(section);
  for (const ColourEntry& entry : entries_) colours_->addItem(QString::fromStdString(entry.label));
  swatch_ = new QFrame(this);
  swatch_->setObjectName(QStringLiteral("colourSwatch"));
  swatch_->setFixedSize(40, 24);
  change_ = new QPushButton(QStringLiteral("Change..."), this);
  picker_ = new ScreenPickIcon(nullptr, this);
  for (QWidget* control : std::initializer_list<QWidget*>{coloursLabel_, colours_, swatch_, change_, picker_}) {
    control->setVisible(!entries_.empty());
  }
  notes_ = new NoteBox(FromSkinText(layout.notes), this);
  notes_->setVisible(!layout.notes.empty());
  example_ = new ExampleBox(layout.examplePicture, this);

  auto* colourButtons = new QHBoxLayout;
  colourButtons->addWidget(swatch_);
  colourButtons->addWidget(change_);
  colourButtons->addWidget(picker_);
  colourButtons->addStretch();
  auto* page = new QVBoxLayout(this);
  page->addWidget(notImplemented_);
  page->addWidget(panel_);
  page->addWidget(alpha_);
  page->addWidget(coloursLabel_);
  page->addWidget(colours_);
  page->addLayout(colourButtons);
  page->addWidget(notes_);
  page->addWidget(example_);
  page->addStretch();

  connect(panel_, &ImageSlotPanel::fileChosen, this, [this](const std::string& value) {
    if (isLoading()) return;
    WriteSettingsSlot(currentSection(), value);
    refresh_->start();
  });
  connect(panel_, &ImageSlotPanel::slotWrittenByCommand, this, [this] { refresh_->start(); });
  connect(alpha_, &QCheckBox::toggled, this, [this](bool on) {
    if (isLoading()) return;
    WriteSkinString(currentSection(), "PerPixel", on ? "1" : "0", Session().mainFile);
    refresh_->start();
  });
  connect(colours_, &QListWidget::currentRowChanged, this, &SettingsPage::showSelectedColour);
  connect(change_, &QPushButton::clicked, this, &SettingsPage::changeColour);
  connect(picker_, &ScreenPickIcon::colourPicked, this,
          [this](unsigned int colour) { offerPickedColour(ColourToQt(colour)); });

  if (!entries_.empty()) colours_->setCurrentRow(0);
  showSelectedColour();
  finishLoading();
}

const ColourEntry* SettingsPage::selectedEntry() const {
  const int row = colours_->currentRow();
  if (row < 0 || row >= static_cast<int>(entries_.size())) return nullptr;
  return &entries_[static_cast<std::size_t>(row)];
}

QColor SettingsPage::swatchColour() const { return swatch_->property("colour").value<QColor>(); }

void SettingsPage::showSelectedColour() {
  const ColourEntry* entry = selectedEntry();
  paintSwatch(swatch_, entry ? toQColor(ReadColourEntry(currentSection(), *entry)) : QColor(Qt::white));
}

void SettingsPage::changeColour() {
  const ColourEntry* entry = selectedEntry();
  if (!entry) return;
  const QColor current = toQColor(ReadColourEntry(currentSection(), *entry));
  if (const auto chosen = CurrentColourChooser()(editor().editorWindow(), ColourFromQt(current)))
    writeSelectedColour(ColourToQt(*chosen));
}

void SettingsPage::offerPickedColour(const QColor& colour) {
  if (!selectedEntry() || !colour.isValid()) return;
  if (CurrentPrompt().askYesNo("Do you want to replace this colour with the colour you just picked?",
                               "Replace colour?") != PromptAnswer::Yes) {
    return;
  }
  writeSelectedColour(colour);
}

void SettingsPage::writeSelectedColour(const QColor& colour) {
  const ColourEntry* entry = selectedEntry();
  if (!entry || isLoading()) return;
  WriteColourEntry(currentSection(), *entry, Rgb{colour.red(), colour.green(), colour.blue()});
  showSelectedColour();
  refresh_->start();
}

void SettingsPage::reload() {
  if (panel_->isVisibleTo(this)) panel_->reload(picturesChanged());
  alpha_->setChecked(ReadSkinInt(currentSection(), "PerPixel", 0, Session().mainFile) != 0);
  showSelectedColour();
}

void SettingsPage::refreshAfterReload() { refresh_->start(); }

}  // namespace tessera::ui
