#include "ui/colours/edit_fonts_dialog.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/app/skin_actions.h"
#include "core/colours/font_preview_colours.h"
#include "core/colours/skin_fonts.h"
#include "core/colours/where_used.h"
#include "core/skin/skin_session.h"
#include "ui/app/message_prompt.h"
#include "ui/app/undo_actions.h"
#include "ui/colours/change_font_dialog.h"
#include "ui/common/window_teardown.h"
#include "ui/colours/font_preview.h"
#include "ui/colours/font_row_delegate.h"
#include "ui/colours/included_fonts_dialog.h"
#include "ui/colours/part_table_dialog.h"
#include "core/platform/skin_text.h"

namespace tessera::ui {

namespace {

const std::string& mainFile() { return Session().mainFile; }

constexpr std::array<const char*, 6> kRoleCaptions = {
    "System Icon Font :",    "System Caption Font :", "System Small Caption Font :",
    "System Menu Font : ",   "System Message Font :", "System Status Font :"};

// Item data of a role-list entry: the system font number; "OS Default" holds -1.
constexpr int kOsDefault = -1;

}  // namespace

EditFontsDialog::EditFontsDialog(SkinDocument* document, QWidget* parent, int startRow)
    : QDialog(parent), document_(document) {
  setWindowTitle(QStringLiteral("Edit Fonts"));
  buildLayout();
  // Ctrl+Z and Ctrl+Y take back and redo the changes of the open skin here too; the list shows
  // the skin as it then is.
  auto* undo = new UndoActions(this, document_);
  connect(undo, &UndoActions::restored, this, [this] { fillList(); });
  usedByTimer_.setSingleShot(true);
  usedByTimer_.setInterval(75);
  connect(&usedByTimer_, &QTimer::timeout, this, &EditFontsDialog::fillUsedBy);
  const FontPreviewColours colours = ReadFontPreviewColours();
  preview_->setColours(colours.fore, colours.back);
  textSwatch_->setColour(colours.fore);
  backSwatch_->setColour(colours.back);
  setMode(Presets);
  if (startRow > 0 && startRow < fontList_->count()) fontList_->setCurrentRow(startRow);
}

EditFontsDialog::~EditFontsDialog() { DetachDescendantsFrom(this); }

void EditFontsDialog::buildLayout() {
  auto* intro = new QLabel(
      QStringLiteral("Pick a font from below.  To change system fonts pick that option from the dropdown below."));
  intro->setWordWrap(true);
  modeList_ = new QComboBox;
  modeList_->addItems(
      {QStringLiteral("Show me the skin font presets"), QStringLiteral("Show me the skin defined system fonts")});
  fontList_ = new QListWidget;
  fontList_->setItemDelegate(new FontRowDelegate(fontList_));
  fontList_->setMinimumWidth(280);
  preview_ = new FontPreview;
  textSwatch_ = new ColourSwatch;
  textSwatch_->setToolTip(QStringLiteral("Preview text colour (click to change)"));
  backSwatch_ = new ColourSwatch;
  backSwatch_->setToolTip(QStringLiteral("Preview background colour (click to change)"));
  nameEdit_ = new QLineEdit;
  auto* changeButton = new QPushButton(QStringLiteral("Change font..."));
  usedByLabel_ = new QLabel(QStringLiteral("This font is used by the following sections : "));
  usedByList_ = new QListWidget;
  rolesPanel_ = new QWidget;
  auto* roles = new QFormLayout(rolesPanel_);
  roles->setContentsMargins(0, 0, 0, 0);
  for (std::size_t i = 0; i < roleLists_.size(); ++i) {
    roleLists_[i] = new QComboBox;
    roles->addRow(QString::fromLatin1(kRoleCaptions[i]), roleLists_[i]);
    connect(roleLists_[i], &QComboBox::activated, this,
            [this, i](int entry) { roleChosen(static_cast<int>(i), entry); });
  }
  auto* addButton = new QPushButton(QStringLiteral("Add new font"));
  auto* includedButton = new QPushButton(QStringLiteral("Included font files..."));
  auto* partFontsButton = new QPushButton(QStringLiteral("Modify Vista / 7 part fonts..."));
  auto* applyButton = new QPushButton(QStringLiteral("Apply"));
  auto* closeButton = new QPushButton(QStringLiteral("Close"));

  auto* previewRow = new QHBoxLayout;
  previewRow->addWidget(preview_, 1);
  auto* swatches = new QVBoxLayout;
  swatches->addWidget(textSwatch_);
  swatches->addWidget(backSwatch_);
  swatches->addStretch();
  previewRow->addLayout(swatches);
  auto* nameRow = new QHBoxLayout;
  nameRow->addWidget(new QLabel(QStringLiteral("Font name :")));
  nameRow->addWidget(nameEdit_, 1);
  nameRow->addWidget(changeButton);
  auto* right = new QVBoxLayout;
  right->addLayout(previewRow);
  right->addLayout(nameRow);
  right->addWidget(usedByLabel_);
  right->addWidget(usedByList_, 1);
  right->addWidget(rolesPanel_);
  right->addStretch();
  auto* left = new QVBoxLayout;
  left->addWidget(fontList_, 1);
  left->addWidget(modeList_);
  auto* body = new QHBoxLayout;
  body->addLayout(left, 1);
  body->addLayout(right, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(addButton);
  buttons->addWidget(includedButton);
  buttons->addWidget(partFontsButton);
  buttons->addStretch();
  buttons->addWidget(applyButton);
  buttons->addWidget(closeButton);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(intro);
  layout->addLayout(body, 1);
  layout->addLayout(buttons);
  resize(760, 520);

  connect(modeList_, &QComboBox::currentIndexChanged, this, &EditFontsDialog::setMode);
  connect(fontList_, &QListWidget::currentRowChanged, this, &EditFontsDialog::rowSelected);
  connect(nameEdit_, &QLineEdit::textEdited, this, &EditFontsDialog::nameEdited);
  connect(nameEdit_, &QLineEdit::editingFinished, this, &EditFontsDialog::fillList);
  connect(changeButton, &QPushButton::clicked, this, &EditFontsDialog::changeFont);
  connect(addButton, &QPushButton::clicked, this, &EditFontsDialog::addFont);
  connect(textSwatch_, &ColourSwatch::colourChosen, this,
          [this](unsigned int colour) { preview_->setColours(colour, preview_->backColour()); });
  connect(backSwatch_, &ColourSwatch::colourChosen, this,
          [this](unsigned int colour) { preview_->setColours(preview_->foreColour(), colour); });
  connect(includedButton, &QPushButton::clicked, this, [this] {
    IncludedFontsDialog dialog(document_, this);
    dialog.exec();
  });
  connect(partFontsButton, &QPushButton::clicked, this, [this] {
    PartTableDialog dialog(document_, PartKind::Fonts, this);
    dialog.exec();
  });
  // Applying commits the skin (asking first), so it runs once this click has been handled.
  connect(applyButton, &QPushButton::clicked, this,
          [this] { QMetaObject::invokeMethod(this, [] { ApplySkin(); }, Qt::QueuedConnection); });
  connect(closeButton, &QPushButton::clicked, this, &QDialog::accept);
}

int EditFontsDialog::mode() const { return modeList_->currentIndex() == SystemFonts ? SystemFonts : Presets; }

int EditFontsDialog::selectedItemData() const {
  const QListWidgetItem* item = fontList_->currentItem();
  return item ? item->data(kFontItemRole).toInt() : -1;
}

void EditFontsDialog::setMode(int) {
  const bool presets = mode() == Presets;
  usedByLabel_->setVisible(presets);
  usedByList_->setVisible(presets);
  rolesPanel_->setVisible(!presets);
  usedByList_->clear();
  fillList();
  if (!presets) fillRoleLists();
}

void EditFontsDialog::fillList() {
  const int previous = fontList_->currentRow();
  const QSignalBlocker blocker(fontList_);
  fontList_->clear();
  // Every system font the add command can create is listed, so none is hidden.
  const std::vector<FontRow> rows = mode() == Presets ? ListFontPresets(mainFile()) : ListSystemFonts(mainFile());
  for (const FontRow& row : rows) {
    auto* item = new QListWidgetItem(FromSkinText(row.text), fontList_);
    item->setData(kFontItemRole, row.itemData);
    item->setData(kFontFaceRole, FromSkinText(row.fontName));
    item->setData(kFontHeightRole, row.height);
  }
  if (fontList_->count() > 0) fontList_->setCurrentRow(previous >= 0 && previous < fontList_->count() ? previous : 0);
  rowSelected();
}

void EditFontsDialog::fillRoleLists() {
  const std::vector<FontRow> fonts = ListSystemFonts(mainFile(), kRoleSystemFontCount);
  for (std::size_t i = 0; i < roleLists_.size(); ++i) {
    QComboBox* list = roleLists_[i];
    const QSignalBlocker blocker(list);
    list->clear();
    list->addItem(QStringLiteral("OS Default"), kOsDefault);
    for (const FontRow& font : fonts) list->addItem(FromSkinText(font.text), font.itemData - kSystemFontItemBase);
    // The role holds the system font's number, so an entry is found by its number.
    const auto chosen = ReadFontRole(kSystemFontRoles[i], mainFile());
    const int entry = chosen ? list->findData(*chosen) : 0;
    list->setCurrentIndex(entry > 0 ? entry : 0);
  }
}

void EditFontsDialog::roleChosen(int role, int entry) {
  QComboBox* list = roleList(role);
  const int number = list->itemData(entry).toInt();
  WriteFontRole(kSystemFontRoles[static_cast<std::size_t>(role)],
                entry <= 0 || number < 0 ? std::nullopt : std::optional<int>(number), mainFile());
}

void EditFontsDialog::rowSelected() {
  const QListWidgetItem* item = fontList_->currentItem();
  nameEdit_->setText(item ? item->text() : QString());
  preview_->setFont(item ? item->data(kFontItemRole).toInt() : -1);
  if (item != nullptr && mode() == Presets) {
    usedByTimer_.start();
  } else {
    usedByList_->clear();
  }
}

void EditFontsDialog::fillUsedBy() {
  usedByTimer_.stop();
  usedByList_->clear();
  const int itemData = selectedItemData();
  if (mode() != Presets || itemData < 0) return;
  for (const std::string& section : SectionsUsing(itemData, kTextFontKeys)) usedByList_->addItem(FromSkinText(section));
}

void EditFontsDialog::flushUsedBy() {
  if (usedByTimer_.isActive()) fillUsedBy();
}

void EditFontsDialog::nameEdited(const QString& text) {
  const int itemData = selectedItemData();
  if (itemData < 0) return;
  WriteFontName(itemData, ToSkinText(text), mainFile());
}

void EditFontsDialog::addFont() {
  const int count = fontList_->count();
  const std::optional<int> last =
      count == 0 ? std::nullopt : std::optional<int>(fontList_->item(count - 1)->data(kFontItemRole).toInt());
  const bool presets = mode() == Presets;
  const auto itemData = presets ? AddFontPreset(last, mainFile()) : AddSystemFont(last, mainFile());
  if (itemData) {
    const QString section = QString::fromStdString(FontSectionForItem(*itemData));
    auto* item = new QListWidgetItem(section, fontList_);
    item->setData(kFontItemRole, *itemData);
    item->setData(kFontFaceRole, QStringLiteral("Arial"));
    item->setData(kFontHeightRole, presets ? 8 : -8);
    fontList_->setCurrentItem(item);
  }
  if (!presets) {
    fillRoleLists();
    fillList();
  }
}

void EditFontsDialog::changeFont() {
  const int itemData = selectedItemData();
  if (itemData < 0) return;
  ChangeFontDialog dialog(itemData, this);
  dialog.exec();
  RefreshPreview();
  fillList();
  preview_->update();
  if (mode() == SystemFonts) fillRoleLists();
}

}  // namespace tessera::ui
