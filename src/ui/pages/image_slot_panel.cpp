#include "ui/pages/image_slot_panel.h"

#include <QHBoxLayout>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/image/edit_externally.h"
#include "core/image/image_import.h"
#include "core/image/reimport_list.h"
#include "core/pages/slot_file_commands.h"
#include "core/platform/paths.h"
#include "core/skin/skin_session.h"
#include "ui/app/editor_launcher.h"
#include "ui/common/file_picker.h"
#include "ui/editor/section_editor_context.h"
#include "ui/pages/slot_file_list.h"
#include "ui/pages/slot_preview_box.h"

namespace tessera::ui {

namespace {

// The Windows filter "Images (.bmp;.tga;.png;.zor)|*.bmp;*.tga;*.png;*.zor||" in Qt's form.
const QString kImageFilter = QStringLiteral("Images (.bmp;.tga;.png;.zor) (*.bmp *.tga *.png *.zor)");

QString toQt(const std::string& path) { return QString::fromStdString(path); }

// Asks for a picture file, starting at a file or folder of the skin.
QString pickPicture(QWidget* parent, const QString& title, PickerMode mode, const std::string& startPath) {
  // Slot values are lower case; the dialog needs the names as they are on disk.
  const std::string start = startPath.empty() ? startPath : paths::toNative(paths::resolve(startPath));
  return PickFile(parent,
                  {.title = title, .filter = kImageFilter, .startPath = toQt(start), .mode = mode, .preview = true});
}

void showImportFailure(QWidget* parent, const char* text) {
  QMessageBox box(QMessageBox::Critical, QString::fromLatin1(kImportCaption), QString::fromLatin1(text),
                  QMessageBox::Ok, parent);
  box.exec();
}

}  // namespace

std::vector<SlotCommand> ImagePageCommands() {
  return {SlotCommand::Import,   SlotCommand::FrameBuilder,         SlotCommand::QuickImport,
          SlotCommand::MakeCopy, SlotCommand::Rename,               SlotCommand::CutFromLargerGraphic,
          SlotCommand::FlipToVertical, SlotCommand::FlipToHorizontal};
}

std::vector<SlotCommand> GlyphPageCommands() {
  return {SlotCommand::Import, SlotCommand::FrameBuilder, SlotCommand::QuickImport, SlotCommand::MakeCopy,
          SlotCommand::Rename};
}

std::vector<SlotCommand> SettingsPageCommands() {
  return {SlotCommand::Import, SlotCommand::FrameBuilder, SlotCommand::QuickImport};
}

QString SlotCommandText(SlotCommand command) {
  switch (command) {
    case SlotCommand::Import: return QStringLiteral("Import");
    case SlotCommand::FrameBuilder: return QStringLiteral("Frame builder");
    case SlotCommand::QuickImport: return QStringLiteral("Quick import file");
    case SlotCommand::MakeCopy: return QStringLiteral("Make copy of file");
    case SlotCommand::Rename: return QStringLiteral("Rename file");
    case SlotCommand::CutFromLargerGraphic: return QStringLiteral("Cut from larger graphic");
    case SlotCommand::FlipToVertical: return QStringLiteral("Flip graphic from Horizontal to Vertical");
    case SlotCommand::FlipToHorizontal: return QStringLiteral("Flip graphic from Vertical to Horizontal");
  }
  return {};
}

ImageSlotPanel::ImageSlotPanel(SectionEditorContext& editor, SlotPanelOptions options, QWidget* parent)
    : QWidget(parent), editor_(editor), options_(std::move(options)) {
  fileList_ = new SlotFileList(options_.emptyText, options_.animationOnly, this);
  editButton_ = new QPushButton(QStringLiteral("Edit image..."), this);
  menuButton_ = new QPushButton(QStringLiteral(">"), this);
  menuButton_->setToolTip(QStringLiteral("More image commands"));
  menuButton_->setAccessibleName(QStringLiteral("Image commands"));
  menuButton_->setFixedWidth(menuButton_->fontMetrics().horizontalAdvance(QStringLiteral(">")) + 20);
  preview_ = new SlotPreviewBox(this);
  preview_->setFrameSample(options_.frameSample);

  auto* row = new QHBoxLayout;
  row->addWidget(fileList_, 1);
  row->addWidget(editButton_);
  row->addWidget(menuButton_);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addLayout(row);
  layout->addWidget(preview_);

  connect(fileList_, &SlotFileList::fileChosen, this, [this](const std::string& value) {
    preview_->showSlotFile(value);
    emit fileChosen(value);
  });
  connect(editButton_, &QPushButton::clicked, this, &ImageSlotPanel::editImage);
  connect(menuButton_, &QPushButton::clicked, this, &ImageSlotPanel::showCommandMenu);
}

void ImageSlotPanel::load() {
  fileList_->refill(ReadSlotValue(slotSection(), options_.keys));
  repaintPreview();
}

void ImageSlotPanel::reload(bool picturesChanged) {
  if (picturesChanged || fileList_->count() == 0) {
    load();
    return;
  }
  fileList_->selectValue(ReadSlotValue(slotSection(), options_.keys));
  repaintPreview();
}

std::string ImageSlotPanel::selectedValue() const { return fileList_->selectedValue(); }

void ImageSlotPanel::setImportControlsVisible(bool visible) {
  editButton_->setVisible(visible);
  menuButton_->setVisible(visible);
}

void ImageSlotPanel::repaintPreview() { preview_->showSlotFile(selectedValue()); }

QMenu* ImageSlotPanel::buildCommandMenu(QWidget* parent) {
  auto* menu = new QMenu(parent);
  for (SlotCommand command : options_.commands) {
    if (command == SlotCommand::FlipToVertical) menu->addSeparator();
    QAction* action = menu->addAction(SlotCommandText(command));
    connect(action, &QAction::triggered, this, [this, command] { runCommand(command); });
  }
  return menu;
}

void ImageSlotPanel::showCommandMenu() {
  QMenu* menu = buildCommandMenu(this);
  menu->setAttribute(Qt::WA_DeleteOnClose);
  menu->popup(menuButton_->mapToGlobal(QPoint(0, menuButton_->height())));
}

void ImageSlotPanel::runCommand(SlotCommand command) {
  if (QWidget* window = editor_.editorWindow()) window->setFocus();
  const std::string current = selectedValue();
  const std::string source = CommandSourcePath(current);
  switch (command) {
    case SlotCommand::Import:
    case SlotCommand::FrameBuilder:
      importInto(command, current, source);
      break;
    case SlotCommand::QuickImport:
      quickImport(current, source);
      break;
    case SlotCommand::MakeCopy:
    case SlotCommand::Rename:
      copyOrRename(command == SlotCommand::Rename, current);
      break;
    case SlotCommand::CutFromLargerGraphic:
      OpenCutTool(editor_.editorWindow(), editor_.document());
      break;
    case SlotCommand::FlipToVertical:
    case SlotCommand::FlipToHorizontal: {
      const int frames = frameCount_ ? frameCount_() : 1;
      if (command == SlotCommand::FlipToVertical) {
        FlipSlotFileToVertical(current, frames);
      } else {
        FlipSlotFileToHorizontal(current, frames);
      }
      fileList_->refill(current);
      repaintPreview();
      emit fileRewritten();
      break;
    }
  }
}

void ImageSlotPanel::importInto(SlotCommand command, const std::string& current, const std::string& source) {
  const ImportMode mode = command == SlotCommand::FrameBuilder ? ImportMode::FrameBuilder : ImportMode::Full;
  acceptNewValue(OpenImportDialog(editor_.editorWindow(), mode, current, source, slotSection()));
}

void ImageSlotPanel::quickImport(const std::string& current, const std::string& source) {
  const QString picked =
      pickPicture(editor_.editorWindow(), QStringLiteral("Select image to import..."), PickerMode::Open, source);
  if (picked.isEmpty()) return;
  const ImportResult result = QuickImport(picked.toStdString(), current);
  if (result.outcome == ImportOutcome::LoadFailed) showImportFailure(editor_.editorWindow(), kImportLoadFailedText);
  if (result.outcome == ImportOutcome::SaveFailed) showImportFailure(editor_.editorWindow(), kImportSaveFailedText);
  acceptNewValue(result.slotValue);
}

void ImageSlotPanel::copyOrRename(bool rename, const std::string& current) {
  // The empty entry names no file to copy.
  if (SlotFilePath(current).empty()) return;
  const QString title = rename ? QStringLiteral("Rename file to...") : QStringLiteral("Save copy of file as...");
  const QString chosen = pickPicture(editor_.editorWindow(), title, PickerMode::Save, OpenSkinFolder());
  if (chosen.isEmpty()) return;
  const std::string destination = chosen.toStdString();
  acceptNewValue(rename ? RenameSlotFile(current, destination) : CopySlotFile(current, destination));
}

void ImageSlotPanel::acceptNewValue(const std::string& value) {
  if (value.empty()) return;
  if (options_.page == SlotPage::SingleKey) {
    WriteSingleKeySlot(slotSection(), options_.keys.key, value);
  } else {
    WriteSlotFromCommand(options_.page, slotSection(), value);
  }
  fileList_->refill(value);
  repaintPreview();
  emit slotWrittenByCommand(value);
}

std::string ImageSlotPanel::slotSection() const {
  return options_.section.empty() ? editor_.currentSection() : options_.section;
}

void ImageSlotPanel::editImage() {
  const std::string value = selectedValue();
  if (!value.empty()) EditImageExternally(value);
}

}  // namespace tessera::ui
