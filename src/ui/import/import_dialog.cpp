#include "ui/import/import_dialog.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "core/image/frame_builder.h"
#include "core/platform/environment.h"
#include "core/platform/files.h"
#include "core/platform/paths.h"
#include "ui/app/editor_launcher.h"
#include "ui/common/picture_view.h"
#include "ui/common/file_picker.h"

namespace tessera::ui {

namespace {

QString toQt(const std::string& text) { return QString::fromStdString(text); }

// The folder a picker starts in: the path's own folder, or the path when it is a folder.
QString startFolderOf(const std::string& path) {
  if (path.empty()) return {};
  const std::string native = paths::toNative(path);
  if (files::isFolder(native)) return toQt(native);
  return toQt(std::string(paths::parentFolder(native)));
}

void showImportFailure(QWidget* parent, const char* text) {
  QMessageBox box(QMessageBox::Critical, QString::fromLatin1(kImportCaption), QString::fromLatin1(text),
                  QMessageBox::Ok, parent);
  box.exec();
}

}  // namespace

ImportDialog::ImportDialog(QWidget* parent, ImportMode mode, const std::string& initialPath,
                       const std::string& trackingSection, const std::string& skinSection)
    : QDialog(parent), state_(OpenImport(mode, initialPath, trackingSection)), skinSection_(skinSection) {
  setWindowTitle(QStringLiteral("Import File"));
  buildLayout();
}

void ImportDialog::buildLayout() {
  auto* layout = new QVBoxLayout(this);
  auto* heading = new QLabel(QStringLiteral("Import File"), this);
  QFont big = heading->font();
  big.setPointSize(big.pointSize() * 2);
  heading->setFont(big);
  layout->addWidget(heading);
  for (const char* line :
       {"Velarium requires that skins use TGA or BMP graphics for skin parts, but Tessera has the ability to "
        "import PNG graphics as well.",
        "It is suggested you save graphics as PNG files in a different folder and use the automatic reimport "
        "functions built into Tessera."}) {
    auto* label = new QLabel(QString::fromLatin1(line), this);
    label->setWordWrap(true);
    layout->addWidget(label);
  }

  auto* pathRow = new QHBoxLayout;
  pathBox_ = new QPlainTextEdit(this);
  pathBox_->setMaximumHeight(60);
  pathBox_->setPlainText(toQt(state_.path));
  auto* browse = new QPushButton(QStringLiteral("..."), this);
  pathRow->addWidget(pathBox_, 1);
  pathRow->addWidget(browse);
  layout->addLayout(pathRow);

  reimportBox_ = new QCheckBox(QStringLiteral("Tessera should reimport this file if it changes on disk"), this);
  reimportBox_->setChecked(state_.reimport);
  layout->addWidget(reimportBox_);

  preview_ = new PictureView(this, PictureView::Fit::ShrinkOnly);
  preview_->setImage(state_.path);
  layout->addWidget(preview_, 1);

  auto* tools = new QHBoxLayout;
  createButton_ = new QPushButton(QStringLiteral("Create subframes..."), this);
  modifyButton_ = new QPushButton(QStringLiteral("Modify existing subframes..."), this);
  auto* sample = new QPushButton(QStringLiteral("Sample graphics..."), this);
  auto* rename = new QPushButton(QStringLiteral("Rename"), this);
  rename->setEnabled(false);
  for (QPushButton* button : {createButton_, modifyButton_, sample, rename}) tools->addWidget(button);
  layout->addLayout(tools);

  auto* closing = new QHBoxLayout;
  closing->addStretch(1);
  okButton_ = new QPushButton(QStringLiteral("OK"), this);
  okButton_->setDefault(true);
  cancelButton_ = new QPushButton(QStringLiteral("Cancel"), this);
  closing->addWidget(okButton_);
  closing->addWidget(cancelButton_);
  layout->addLayout(closing);

  connect(browse, &QPushButton::clicked, this, &ImportDialog::pickFile);
  connect(sample, &QPushButton::clicked, this, &ImportDialog::pickSample);
  connect(createButton_, &QPushButton::clicked, this, [this] { runFrameBuilder({}); });
  connect(modifyButton_, &QPushButton::clicked, this, [this] { runFrameBuilder(state_.path); });
  connect(pathBox_, &QPlainTextEdit::textChanged, this, &ImportDialog::pathTyped);
  connect(reimportBox_, &QCheckBox::toggled, this, [this](bool on) { state_.reimport = on; });
  connect(okButton_, &QPushButton::clicked, this, &ImportDialog::okClicked);
  connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
}

std::string ImportDialog::run() {
  result_.clear();
  switch (state_.mode) {
    case ImportMode::Quick:
      pickFile();
      acceptImport(true);
      break;
    case ImportMode::FrameBuilder:
      runFrameBuilder(state_.path);
      acceptImport(false);
      break;
    case ImportMode::Full:
      if (exec() != QDialog::Accepted) result_.clear();
      break;
  }
  return result_;
}

void ImportDialog::pickFile() {
  const QString picked =
      PickFile(isVisible() ? this : parentWidget(),
               {.title = QStringLiteral("Select image to import..."),
                .filter = QStringLiteral("Images (.bmp;.tga;.png;.zor) (*.bmp *.tga *.png *.zor)"),
                .defaultSuffix = QStringLiteral("png"),
                .startPath = startFolderOf(state_.path),
                .preview = true});
  if (!picked.isEmpty()) choosePath(picked.toStdString());
}

void ImportDialog::pickSample() {
  const std::string samples = paths::join(paths::join(GetSkinsFolder(), "Tessera7"), "Sample");
  const QString picked = PickFile(this, {.title = QStringLiteral("Select image to import..."),
                                         .filter = QStringLiteral("Images (.bmp;.tga;.png) (*.bmp *.tga *.png)"),
                                         .defaultSuffix = QStringLiteral("png"),
                                         .startPath = toQt(samples),
                                         .preview = true});
  if (!picked.isEmpty()) choosePath(picked.toStdString());
}

void ImportDialog::runFrameBuilder(const std::string& startPath) {
  BuilderPath() = startPath;
  OpenFrameBuilder(isVisible() ? this : parentWidget(), skinSection_);
  // An unsaved builder leaves the path it was given, which is then imported again.
  if (!BuilderPath().empty()) choosePath(BuilderPath());
}

void ImportDialog::choosePath(const std::string& path) {
  SetImportPath(state_, path);
  {
    const QSignalBlocker quiet(pathBox_);
    pathBox_->setPlainText(toQt(path));
  }
  preview_->setImage(path);
}

void ImportDialog::pathTyped() {
  SetImportPath(state_, pathBox_->toPlainText().trimmed().toStdString());
  preview_->setImage(state_.path);
}

bool ImportDialog::acceptImport(bool showMessages) {
  const ImportResult outcome = AcceptImport(state_);
  switch (outcome.outcome) {
    case ImportOutcome::Imported:
    case ImportOutcome::ZorCopied:
      result_ = outcome.slotValue;
      return true;
    case ImportOutcome::Cancelled: return true;
    case ImportOutcome::LoadFailed:
      if (showMessages) showImportFailure(isVisible() ? this : parentWidget(), kImportLoadFailedText);
      return false;
    case ImportOutcome::SaveFailed:
      if (showMessages) showImportFailure(isVisible() ? this : parentWidget(), kImportSaveFailedText);
      return false;
  }
  return false;
}

void ImportDialog::okClicked() {
  if (!state_.chosen) {
    reject();
    return;
  }
  // A picture that cannot be read or written keeps the dialog open for another choice.
  if (acceptImport(true)) QDialog::accept();
}

std::string ImportImage(QWidget* parent, ImportMode mode, const std::string& initialPath,
                        const std::string& trackingSection, const std::string& skinSection) {
  ImportDialog dialog(parent, mode, initialPath, trackingSection, skinSection);
  return dialog.run();
}

}  // namespace tessera::ui
