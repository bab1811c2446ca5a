#include "ui/colours/edit_colours_dialog.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/app/skin_actions.h"
#include "core/colours/colour_presets.h"
#include "core/colours/skin_colours.h"
#include "core/colours/where_used.h"
#include "core/platform/prompt.h"
#include "core/skin/catalogue.h"
#include "core/skin/skin_session.h"
#include "ui/app/message_prompt.h"
#include "ui/app/undo_actions.h"
#include "ui/colours/colour_choosers.h"
#include "ui/common/window_teardown.h"
#include "ui/colours/colour_row_delegate.h"
#include "ui/colours/part_table_dialog.h"
#include "ui/colours/screen_pick_icon.h"
#include "ui/colours/system_colour_sample.h"
#include "core/platform/skin_text.h"

namespace tessera::ui {

namespace {

const std::string& mainFile() { return Session().mainFile; }

QListWidgetItem* colourItem(const QString& text, int number, ColorRef colour, const QString& title) {
  auto* item = new QListWidgetItem(text);
  item->setData(kColourNumberRole, number);
  item->setData(kColourValueRole, static_cast<uint>(colour));
  item->setData(kColourTitleRole, title);
  return item;
}

}  // namespace

EditColoursDialog::EditColoursDialog(SkinDocument* document, QWidget* parent, int startRow)
    : QDialog(parent), document_(document) {
  setWindowTitle(QStringLiteral("Edit Colours"));
  buildLayout();
  // Ctrl+Z and Ctrl+Y take back and redo the changes of the open skin here too; the list shows
  // the skin as it then is.
  auto* undo = new UndoActions(this, document_);
  connect(undo, &UndoActions::restored, this, [this] { fillList(); });
  usedByTimer_.setSingleShot(true);
  usedByTimer_.setInterval(75);
  connect(&usedByTimer_, &QTimer::timeout, this, &EditColoursDialog::fillUsedBy);
  setMode(Presets);
  if (startRow > 0 && startRow < colourList_->count()) colourList_->setCurrentRow(startRow);
}

EditColoursDialog::~EditColoursDialog() { DetachDescendantsFrom(this); }

void EditColoursDialog::buildLayout() {
  auto* intro = new QLabel(
      QStringLiteral("Pick a colour from below.  To change system colours pick that option from the drop down below."));
  intro->setWordWrap(true);
  modeList_ = new QComboBox;
  modeList_->addItems({QStringLiteral("Show me the skin colour presets"),
                       QStringLiteral("Show me the skin defined system colours")});
  colourList_ = new QListWidget;
  colourList_->setItemDelegate(new ColourRowDelegate(colourList_));
  colourList_->setMinimumWidth(220);

  colourSample_ = new QWidget;
  colourSample_->setFixedSize(60, 40);
  colourSample_->setAutoFillBackground(true);
  pickPreview_ = new QWidget;
  pickPreview_->setFixedSize(40, 40);
  picker_ = new ScreenPickIcon(pickPreview_);
  changeButton_ = new QPushButton(QStringLiteral("Change colour..."));
  nameEdit_ = new QLineEdit;
  usedByLabel_ = new QLabel(QStringLiteral("This colour is used by the following sections : "));
  usedByList_ = new QListWidget;
  sampleWindow_ = new SystemColourSample;
  description_ = new QLabel;
  description_->setWordWrap(true);
  addButton_ = new QPushButton(QStringLiteral("Add new colour preset"));
  importButton_ = new QPushButton(QStringLiteral("Import existing system colours"));
  partColoursButton_ = new QPushButton(QStringLiteral("Edit Vista / 7 part colours..."));
  auto* applyButton = new QPushButton(QStringLiteral("Apply"));
  auto* closeButton = new QPushButton(QStringLiteral("Close"));

  auto* sampleRow = new QHBoxLayout;
  sampleRow->addWidget(colourSample_);
  sampleRow->addWidget(changeButton_);
  sampleRow->addWidget(picker_);
  sampleRow->addWidget(pickPreview_);
  sampleRow->addStretch();
  auto* nameRow = new QHBoxLayout;
  nameRow->addWidget(new QLabel(QStringLiteral("Colour name :")));
  nameRow->addWidget(nameEdit_);
  auto* right = new QVBoxLayout;
  right->addLayout(sampleRow);
  right->addLayout(nameRow);
  right->addWidget(usedByLabel_);
  right->addWidget(usedByList_, 1);
  right->addWidget(sampleWindow_, 1);
  right->addWidget(description_);
  auto* body = new QHBoxLayout;
  auto* left = new QVBoxLayout;
  left->addWidget(colourList_, 1);
  left->addWidget(modeList_);
  body->addLayout(left, 1);
  body->addLayout(right, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(addButton_);
  buttons->addWidget(importButton_);
  buttons->addWidget(partColoursButton_);
  buttons->addStretch();
  buttons->addWidget(applyButton);
  buttons->addWidget(closeButton);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(intro);
  layout->addLayout(body, 1);
  layout->addLayout(buttons);
  resize(720, 520);

  connect(modeList_, &QComboBox::currentIndexChanged, this, &EditColoursDialog::setMode);
  connect(colourList_, &QListWidget::currentRowChanged, this, &EditColoursDialog::rowSelected);
  connect(changeButton_, &QPushButton::clicked, this, &EditColoursDialog::changeColour);
  connect(picker_, &ScreenPickIcon::colourPicked, this, &EditColoursDialog::pickedColour);
  connect(nameEdit_, &QLineEdit::textEdited, this, &EditColoursDialog::nameEdited);
  connect(nameEdit_, &QLineEdit::editingFinished, this, &EditColoursDialog::fillList);
  connect(addButton_, &QPushButton::clicked, this, &EditColoursDialog::addPreset);
  connect(importButton_, &QPushButton::clicked, this, &EditColoursDialog::importSystemColours);
  connect(partColoursButton_, &QPushButton::clicked, this, &EditColoursDialog::openPartColours);
  // Applying commits the skin (asking first), so it runs once this click has been handled.
  connect(applyButton, &QPushButton::clicked, this,
          [this] { QMetaObject::invokeMethod(this, [] { ApplySkin(); }, Qt::QueuedConnection); });
  connect(closeButton, &QPushButton::clicked, this, &QDialog::accept);
}

int EditColoursDialog::mode() const { return modeList_->currentIndex() == SystemColours ? SystemColours : Presets; }

int EditColoursDialog::selectedNumber() const {
  const QListWidgetItem* item = colourList_->currentItem();
  return item ? item->data(kColourNumberRole).toInt() : -1;
}

void EditColoursDialog::setMode(int) {
  const bool presets = mode() == Presets;
  nameEdit_->setEnabled(presets);
  colourSample_->setVisible(presets);
  usedByLabel_->setVisible(presets);
  usedByList_->setVisible(presets);
  addButton_->setVisible(presets);
  partColoursButton_->setVisible(presets);
  importButton_->setVisible(!presets);
  sampleWindow_->setVisible(!presets);
  description_->setVisible(!presets);
  usedByList_->clear();
  fillList();
}

void EditColoursDialog::fillList() {
  const int previous = colourList_->currentRow();
  const QSignalBlocker blocker(colourList_);
  colourList_->clear();
  if (mode() == Presets) {
    for (const ColourPresetRow& row : ListColourPresets(mainFile())) {
      const QString text = FromSkinText(row.text);
      colourList_->addItem(colourItem(text, row.number, ReadPresetColour(row.number, mainFile()), text));
    }
  } else {
    const CatalogueFile catalogue(catalogue_files::kSystemColours);
    for (const SystemColourKey& entry : kSystemColourListOrder) {
      const QString title = FromSkinText(catalogue.readText(entry.key, system_colour_keys::FriendlyName));
      colourList_->addItem(colourItem(QString::fromLatin1(entry.key), entry.index,
                                      ReadSkinColourByKey(entry.key, entry.index, mainFile()), title));
    }
  }
  if (colourList_->count() > 0) colourList_->setCurrentRow(previous >= 0 && previous < colourList_->count() ? previous : 0);
  rowSelected();
  sampleWindow_->update();
}

void EditColoursDialog::rowSelected() {
  const QListWidgetItem* item = colourList_->currentItem();
  QPalette palette = colourSample_->palette();
  palette.setColor(QPalette::Window, item ? ColourToQt(item->data(kColourValueRole).toUInt()) : QColor(Qt::transparent));
  colourSample_->setPalette(palette);
  if (item == nullptr) {
    nameEdit_->clear();
    usedByList_->clear();
    description_->clear();
    return;
  }
  if (mode() == Presets) {
    QString text = item->text();
    const QString prefix = QString::fromLatin1(kSkinColourPrefix);
    if (text.startsWith(prefix)) text = text.mid(prefix.size());
    nameEdit_->setText(text);
    usedByTimer_.start();
  } else {
    nameEdit_->clear();
    const CatalogueFile catalogue(catalogue_files::kSystemColours);
    description_->setText(FromSkinText(catalogue.readText(ToSkinText(item->text()), system_colour_keys::Description)));
  }
}

void EditColoursDialog::fillUsedBy() {
  usedByTimer_.stop();
  usedByList_->clear();
  const int number = selectedNumber();
  if (mode() != Presets || number < 0) return;
  for (const std::string& section : SectionsUsing(number, kTextColourKeys)) usedByList_->addItem(FromSkinText(section));
}

void EditColoursDialog::flushUsedBy() {
  if (usedByTimer_.isActive()) fillUsedBy();
}

void EditColoursDialog::changeColour() {
  const QListWidgetItem* item = colourList_->currentItem();
  if (item == nullptr) return;
  const ColorRef current = mode() == Presets
                               ? ReadPresetColour(selectedNumber(), mainFile())
                               : ReadSkinColourByKey(ToSkinText(item->text()), selectedNumber(), mainFile());
  if (const auto chosen = CurrentColourChooser()(this, current)) storeColour(*chosen);
}

void EditColoursDialog::pickedColour(unsigned int colour) {
  if (colourList_->currentItem() == nullptr) return;
  if (CurrentPrompt().askYesNo("Do you want to replace this colour with the colour you just picked?",
                               "Replace colour?") != PromptAnswer::Yes)
    return;
  storeColour(colour);
}

void EditColoursDialog::storeColour(unsigned int colour) {
  const QListWidgetItem* item = colourList_->currentItem();
  if (item == nullptr) return;
  if (mode() == Presets) {
    WritePresetColour(selectedNumber(), colour, mainFile());
  } else {
    WriteSkinColour(ToSkinText(item->text()), colour, mainFile());
  }
  fillList();
}

void EditColoursDialog::nameEdited(const QString& text) {
  if (mode() != Presets) return;
  const int number = selectedNumber();
  if (number < 0) return;
  WritePresetName(number, ToSkinText(text), mainFile());
}

void EditColoursDialog::addPreset() {
  if (mode() != Presets) return;
  const int count = colourList_->count();
  const int last = count == 0 ? -1 : colourList_->item(count - 1)->data(kColourNumberRole).toInt();
  const auto number = AddColourPreset(last, mainFile());
  if (!number) return;
  const QString section = QString::fromStdString(ColourPresetSection(*number));
  colourList_->addItem(colourItem(section, *number, ReadPresetColour(*number, mainFile()), section));
  colourList_->setCurrentRow(colourList_->count() - 1);
}

void EditColoursDialog::importSystemColours() {
  if (CurrentPrompt().askYesNo(
          "Are you sure you want to replace the skin system colours with the currently applied system colours?",
          "Import system colours?") != PromptAnswer::Yes)
    return;
  ImportPlatformColours(mainFile());
  fillList();
}

void EditColoursDialog::openPartColours() {
  PartTableDialog dialog(document_, PartKind::Colours, this);
  dialog.exec();
  fillList();
}

}  // namespace tessera::ui
