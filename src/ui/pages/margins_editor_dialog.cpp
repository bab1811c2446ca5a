#include "ui/pages/margins_editor_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "core/pages/margins_editor.h"
#include "core/platform/settings.h"
#include "core/platform/skin_text.h"
#include "core/sheet/section_preview.h"
#include "ui/app/window_placement.h"
#include "ui/common/zoom_window.h"
#include "ui/editor/section_editor_context.h"
#include "ui/pages/margins_preview.h"
#include "ui/sheet/refresh_timer.h"

namespace tessera::ui {

namespace {

const char* const kTileNames[] = {"Tile top section", "Tile bottom section", "Tile left section", "Tile right section"};
const char* const kMiddleNames[] = {"Stretch middle section", "Tile middle section", "Tile Horz middle section",
                                    "Stretch Horz middle section", "Centre middle section"};
const char* const kPaintingNames[] = {"Paint using margins", "Stretch vertically (no margins)",
                                      "Stretch horizontally (no margins)", "Centre (True size, no margins)"};
const char* const kSwatchLetters[] = {"T", "B", "L", "R"};

QLabel* swatchLabel(int edge, QWidget* parent) {
  static const QColor colours[] = {kTopMarginColour, kBottomMarginColour, kLeftMarginColour, kRightMarginColour};
  auto* label = new QLabel(QString::fromLatin1(kSwatchLetters[edge]), parent);
  label->setAlignment(Qt::AlignCenter);
  label->setMinimumWidth(label->fontMetrics().height() + 6);
  label->setAutoFillBackground(true);
  QPalette palette = label->palette();
  palette.setColor(QPalette::Window, colours[edge]);
  palette.setColor(QPalette::WindowText, Qt::white);
  label->setPalette(palette);
  return label;
}

}  // namespace

MarginsEditorDialog::MarginsEditorDialog(SectionEditorContext& editor, QWidget* parent)
    : QDialog(parent),
      editor_(editor),
      section_(editor.currentSection()),
      catalogueSection_(editor.currentTopLevelSection()) {
  setWindowTitle(QStringLiteral("Painting margins"));
  setSizeGripEnabled(true);
  setMinimumSize(kMinMarginsWindow);
  if (SkinDocument* document = editor_.document()) cancelPoint_ = document->markCancelPoint();

  previewArea_ = new QWidget(this);
  previewArea_->setObjectName(QStringLiteral("marginsPreviewArea"));
  previewArea_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  previewArea_->setMinimumSize(kMinMarginsPreview);
  previewArea_->installEventFilter(this);
  preview_ = new MarginsPreview(previewArea_);
  preview_->move(0, 0);

  auto* layout = new QHBoxLayout(this);
  layout->addWidget(previewArea_, 1);
  layout->addWidget(buildControls());

  refresh_ = RefreshTimer::forSectionPreviewPage(this, editor_, [this] { preview_->update(); });
  load();
  restorePlacement();
}

MarginsEditorDialog::~MarginsEditorDialog() = default;

// Two columns beside the preview, so the window keeps every control at its smallest size: how the
// picture is painted and its margins, then the middle area, the preview's options and the buttons.
QWidget* MarginsEditorDialog::buildControls() {
  auto* box = new QWidget(this);
  auto* columns = new QHBoxLayout(box);
  columns->setContentsMargins(0, 0, 0, 0);
  auto* first = new QVBoxLayout;
  auto* column = new QVBoxLayout;
  columns->addLayout(first);
  columns->addLayout(column);

  paintingList_ = new QComboBox(box);
  for (const char* name : kPaintingNames) paintingList_->addItem(QString::fromLatin1(name));
  first->addWidget(paintingList_);

  auto* grid = new QGridLayout;
  for (int edge = 0; edge < 4; ++edge) {
    const auto index = static_cast<std::size_t>(edge);
    swatches_[index] = swatchLabel(edge, box);
    marginBoxes_[index] = new QSpinBox(box);
    marginBoxes_[index]->setRange(0, kMaxSizingMargin);
    tileBoxes_[index] = new QCheckBox(QString::fromLatin1(kTileNames[edge]), box);
    grid->addWidget(swatches_[index], edge, 0);
    grid->addWidget(marginBoxes_[index], edge, 1);
    grid->addWidget(tileBoxes_[index], edge, 2);
    const auto which = static_cast<Edge>(edge);
    connect(marginBoxes_[index], &QSpinBox::valueChanged, this, [this, which](int value) {
      preview_->setMargins(shownMargins());
      if (!initialised_) return;
      WriteSizingMargin(section_, which, value);
      written();
    });
    connect(tileBoxes_[index], &QCheckBox::toggled, this, [this, which](bool on) {
      if (!initialised_) return;
      WriteTileFlag(section_, which, on);
      written();
    });
  }
  first->addLayout(grid);
  first->addStretch(1);

  auto* stateRow = new QHBoxLayout;
  stateRow->addWidget(new QLabel(QStringLiteral("Preview state : "), box));
  stateList_ = new QComboBox(box);
  stateRow->addWidget(stateList_, 1);
  zoomButton_ = new QToolButton(box);
  zoomButton_->setObjectName(QStringLiteral("zoomButton"));
  zoomButton_->setIcon(style()->standardIcon(QStyle::SP_FileDialogContentsView));
  zoomButton_->setToolTip(QStringLiteral("Zoom"));
  stateRow->addWidget(zoomButton_);
  column->addLayout(stateRow);

  middleList_ = new QComboBox(box);
  for (const char* name : kMiddleNames) middleList_->addItem(QString::fromLatin1(name));
  column->addWidget(middleList_);
  smartBox_ = new QCheckBox(QStringLiteral("Use 'Smart' margins when shrinking"), box);
  column->addWidget(smartBox_);
  edgesOnlyBox_ = new QCheckBox(QStringLiteral("Do not paint the middle area"), box);
  column->addWidget(edgesOnlyBox_);

  auto* toggles = new QHBoxLayout;
  gridBox_ = new QCheckBox(QStringLiteral("Grid"), box);
  marginsBox_ = new QCheckBox(QStringLiteral("Margins"), box);
  toggles->addWidget(gridBox_);
  toggles->addWidget(marginsBox_);
  toggles->addStretch(1);
  column->addLayout(toggles);
  column->addStretch(1);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, box);
  column->addWidget(buttons);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  connect(paintingList_, &QComboBox::currentIndexChanged, this, [this](int mode) {
    updatePreview();
    if (!initialised_) return;
    WritePaintingMode(section_, mode);
    written();
  });
  connect(middleList_, &QComboBox::currentIndexChanged, this, [this](int tile) {
    if (!initialised_) return;
    WriteMiddleTile(section_, tile);
    written();
  });
  connect(smartBox_, &QCheckBox::toggled, this, [this](bool on) {
    if (!initialised_) return;
    WriteSmartMargins(section_, on);
    written();
  });
  connect(edgesOnlyBox_, &QCheckBox::toggled, this, [this](bool on) {
    if (!initialised_) return;
    WriteEdgesOnly(section_, on);
    written();
  });
  connect(gridBox_, &QCheckBox::toggled, this, [this](bool on) {
    if (!initialised_) return;
    WriteSetting(settings::UseGrid, on ? "1" : "0");
    updatePreview();
  });
  connect(marginsBox_, &QCheckBox::toggled, this, [this](bool on) {
    if (!initialised_) return;
    WriteSetting(settings::UseColour, on ? "1" : "0");
    updatePreview();
  });
  connect(stateList_, &QComboBox::currentIndexChanged, this, [this] { updatePreview(); });
  connect(zoomButton_, &QToolButton::clicked, this, [this] { ShowZoomWindow(this); });

  connect(preview_, &MarginsPreview::marginDragStarted, this, [this](int edge) {
    dragStep_.emplace(editor_.document(),
                      FromSkinText(MarginDragStepName(static_cast<Edge>(edge), section_)));
  });
  connect(preview_, &MarginsPreview::marginDragged, this,
          [this](int edge, int pixels) { marginBoxes_[static_cast<std::size_t>(edge)]->setValue(pixels); });
  connect(preview_, &MarginsPreview::marginDragFinished, this, [this] { dragStep_.reset(); });
  connect(preview_, &MarginsPreview::doubleClicked, this, [this] { preview_->resize(defaultPreviewSize()); });
  return box;
}

void MarginsEditorDialog::load() {
  initialised_ = false;
  for (const std::string& name : MarginsEditorStateNames(section_, catalogueSection_))
    stateList_->addItem(FromSkinText(name));
  if (stateList_->count() > 0) stateList_->setCurrentIndex(0);
  gridBox_->setChecked(ReadSettingInt(settings::UseGrid) == 1);
  marginsBox_->setChecked(ReadSettingInt(settings::UseColour) == 1);

  const PaintingValues values = ReadPaintingValues(section_);
  for (std::size_t edge = 0; edge < 4; ++edge) {
    tileBoxes_[edge]->setChecked(values.tiled[edge]);
    marginBoxes_[edge]->setValue(values.margins[edge]);
  }
  // A "Tile" value the list has no entry for is painted stretched.
  middleList_->setCurrentIndex(values.tile >= 0 && values.tile < kMiddleNotPainted ? values.tile : 0);
  smartBox_->setChecked(values.smartMargins);
  edgesOnlyBox_->setChecked(values.edgesOnly);
  paintingList_->setCurrentIndex(values.simpleMode);

  ReloadSectionPreview(section_, catalogueSection_);
  layout_ = ReadSectionPictureLayout(section_, catalogueSection_);
  preview_->setFrame(FrameSize(layout_));
  preview_->setMargins(shownMargins());
  preview_->resize(DefaultMarginsPreview(layout_, QSize(4096, 4096)));
  updatePreview();
  initialised_ = true;
}

std::array<int, 4> MarginsEditorDialog::shownMargins() const {
  std::array<int, 4> margins{};
  for (std::size_t edge = 0; edge < 4; ++edge) margins[edge] = marginBoxes_[edge] ? marginBoxes_[edge]->value() : 0;
  return margins;
}

QSize MarginsEditorDialog::defaultPreviewSize() const { return DefaultMarginsPreview(layout_, previewArea_->size()); }

void MarginsEditorDialog::written() {
  changed_ = true;
  refresh_->start();
}

void MarginsEditorDialog::updatePreview() {
  PaintingPreviewOptions options;
  options.grid = gridBox_->isChecked();
  options.margins = marginsBox_->isChecked();
  options.stateIndex = std::max(0, stateList_->currentIndex());
  preview_->setMarksShown(options.margins && paintingList_->currentIndex() == 0);
  preview_->setOptions(options);
}

bool MarginsEditorDialog::eventFilter(QObject* watched, QEvent* event) {
  if (watched == previewArea_ && event->type() == QEvent::Resize) fitPreviewToRoom();
  return QDialog::eventFilter(watched, event);
}

// The preview lives in the area the layout leaves it: the first time the area has its size the
// preview takes its default size; later it only shrinks when the area becomes smaller.
void MarginsEditorDialog::fitPreviewToRoom() {
  const QSize room = previewArea_->size();
  preview_->setRoom(room);
  if (!previewSized_) {
    previewSized_ = true;
    preview_->resize(defaultPreviewSize());
    return;
  }
  preview_->resize(ClampMarginsPreview(preview_->size(), room));
}

void MarginsEditorDialog::restorePlacement() {
  const QSize size = QSize(ReadSettingInt(settings::SectionWidth), ReadSettingInt(settings::SectionHeight))
                         .expandedTo(kMinMarginsWindow);
  const QPoint position(ReadSettingInt(settings::SectionX), ReadSettingInt(settings::SectionY));
  const QRect placed = FitOntoScreens(QRect(position, size), AvailableScreenAreas());
  resize(placed.size());
  move(placed.topLeft());
  if (ReadSettingInt(settings::SectionZoom) == 1) setWindowState(windowState() | Qt::WindowMaximized);
}

void MarginsEditorDialog::storePlacement() {
  if (isMaximized()) {
    WriteSetting(settings::SectionZoom, "1");
    WriteSetting(settings::SectionX, pos().x());
    WriteSetting(settings::SectionY, pos().y());
    return;
  }
  WriteSetting(settings::SectionZoom, "0");
  WriteSetting(settings::SectionX, pos().x());
  WriteSetting(settings::SectionY, pos().y());
  WriteSetting(settings::SectionWidth, width());
  WriteSetting(settings::SectionHeight, height());
}

void MarginsEditorDialog::done(int result) {
  dragStep_.reset();
  storePlacement();
  if (result == QDialog::Rejected && changed_ && cancelPoint_ >= 0) {
    if (SkinDocument* document = editor_.document()) document->cancelTo(cancelPoint_);
  }
  // The previews show the skin as the window leaves it.
  if (changed_) {
    refresh_->start();
    refresh_->flush();
  }
  QDialog::done(result);
}

}  // namespace tessera::ui
