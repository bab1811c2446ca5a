#include "ui/pages/painting_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include "core/pages/painting_keys.h"
#include "core/platform/settings.h"
#include "core/sheet/section_preview.h"
#include "ui/app/message_prompt.h"
#include "ui/pages/margins_editor_dialog.h"
#include "ui/pages/painting_preview_box.h"
#include "ui/sheet/refresh_timer.h"

namespace tessera::ui {

namespace {

// Room the page keeps beside and under the preview when it is fitted to a frame.
constexpr QSize kPageRoomAroundPreview(250, 55);

const char* const kModeNames[] = {"Paint using margins", "Stretch vertically (no margins)",
                                  "Stretch horizontally (no margins)", "Centre (True size, no margins)"};
const char* const kMiddleNames[] = {"Stretch middle section", "Tile middle section",   "Tile Horz middle section",
                                    "Stretch Horz middle section", "Centre middle section", "Do not paint middle section"};
const char* const kEdgeNames[] = {"Top", "Bottom", "Left", "Right"};

// A margin label on the colour bar of the line that marks that margin in the preview.
QLabel* colourBarLabel(const QString& text, const QColor& colour, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setAlignment(Qt::AlignCenter);
  label->setMargin(2);
  label->setStyleSheet(QStringLiteral("QLabel { background-color: %1; color: white; }").arg(colour.name()));
  return label;
}

const QColor& edgeColour(int edge) {
  static const QColor colours[] = {kTopMarginColour, kBottomMarginColour, kLeftMarginColour, kRightMarginColour};
  return colours[edge];
}

}  // namespace

PaintingPage::PaintingPage(SectionEditorContext& editor, QWidget* parent)
    : PropertyPage(editor, QStringLiteral("Painting"), parent) {
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(buildPaintingControls());
  layout->addWidget(buildPreviewControls(), 1);
  refresh_ = RefreshTimer::forSectionPreviewPage(this, editor, [this] { preview_->update(); });
  reload();
  finishLoading();
}

QWidget* PaintingPage::buildPaintingControls() {
  auto* box = new QWidget(this);
  auto* column = new QVBoxLayout(box);
  column->setContentsMargins(0, 0, 0, 0);

  modeList_ = new QComboBox(box);
  for (const char* name : kModeNames) modeList_->addItem(QString::fromLatin1(name));
  column->addWidget(modeList_);

  auto* marginsRow = new QHBoxLayout;
  auto* grid = new QGridLayout;
  for (int edge = 0; edge < 4; ++edge) {
    auto* spin = new QSpinBox(box);
    spin->setRange(0, kMaxSizingMargin);
    auto* tile = new QCheckBox(QStringLiteral("Tile"), box);
    grid->addWidget(colourBarLabel(QString::fromLatin1(kEdgeNames[edge]), edgeColour(edge), box), edge, 0);
    grid->addWidget(spin, edge, 1);
    grid->addWidget(tile, edge, 2);
    marginBoxes_[static_cast<std::size_t>(edge)] = spin;
    tileBoxes_[static_cast<std::size_t>(edge)] = tile;
    const auto which = static_cast<Edge>(edge);
    connect(spin, &QSpinBox::valueChanged, this, [this, which](int value) {
      if (isLoading()) return;
      WriteSizingMargin(currentSection(), which, value);
      edited();
    });
    connect(tile, &QCheckBox::toggled, this, [this, which](bool on) {
      if (isLoading()) return;
      WriteTileFlag(currentSection(), which, on);
      edited();
    });
  }
  marginsRow->addLayout(grid);
  syncButton_ = new QPushButton(QStringLiteral("Sync"), box);
  syncButton_->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
  marginsRow->addWidget(syncButton_);
  column->addLayout(marginsRow);

  middleList_ = new QComboBox(box);
  for (const char* name : kMiddleNames) middleList_->addItem(QString::fromLatin1(name));
  column->addWidget(middleList_);

  smartBox_ = new QCheckBox(QStringLiteral("Use 'Smart' margins when shrinking"), box);
  column->addWidget(smartBox_);
  column->addStretch(1);

  connect(modeList_, &QComboBox::currentIndexChanged, this, [this](int mode) {
    enableMarginControls(mode == 0);
    if (isLoading()) return;
    WritePaintingMode(currentSection(), mode);
    edited();
  });
  connect(middleList_, &QComboBox::currentIndexChanged, this, [this](int entry) {
    if (isLoading()) return;
    WriteMiddleEntry(currentSection(), entry);
    edited();
  });
  connect(smartBox_, &QCheckBox::toggled, this, [this](bool on) {
    if (isLoading()) return;
    WriteSmartMargins(currentSection(), on);
    edited();
  });
  connect(syncButton_, &QPushButton::clicked, this, [this] { sync(); });
  return box;
}

QWidget* PaintingPage::buildPreviewControls() {
  auto* box = new QWidget(this);
  auto* column = new QVBoxLayout(box);
  column->setContentsMargins(0, 0, 0, 0);

  auto* top = new QHBoxLayout;
  top->addWidget(new QLabel(QStringLiteral("Preview state : "), box));
  stateList_ = new QComboBox(box);
  top->addWidget(stateList_, 1);
  marginsEditorButton_ = new QToolButton(box);
  marginsEditorButton_->setObjectName(QStringLiteral("marginsEditorButton"));
  marginsEditorButton_->setIcon(style()->standardIcon(QStyle::SP_FileDialogDetailedView));
  marginsEditorButton_->setToolTip(QStringLiteral("Painting margins"));
  top->addWidget(marginsEditorButton_);
  column->addLayout(top);

  preview_ = new PaintingPreviewBox(box);
  column->addWidget(preview_, 0, Qt::AlignLeft | Qt::AlignTop);

  auto* toggles = new QHBoxLayout;
  marginsBox_ = new QCheckBox(QStringLiteral("Margins"), box);
  gridBox_ = new QCheckBox(QStringLiteral("Grid"), box);
  toggles->addWidget(marginsBox_);
  toggles->addWidget(gridBox_);
  toggles->addStretch(1);
  column->addLayout(toggles);
  column->addStretch(1);

  connect(stateList_, &QComboBox::currentIndexChanged, this, [this] { updatePreviewOptions(); });
  connect(marginsBox_, &QCheckBox::toggled, this, [this](bool on) {
    if (isLoading()) return;
    WriteSetting(settings::UseColour, on ? "1" : "0");
    updatePreviewOptions();
  });
  connect(gridBox_, &QCheckBox::toggled, this, [this](bool on) {
    if (isLoading()) return;
    WriteSetting(settings::UseGrid, on ? "1" : "0");
    updatePreviewOptions();
  });
  connect(marginsEditorButton_, &QToolButton::clicked, this, [this] { openMarginsEditor(); });
  preview_->setGripBound([this] {
    const double s = dialogScale();
    return QSize(width() - static_cast<int>(kPageRoomAroundPreview.width() * s),
                 height() - static_cast<int>(kPageRoomAroundPreview.height() * s));
  });
  connect(preview_, &PaintingPreviewBox::doubleClicked, this, [this] {
    const double s = dialogScale();
    fitPreviewToFrame(QSize(width() - static_cast<int>(kPageRoomAroundPreview.width() * s),
                            height() - static_cast<int>(kPageRoomAroundPreview.height() * s)));
  });
  return box;
}

void PaintingPage::reload() {
  const std::string section = currentSection();
  for (const std::string& name : PreviewStateNames(currentTopLevelSection())) stateList_->addItem(FromSkinText(name));
  if (stateList_->count() > 0) stateList_->setCurrentIndex(0);
  gridBox_->setChecked(ReadSettingInt(settings::UseGrid) == 1);
  marginsBox_->setChecked(ReadSettingInt(settings::UseColour) == 1);

  const PaintingValues values = ReadPaintingValues(section);
  for (std::size_t edge = 0; edge < 4; ++edge) {
    tileBoxes_[edge]->setChecked(values.tiled[edge]);
    marginBoxes_[edge]->setValue(values.margins[edge]);
  }
  middleList_->setCurrentIndex(values.middleEntry());
  smartBox_->setChecked(values.smartMargins);
  modeList_->setCurrentIndex(values.simpleMode);
  enableMarginControls(values.usesMargins());

  ReloadSectionPreview(section, currentTopLevelSection());
  const double s = dialogScale();
  fitPreviewToFrame(QSize(static_cast<int>(kMaxPreviewBox.width() * s), static_cast<int>(kMaxPreviewBox.height() * s)));
  updatePreviewOptions();
}

void PaintingPage::enableMarginControls(bool on) {
  for (QSpinBox* spin : marginBoxes_) spin->setEnabled(on);
  for (QCheckBox* tile : tileBoxes_) tile->setEnabled(on);
  smartBox_->setEnabled(on);
  middleList_->setEnabled(on);
  syncButton_->setEnabled(on);
}

void PaintingPage::edited() { refresh_->start(); }

void PaintingPage::sync() {
  if (isLoading()) return;
  const int top = marginBoxes_[kTopEdge]->value();
  const bool topTiled = tileBoxes_[kTopEdge]->isChecked();
  for (Edge edge : {kBottomEdge, kLeftEdge, kRightEdge}) {
    const QSignalBlocker blockSpin(marginBoxes_[edge]);
    const QSignalBlocker blockTile(tileBoxes_[edge]);
    marginBoxes_[edge]->setValue(top);
    tileBoxes_[edge]->setChecked(topTiled);
  }
  SyncMarginsFromTop(currentSection(), top, topTiled);
  edited();
}

void PaintingPage::updatePreviewOptions() {
  PaintingPreviewOptions options;
  options.grid = gridBox_->isChecked();
  options.margins = marginsBox_->isChecked();
  options.stateIndex = std::max(0, stateList_->currentIndex());
  preview_->setOptions(options);
}

void PaintingPage::fitPreviewToFrame(QSize bound) {
  const QSize box = PreviewBoxSize(ReadSectionPictureLayout(currentSection(), currentTopLevelSection()), bound);
  preview_->setFixedSize(box);
}

double PaintingPage::dialogScale() const { return logicalDpiX() / 96.0; }

void PaintingPage::openMarginsEditor() {
  // The editor window outlives the dialog; this page may not (a rebuild queued before the click
  // runs inside the dialog's event loop), so nothing of the page is touched after exec().
  SectionEditorContext& context = editor();
  {
    MarginsEditorDialog dialog(context, context.editorWindow());
    dialog.exec();
  }
  // The window wrote the keys itself; a new sheet shows them.
  context.requestSheetRebuild();
}

void PaintingPage::refreshAfterReload() { refresh_->start(); }

}  // namespace tessera::ui
