#include "ui/strip/cut_tool_dialog.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "core/image/cut_links.h"
#include "core/image/image_file.h"
#include "core/image/reimport_list.h"
#include "core/platform/paths.h"
#include "core/skin/skin_document.h"
#include "ui/strip/cut_picture_area.h"
#include "ui/common/file_picker.h"
#include "ui/common/zoom_window.h"
#include "ui/strip/strip_painting.h"
#include "ui/strip/update_section_dialog.h"

namespace tessera::ui {

SectionLinkChooser& CurrentSectionLinkChooser() {
  static SectionLinkChooser chooser = &UpdateSectionDialog::ask;
  return chooser;
}

CutToolDialog::CutToolDialog(SkinDocument* document, QWidget* parent) : QDialog(parent), document_(document) {
  setWindowTitle(QStringLiteral("Cut from larger graphic"));
  setWindowFlags(windowFlags() | Qt::WindowMaximizeButtonHint);
  auto* layout = new QVBoxLayout(this);
  auto* buttons = new QHBoxLayout;
  auto* pick = new QPushButton(QStringLiteral("Pick source graphic..."), this);
  auto* save = new QPushButton(QStringLiteral("Save..."), this);
  auto* zoom = new QPushButton(this);
  zoom->setObjectName(QStringLiteral("zoomButton"));
  zoom->setIcon(style()->standardIcon(QStyle::SP_FileDialogContentsView));
  zoom->setToolTip(QStringLiteral("Zoom"));
  updateLinked_ = new QCheckBox(QStringLiteral("Update this graphic if the source image is updated"), this);
  updateLinked_->setChecked(true);
  auto* close = new QPushButton(QStringLiteral("Close"), this);
  buttons->addWidget(pick);
  buttons->addWidget(save);
  buttons->addWidget(zoom);
  buttons->addWidget(updateLinked_);
  buttons->addStretch(1);
  buttons->addWidget(close);
  layout->addLayout(buttons);
  area_ = new CutPictureArea(this);
  layout->addWidget(area_, 1);

  connect(pick, &QPushButton::clicked, this, &CutToolDialog::pickSource);
  connect(save, &QPushButton::clicked, this, &CutToolDialog::saveCutOut);
  connect(zoom, &QPushButton::clicked, this, &CutToolDialog::showZoomWindow);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  resize(800, 600);
}

CutToolDialog::~CutToolDialog() = default;

void CutToolDialog::pickSource() {
  const QString start = sourcePath_.empty() ? QString::fromStdString(OpenSkinFolder()) : QString::fromStdString(sourcePath_);
  const QString chosen = PickFile(this, {.title = QStringLiteral("Select source image..."),
                                         .filter = QStringLiteral("Images (.bmp;.tga;.png) (*.bmp *.tga *.png)"),
                                         .startPath = start,
                                         .preview = true});
  if (chosen.isEmpty()) return;
  auto picture = LoadImageFile(chosen.toStdString());
  // A picture that cannot be read leaves the tool as it was.
  if (!picture) return;
  KeyToTransparent(*picture);
  source_ = std::move(picture);
  sourcePath_ = chosen.toStdString();
  area_->setSource(ToQImage(*source_));
}

void CutToolDialog::saveCutOut() {
  const QString chosen = PickFile(this, {.title = QStringLiteral("Select destination image..."),
                                         .filter = QStringLiteral("Images (.bmp;.tga;) (*.bmp *.tga)"),
                                         .defaultSuffix = QStringLiteral("bmp"),
                                         .startPath = QString::fromStdString(lastDestination_),
                                         .mode = PickerMode::Save});
  if (chosen.isEmpty()) return;
  const std::string destination = chosen.toStdString();
  lastDestination_ = destination;
  // Without a source or with an empty selection there is nothing to save, and nothing to link:
  // a link to a file that was never written would only mislead the re-import pass.
  if (!source_) return;
  // The picture, the section's keys and the link files are one step, undone together.
  const SkinDocument::Step step(document_,
                                QStringLiteral("Cut out %1").arg(QString::fromStdString(std::string(paths::fileName(destination)))));
  if (!SaveCutOut(*source_, area_->selection(), destination)) return;
  const SectionLinkAnswer link = CurrentSectionLinkChooser()(this);
  if (!link.section.empty()) LinkCutOutToSection(link.section, link.file, destination);
  if (updateLinked_->isChecked()) RecordCutLink(sourcePath_, destination, area_->selection());
}

void CutToolDialog::showZoomWindow() { ShowZoomWindow(this); }

}  // namespace tessera::ui
