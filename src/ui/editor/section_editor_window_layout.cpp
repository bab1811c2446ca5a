// The controls of the section editor window and where they stand.
#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QSlider>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "core/editor/preview_background.h"
#include "core/platform/settings.h"
#include "core/skin/blend_modes.h"
#include "ui/editor/bottom_bar.h"
#include "ui/editor/section_editor_window.h"
#include "ui/editor/large_preview_button.h"
#include "ui/editor/task_pane_list.h"

namespace tessera::ui {

namespace {
constexpr int kLeftColumnWidth = 230;
constexpr int kTreeExtraWidth = 50;  // the tree is wider than the task pane
}  // namespace

void SectionEditorWindow::buildControls() {
  setWindowTitle(QStringLiteral("Edit section[*]"));
  setSizeGripEnabled(false);

  auto* top = new QHBoxLayout;
  top->addWidget(buildLeftColumn());
  auto* right = new QVBoxLayout;
  title_ = new QLabel(this);
  QFont large = title_->font();
  large.setPointSizeF(large.pointSizeF() * 1.5);
  large.setBold(true);
  title_->setFont(large);
  subtitle_ = new QLabel(this);
  right->addWidget(title_);
  right->addWidget(subtitle_);
  right->addWidget(buildPreviewArea(), 3);
  right->addWidget(buildLayerBar());
  sheetHost_ = new QWidget(this);
  sheetHostLayout_ = new QVBoxLayout(sheetHost_);
  sheetHostLayout_->setContentsMargins(0, 0, 0, 0);
  right->addWidget(sheetHost_, 4);
  right->addWidget(buildCommandButtons());
  top->addLayout(right, 1);

  auto* whole = new QVBoxLayout(this);
  whole->setContentsMargins(6, 6, 0, 0);
  whole->addLayout(top, 1);
  bottomBar_ = new BottomBar(this);
  whole->addWidget(bottomBar_);
  connect(bottomBar_, &BottomBar::captionClicked, this, [this](int index) {
    if (!sheet_) return;
    sheet_->activatePage(index);
    sheet_->show();
  });

  auto* reload = new QShortcut(QKeySequence(Qt::Key_F5), this);
  connect(reload, &QShortcut::activated, this, &SectionEditorWindow::forceReimport);
  applyInterfaceGrey();
}

QWidget* SectionEditorWindow::buildLeftColumn() {
  auto* column = new QWidget(this);
  auto* layout = new QVBoxLayout(column);
  layout->setContentsMargins(0, 0, 0, 0);
  if (ReadSettingInt(settings::UseTree) == 1) {
    column->setFixedWidth(kLeftColumnWidth + kTreeExtraWidth);
    tree_ = new QTreeWidget(column);
    tree_->setHeaderHidden(true);
    connect(tree_, &QTreeWidget::itemSelectionChanged, this, &SectionEditorWindow::treeSelectionChanged);
    results_ = new QListWidget(column);
    results_->hide();
    connect(results_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { searchHitChosen(results_->row(item)); });
    noMatch_ = new QLabel(QStringLiteral("No items matching your search have been found"), column);
    noMatch_->setWordWrap(true);
    noMatch_->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    noMatch_->hide();
    search_ = new QLineEdit(column);
    search_->setPlaceholderText(QStringLiteral("Search"));
    search_->installEventFilter(this);
    connect(search_, &QLineEdit::textChanged, this, &SectionEditorWindow::searchTextChanged);
    layout->addWidget(tree_, 1);
    layout->addWidget(results_, 1);
    layout->addWidget(noMatch_, 1);
    layout->addWidget(search_);
  } else {
    column->setFixedWidth(kLeftColumnWidth);
    taskPane_ = new TaskPaneList(column);
    connect(taskPane_, &TaskPaneList::entryClicked, this, &SectionEditorWindow::taskPaneClick);
    layout->addWidget(taskPane_, 1);
  }
  return column;
}

QWidget* SectionEditorWindow::buildPreviewArea() {
  auto* area = new QWidget(this);
  auto* layout = new QHBoxLayout(area);
  layout->setContentsMargins(0, 0, 0, 0);
  preview_ = new LargePreviewButton(
      [this] {
        LargePreviewRequest request;
        request.group = group_;
        request.topLevelSection = topLevel_;
        request.currentSection = currentSection_;
        request.state = std::max(0, states_->currentIndex()) + 1;
        request.background = backgrounds_->currentIndex();
        request.grey = grey_;
        return request;
      },
      area);
  layout->addWidget(preview_, 1);

  auto* side = new QVBoxLayout;
  states_ = new QComboBox(area);
  states_->setToolTip(QStringLiteral("State shown in the preview"));
  connect(states_, &QComboBox::currentIndexChanged, this, [this] { preview_->update(); });
  backgrounds_ = new QComboBox(area);
  backgrounds_->setToolTip(QStringLiteral("Background of the preview"));
  for (const char* name : kPreviewBackgrounds) {
    backgrounds_->addItem(QString::fromLatin1(name));
    backgrounds_->setItemData(backgrounds_->count() - 1, QSize(-1, 20), Qt::SizeHintRole);
  }
  const int stored = ReadSettingInt(settings::BackIndex);
  backgrounds_->setCurrentIndex(stored >= 0 && stored < backgrounds_->count() ? stored : 0);
  connect(backgrounds_, &QComboBox::activated, this, &SectionEditorWindow::backgroundChosen);
  brightness_ = new QSlider(Qt::Vertical, area);
  brightness_->setRange(0, kBrightnessSliderMax);
  brightness_->setValue(SliderFromGrey(grey_));
  brightness_->setToolTip(QStringLiteral("Brightness of the preview's background"));
  brightness_->setAccessibleName(QStringLiteral("Preview brightness"));
  connect(brightness_, &QSlider::valueChanged, this, [this] { brightnessTimer_.start(); });
  auto* zoom = new QPushButton(QStringLiteral("Z"), area);
  zoom->setObjectName(QStringLiteral("zoom"));
  zoom->setToolTip(QStringLiteral("Zoom: show the preview enlarged"));
  zoom->setAccessibleName(QStringLiteral("Zoom"));
  zoom->setFixedWidth(28);
  connect(zoom, &QPushButton::clicked, this, &SectionEditorWindow::showZoomWindow);
  side->addWidget(states_);
  side->addWidget(backgrounds_);
  side->addWidget(brightness_, 1, Qt::AlignHCenter);
  side->addWidget(zoom, 0, Qt::AlignHCenter);
  layout->addLayout(side);
  return area;
}

QWidget* SectionEditorWindow::buildLayerBar() {
  auto* bar = new QWidget(this);
  auto* layout = new QHBoxLayout(bar);
  layout->setContentsMargins(0, 0, 0, 0);
  layersMenu_ = new QPushButton(QStringLiteral("La&yers"), bar);
  connect(layersMenu_, &QPushButton::clicked, this, &SectionEditorWindow::showLayersMenu);
  layerLabel_ = new QLabel(QStringLiteral("&Layer : "), bar);
  layers_ = new QComboBox(bar);
  layers_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  connect(layers_, &QComboBox::activated, this, &SectionEditorWindow::layerChosen);
  layerLabel_->setBuddy(layers_);
  addLayer_ = new QPushButton(QStringLiteral("+"), bar);
  deleteLayer_ = new QPushButton(QStringLiteral("-"), bar);
  addLayer_->setToolTip(QStringLiteral("Add a layer"));
  deleteLayer_->setToolTip(QStringLiteral("Delete the current layer"));
  for (QPushButton* button : {addLayer_, deleteLayer_}) button->setFixedWidth(28);
  connect(addLayer_, &QPushButton::clicked, this, &SectionEditorWindow::addLayer);
  connect(deleteLayer_, &QPushButton::clicked, this, &SectionEditorWindow::deleteLayer);
  blendModes_ = new QComboBox(bar);
  for (const BlendMode& mode : BlendModes()) blendModes_->addItem(QString::fromLatin1(mode.text), mode.value);
  connect(blendModes_, &QComboBox::activated, this, &SectionEditorWindow::blendModeChosen);
  layout->addWidget(layersMenu_);
  layout->addWidget(layerLabel_);
  layout->addWidget(layers_, 1);
  layout->addWidget(addLayer_);
  layout->addWidget(deleteLayer_);
  layout->addWidget(blendModes_, 1);
  return bar;
}

QWidget* SectionEditorWindow::buildCommandButtons() {
  auto* row = new QWidget(this);
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 6, 0);
  const auto add = [&](const char* caption, void (SectionEditorWindow::*slot)()) {
    auto* button = new QPushButton(QString::fromLatin1(caption), row);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, slot);
    layout->addWidget(button);
  };
  add("Force image &reimport (F5)", &SectionEditorWindow::forceReimport);
  add("&Test skin", &SectionEditorWindow::testSkin);
  add("&Save skin", &SectionEditorWindow::saveSkin);
  add("&Apply skin", &SectionEditorWindow::applySkin);
  layout->addStretch(1);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, row);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
  return row;
}

}  // namespace tessera::ui
