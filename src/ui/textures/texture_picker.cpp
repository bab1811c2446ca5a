#include "ui/textures/texture_picker.h"

#include <QGridLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

#include "core/image/edit_externally.h"
#include "core/pages/image_slot.h"
#include "core/pages/slot_file_commands.h"
#include "core/pages/texture_keys.h"
#include "core/platform/paths.h"
#include "core/skin/skin_document.h"
#include "ui/app/editor_launcher.h"
#include "ui/common/file_picker.h"
#include "ui/textures/texture_list.h"

namespace tessera::ui {

namespace {

// The Windows filter "Images (.bmp;.tga;.png;.zor)|*.bmp;*.tga;*.png;*.zor||" in Qt's form.
const QString kImageFilter = QStringLiteral("Images (.bmp;.tga;.png;.zor) (*.bmp *.tga *.png *.zor)");

struct CommandText {
  TextureCommand command;
  const char* text;
};
constexpr CommandText kCommands[] = {
    {TextureCommand::Import, "Import"},
    {TextureCommand::FrameBuilder, "Frame builder"},
    {TextureCommand::QuickImport, "Quick import file"},
    {TextureCommand::MakeCopy, "Make copy of file"},
    {TextureCommand::Rename, "Rename file"},
    {TextureCommand::CutFromLargerGraphic, "Cut from larger graphic"},
    {TextureCommand::FlipToVertical, "Flip graphic from Horizontal to Vertical"},
    {TextureCommand::FlipToHorizontal, "Flip graphic from Vertical to Horizontal"},
};

}  // namespace

TexturePicker::TexturePicker(SkinDocument* document, const QString& caption, const char* section, QWidget* parent)
    : QWidget(parent), document_(document), section_(section) {
  auto* label = new QLabel(caption, this);
  list_ = new TextureList(this);
  list_->setAccessibleName(caption.trimmed());
  label->setBuddy(list_);
  editButton_ = new QPushButton(QStringLiteral("Edit"), this);
  menuButton_ = new QPushButton(QStringLiteral(">"), this);
  menuButton_->setToolTip(QStringLiteral("More picture commands"));
  menuButton_->setAccessibleName(QStringLiteral("Picture commands"));
  menuButton_->setFixedWidth(menuButton_->fontMetrics().horizontalAdvance(QStringLiteral(">")) + 20);

  auto* layout = new QGridLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(label, 0, 0, 1, 3);
  layout->addWidget(list_, 1, 0, 2, 1);
  layout->addWidget(editButton_, 1, 1);
  layout->addWidget(menuButton_, 1, 2);
  layout->setRowStretch(2, 1);
  layout->setColumnStretch(0, 1);

  connect(list_, &TextureList::textureChosen, this, &TexturePicker::choose);
  connect(editButton_, &QPushButton::clicked, this, [this] {
    const std::string value = list_->selectedValue();
    if (!value.empty()) EditImageExternally(value);
  });
  connect(menuButton_, &QPushButton::clicked, this, &TexturePicker::showCommandMenu);
}

void TexturePicker::refill() { list_->refill(ReadTexture(section_)); }

void TexturePicker::choose(const std::string& value) {
  if (WriteTextureChoice(section_, value)) emit textureWritten();
}

QMenu* TexturePicker::buildCommandMenu(QWidget* parent) {
  auto* menu = new QMenu(parent);
  for (const CommandText& entry : kCommands) {
    if (entry.command == TextureCommand::FlipToVertical) menu->addSeparator();
    QAction* action = menu->addAction(QString::fromLatin1(entry.text));
    const TextureCommand command = entry.command;
    connect(action, &QAction::triggered, this, [this, command] { runCommand(command); });
  }
  return menu;
}

void TexturePicker::showCommandMenu() {
  QMenu* menu = buildCommandMenu(this);
  menu->setAttribute(Qt::WA_DeleteOnClose);
  menu->popup(menuButton_->mapToGlobal(QPoint(0, menuButton_->height())));
}

void TexturePicker::runCommand(TextureCommand command) {
  const std::string current = list_->selectedValue();
  // The skin folder for the no-texture entry, the tracked source of a re-imported picture,
  // else the picture itself.
  const std::string source = CommandSourcePath(current);
  QWidget* window = this->window();
  switch (command) {
    case TextureCommand::Import:
      acceptNewValue(OpenImportDialog(window, ImportMode::Full, current, source));
      break;
    case TextureCommand::QuickImport:
      acceptNewValue(OpenImportDialog(window, ImportMode::Quick, current, source));
      break;
    case TextureCommand::FrameBuilder:
      acceptNewValue(OpenImportDialog(window, ImportMode::FrameBuilder, current, source));
      break;
    case TextureCommand::MakeCopy:
    case TextureCommand::Rename:
      copyOrRename(command == TextureCommand::Rename, current);
      break;
    case TextureCommand::CutFromLargerGraphic:
      OpenCutTool(window, document_);
      break;
    case TextureCommand::FlipToVertical:
    case TextureCommand::FlipToHorizontal: {
      if (current.empty()) break;
      const SkinDocument::Step step(document_, QStringLiteral("Flip texture picture"));
      if (command == TextureCommand::FlipToVertical) {
        FlipSlotFileToVertical(current, 1);
      } else {
        FlipSlotFileToHorizontal(current, 1);
      }
      list_->refill(current);
      emit pictureRewritten();
      break;
    }
  }
}

void TexturePicker::copyOrRename(bool rename, const std::string& current) {
  // The no-texture entry names no file to copy.
  if (SlotFilePath(current).empty()) return;
  const std::string start = paths::toNative(paths::resolve(SlotFilePath(current)));
  const QString chosen = PickFile(window(), {.title = rename ? QStringLiteral("Rename file to...")
                                                             : QStringLiteral("Save copy of file as..."),
                                             .filter = kImageFilter,
                                             .startPath = QString::fromStdString(start),
                                             .mode = PickerMode::Save,
                                             .preview = true});
  if (chosen.isEmpty()) return;
  const std::string destination = chosen.toStdString();
  acceptNewValue(rename ? RenameSlotFile(current, destination) : CopySlotFile(current, destination));
}

void TexturePicker::acceptNewValue(const std::string& value) {
  if (value.empty()) return;
  WriteTextureChoice(section_, value);
  emit textureWritten();
  emit picturesChanged();
}

}  // namespace tessera::ui
