#include "ui/app/main_window.h"

#include <QApplication>
#include <QKeyEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QSplitter>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTime>
#include <QVBoxLayout>

#include "core/app/preview_engine.h"
#include "core/app/skin_actions.h"
#include "core/engine/engine_startup.h"
#include "core/platform/activity_report.h"
#include "core/platform/environment.h"
#include "core/platform/files.h"
#include "core/platform/paths.h"
#include "core/platform/profile.h"
#include "core/platform/settings.h"
#include "core/skin/category_catalogue.h"
#include "core/skin/section_catalogue.h"
#include "core/skin/editor_catalogue.h"
#include "core/skin/section_store.h"
#include "core/skin/skin_document.h"
#include "core/skin/skin_session.h"
#include "ui/app/animation_area.h"
#include "ui/app/category_kind.h"
#include "ui/app/category_pane.h"
#include "ui/app/editor_launcher.h"
#include "ui/app/message_prompt.h"
#include "ui/app/undo_actions.h"
#include "ui/app/window_placement.h"
#include "ui/app/preview_view.h"
#include "ui/common/appearance.h"
#include "ui/common/enter_opens.h"
#include "ui/common/modified_mark.h"
#include "ui/skin/skin_dialogs.h"

namespace tessera::ui {

namespace {
constexpr int kEntryRole = Qt::UserRole + 1;
constexpr int kEntryNameRole = Qt::UserRole + 2;
constexpr QSize kFirstRunSize(1100, 700);
const char* const kStartHint =
    "To edit a skin please open the open skin dialog by clicking 'Open skin' or double click a recent skin below";
}  // namespace

MainWindow::MainWindow(const std::string& commandLinePath, QWidget* parent)
    : QDialog(parent), commandLinePath_(commandLinePath), entryOpener_([this](QWidget* owner, int category, const std::string& entry) {
        OpenEntryEditor(owner, document_, category, entry);
      }),
      pictureOpener_([this](QWidget* owner, int category, const std::string& section) {
        OpenSectionEditor(owner, document_, category, section);
      }) {
  EnableSkinWrites();
  pictures_.load();
  if (ReadSetting("Tessera", "EditVerb", "", "Tessera.ini").empty()) WriteSetting(settings::EditVerb, "Edit");
  BindPreviewLibrary(Engine().previewLibrary);

  setWindowTitle(QString::fromLatin1(kPlainTitle));
  setWindowFlags(Qt::Window | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
  setWindowIcon(pictures_.picture(QStringLiteral("tsrlogo.png")));
  setSizeGripEnabled(true);
  applyInterfaceColour();

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  undo_ = new UndoActions(this, nullptr);
  modifiedMark_ = new ModifiedMark(this);
  // An undo or redo put files back: the previews show the skin as it now is.
  connect(undo_, &UndoActions::restored, this, [this] {
    RefreshPreview();
    preview_->update();
  });
  auto* menuBar = new QMenuBar(this);
  buildMenus(menuBar);
  layout->setMenuBar(menuBar);

  auto* splitter = new QSplitter(Qt::Horizontal, this);
  layout->addWidget(splitter);
  categoryPane_ = new CategoryPane(pictures_, splitter);
  categoryPane_->setMinimumWidth(fontMetrics().horizontalAdvance(QLatin1Char('M')) * 16);
  connect(categoryPane_, &CategoryPane::taskPaneClick, this, &MainWindow::taskPaneClick);

  pages_ = new QStackedWidget(splitter);
  // Start page: logo, hint and the recent skins.
  auto* start = new QWidget(pages_);
  auto* startLayout = new QVBoxLayout(start);
  auto* logo = new QLabel(start);
  logo->setObjectName(QStringLiteral("startLogo"));
  logo->setPixmap(pictures_.picture(QStringLiteral("logo.png")));
  startLayout->addWidget(logo);
  auto* hint = new QLabel(QString::fromLatin1(kStartHint), start);
  hint->setObjectName(QStringLiteral("startHint"));
  hint->setWordWrap(true);
  startLayout->addWidget(hint);
  recentList_ = new QListWidget(start);
  recentList_->setObjectName(QStringLiteral("recentSkins"));
  startLayout->addWidget(recentList_, 1);
  connect(recentList_, &QListWidget::itemDoubleClicked, this,
          [this](QListWidgetItem* item) { openRecentSkin(item->data(kEntryRole).toInt()); });
  OpenOnEnter(recentList_, [this](const QModelIndex& index) { openRecentSkin(index.data(kEntryRole).toInt()); });
  pages_->addWidget(start);

  // Skin page: headings, entries or preview pictures, animation control, large preview.
  auto* skinPage = new QWidget(pages_);
  auto* skinLayout = new QVBoxLayout(skinPage);
  heading2_ = new QLabel(skinPage);
  QFont headingFont = heading2_->font();
  headingFont.setPointSizeF(headingFont.pointSizeF() * 1.4);
  heading2_->setFont(headingFont);
  heading2_->setWordWrap(true);
  heading3_ = new QLabel(skinPage);
  heading3_->setWordWrap(true);
  skinLayout->addWidget(heading2_);
  skinLayout->addWidget(heading3_);
  auto* body = new QSplitter(Qt::Horizontal, skinPage);
  entryList_ = new QListWidget(body);
  entryList_->setObjectName(QStringLiteral("entries"));
  entryList_->setSpacing(2);
  previewPictures_ = new QListWidget(body);
  previewPictures_->setViewMode(QListView::IconMode);
  previewPictures_->setIconSize(QSize(160, 120));
  previewPictures_->setResizeMode(QListView::Adjust);
  previewPictures_->hide();
  auto* right = new QWidget(body);
  auto* rightLayout = new QVBoxLayout(right);
  rightLayout->setContentsMargins(0, 0, 0, 0);
  animation_ = new AnimationArea(right);
  animation_->hide();
  preview_ = new PreviewView(right);
  rightLayout->addWidget(animation_);
  rightLayout->addWidget(preview_, 1);
  body->setStretchFactor(2, 1);
  skinLayout->addWidget(body, 1);
  pages_->addWidget(skinPage);
  splitter->setStretchFactor(1, 1);

  statusLine_ = new QStatusBar(this);
  statusLine_->setObjectName(QStringLiteral("statusLine"));
  statusLine_->setSizeGripEnabled(false);  // the window has its own grip in that corner
  layout->addWidget(statusLine_);
  layout->setStretchFactor(splitter, 1);  // the panes take the height, the status line its own
  // Saves, applies and tests start from this window and from the editors it opens; each says
  // here what it did, with the time, so that a repeated save shows as new.
  previousActivityListener_ = ListenToActivity([line = QPointer<QStatusBar>(statusLine_)](const std::string& text) {
    if (line) line->showMessage(QTime::currentTime().toString(QStringLiteral("HH:mm")) + QStringLiteral("  ") + FromSkinText(text));
  });

  // In the animations category the chosen entry's animation plays.
  connect(entryList_, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
    if (currentKind_ == 4 && item) animation_->showEntry(item->data(kEntryNameRole).toByteArray().toStdString());
  });
  // Entries keep the catalogue's own bytes, so a name outside ASCII opens the same entry.
  connect(entryList_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
    if (ReadSettingInt(settings::SingleClickUI) == 1) openEntry(item->data(kEntryRole).toByteArray().toStdString());
  });
  connect(entryList_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
    if (ReadSettingInt(settings::SingleClickUI) != 1) openEntry(item->data(kEntryRole).toByteArray().toStdString());
  });
  // The click rule is the mouse's; Enter always opens.
  OpenOnEnter(entryList_,
              [this](const QModelIndex& index) { openEntry(index.data(kEntryRole).toByteArray().toStdString()); });
  connect(previewPictures_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
    openPreviewPicture(item->data(kEntryRole).toByteArray().toStdString());
  });
  OpenOnEnter(previewPictures_, [this](const QModelIndex& index) {
    openPreviewPicture(index.data(kEntryRole).toByteArray().toStdString());
  });

  restorePlacement();
  resetToStartPage();
}

MainWindow::~MainWindow() {
  ListenToActivity(std::move(previousActivityListener_));
  storePlacement();
}

void MainWindow::finishStartup() {
  if (ReadSettingInt(settings::FirstRun) == 1) {
    WriteSetting(settings::FirstRun, "0");
    showPreferences();
  }
  if (!commandLinePath_.empty()) openPath(SkinPathForCommandLine(commandLinePath_), Before::Nothing);
}

QString MainWindow::currentTitle() const { return ShownTitle(this); }

bool MainWindow::requireSkin(const char* message) {
  if (Session().isOpen()) return true;
  CurrentPrompt().inform(message, kPlainTitle);
  return false;
}

void MainWindow::openPath(const std::string& path, Before before) {
  const BeforeOpen mode = before == Before::Reset            ? BeforeOpen::Reset
                          : before == Before::CommitThenReset ? BeforeOpen::CommitThenReset
                                                              : BeforeOpen::Nothing;
  if (before != Before::Nothing) animation_->hide();
  const OpenResult result =
      OpenSkin(path, mode, [this](const std::string& skinName) { return PickSubStyle(this, skinName); });
  if (!result.opened) {
    resetToStartPage();
    return;
  }
  pages_->setCurrentIndex(1);
  rebuildCategoryPane();
  heading2_->clear();
  heading3_->clear();
  // Show the first category's entries rather than an empty list (the fixed items start editors).
  if (categoryPane_->count() > 0) {
    const int first = CategoryPane::numberOf(categoryPane_->item(0));
    if (first != kHowDoICategory && first != kColoursCategory && first != kFontsCategory && first < kOpenSkinItem) {
      categoryPane_->setCurrentRow(0);
      currentKind_ = CategoryKind(first);
      selectCategory(first);
    }
  }
  writeThumbnail();
  setWindowTitle(MarkableTitle(FromSkinText(result.title)));
  skinLoaded_ = true;
  document_ = result.document;
  undo_->follow(document_);
  modifiedMark_->follow(document_);
  updateMenus();
  preview_->update();
}

void MainWindow::writeThumbnail() {
  const QRect r = preview_->previewWindowRect();
  WriteThumbnail(r.left(), r.top(), r.right(), r.bottom());
}

void MainWindow::resetToStartPage() {
  ResetSkin();
  heading2_->clear();
  heading3_->clear();
  animation_->hide();
  pages_->setCurrentIndex(0);
  setWindowTitle(QString::fromLatin1(kPlainTitle));
  document_ = nullptr;
  undo_->follow(nullptr);
  modifiedMark_->follow(nullptr);
  categoryPane_->clearItems();
  categoryPane_->addItem(kNewSkinItem, QStringLiteral("New skin"), pictures_.categoryIcon(1));
  categoryPane_->addItem(kOpenSkinItem, QStringLiteral("Open skin"), pictures_.categoryIcon(2));
  rebuildRecentSkins();
  updateMenus();
  preview_->update();
}

void MainWindow::rebuildRecentSkins() {
  recentList_->clear();
  for (int k = 0; k < settings::kHistoryLength; ++k) {
    const std::string name = ReadSetting(settings::kHistorySection, "Name" + std::to_string(k + 1), "", settings::kHistoryFile);
    if (name.empty()) continue;
    auto* item = new QListWidgetItem(FromSkinText(name), recentList_);
    item->setData(kEntryRole, k);
  }
}

void MainWindow::rebuildCategoryPane() {
  categoryPane_->clearItems();
  const CategoryCatalogue catalogue(DataFolder());
  for (const Category& category :
       catalogue.visibleCategories(ReadSettingInt(settings::TargetOS), Session().framelessSkin == 1)) {
    categoryPane_->addItem(category.number, FromSkinText(category.description), pictures_.categoryIcon(category.icon),
                           BadgeFor(category.os));
  }
  categoryPane_->addItem(kOpenSkinItem, QStringLiteral("Open skin"), pictures_.categoryIcon(2));
}

void MainWindow::taskPaneClick(int number) {
  switch (number) {
    case kOpenSkinItem: openSkinForEditing(); return;
    case kNewSkinItem: newSkin(); return;
    case kHowDoICategory:
      OpenHowDoI(this, document_);
      RefreshPreview();
      preview_->update();
      return;
    case kColoursCategory:
      OpenColoursEditor(this, document_);
      rebuildCategoryPane();
      return;
    case kFontsCategory:
      OpenFontsEditor(this, document_);
      rebuildCategoryPane();
      return;
    default: break;
  }
  if (!Session().isOpen()) return;
  currentKind_ = CategoryKind(number);
  selectCategory(number);
}

void MainWindow::selectCategory(int number) {
  currentCategory_ = number;
  const CategoryCatalogue catalogue(DataFolder());
  const SectionCatalogue sections(DataFolder());
  entryList_->clear();
  for (const CategoryEntry& entry : catalogue.visibleEntries(number, SkinTraits::Of(Session().mainFile))) {
    const std::string description = sections.description(entry.name);
    auto* item = new QListWidgetItem(FromSkinText(description.empty() ? entry.name : description), entryList_);
    item->setData(kEntryRole, QByteArray::fromStdString(entry.line));
    item->setData(kEntryNameRole, QByteArray::fromStdString(entry.name));
  }
  const Category category = catalogue.category(number);
  heading2_->setText(FromSkinText(category.description2));
  heading3_->setText(FromSkinText(category.description3));

  preview_->setCategoryKind(currentKind_);
  animation_->setVisible(currentKind_ == 4);
  // Until an entry is chosen the copy animation plays.
  if (currentKind_ == 4) {
    animation_->showEntry("Copy");
  } else {
    animation_->clear();
  }
  const bool pictures = currentKind_ == 7;
  entryList_->setVisible(!pictures);
  previewPictures_->setVisible(pictures);
  if (pictures) showPreviewPictures();
  preview_->update();
}

void MainWindow::showPreviewPictures() {
  previewPictures_->clear();
  const std::string folder = DataFile("previews");
  for (const PreviewPicture& picture : PreviewPictures(DataFolder())) {
    const std::string& label = picture.sectionName.empty() ? picture.fileName : picture.sectionName;
    auto* item = new QListWidgetItem(QIcon(QString::fromStdString(paths::join(folder, picture.fileName))),
                                     FromSkinText(label), previewPictures_);
    item->setData(kEntryRole, QByteArray::fromStdString(picture.sectionName));
  }
}

void MainWindow::openEntry(const std::string& entryText) {
  if (!Session().isOpen()) return;
  Session().modified = 1;
  modifiedMark_->refresh();
  entryOpener_(this, currentCategory_, entryText);
  modifiedMark_->refresh();
  preview_->update();
}

void MainWindow::openPreviewPicture(const std::string& section) {
  // A picture whose name is not a catalogue section opens nothing.
  if (section.empty() || !Session().isOpen()) return;
  pictureOpener_(this, currentCategory_, section);
  modifiedMark_->refresh();
  preview_->update();
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
  // Escape does not end the program; the close box and "E&xit" do.
  if (event->key() == Qt::Key_Escape) {
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

void MainWindow::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  if (event->type() == QEvent::ApplicationPaletteChange) applyInterfaceColour();
}

void MainWindow::applyInterfaceColour() {
  setPalette(InterfacePalette(QApplication::palette(), std::clamp(ReadSettingInt(settings::Brightness), 0, 255), false));
}

void MainWindow::restorePlacement() {
  QSize size = QSize(ReadSettingInt(settings::MainWidth), ReadSettingInt(settings::MainHeight)).expandedTo(QSize(640, 480));
  // Before any placement is stored, the window opens large enough for its entry names and
  // previews (the stored default is smaller than today's fonts need); the screen bounds it below.
  const SettingKey& width = settings::MainWidth;
  const bool firstRun = ReadSetting(width.section, width.key, "", width.file).empty();
  // A placement from another screen layout is pulled back onto a screen.
  const QRect placed =
      firstRun ? FirstPlacement(size.expandedTo(kFirstRunSize), AvailableScreenAreas())
               : FitOntoScreens(QRect(QPoint(ReadSettingInt(settings::MainX), ReadSettingInt(settings::MainY)), size),
                                AvailableScreenAreas());
  resize(placed.size());
  move(placed.topLeft());
  if (ReadSettingInt(settings::MainZoom) == 1) setWindowState(windowState() | Qt::WindowMaximized);
}

void MainWindow::storePlacement() {
  if (placementStored_) return;
  placementStored_ = true;
  // A maximised window keeps the normal placement it will return to.
  if (isMaximized()) {
    WriteSetting(settings::MainZoom, "1");
    return;
  }
  WriteSetting(settings::MainZoom, "0");
  WriteSetting(settings::MainX, pos().x());
  WriteSetting(settings::MainY, pos().y());
  WriteSetting(settings::MainWidth, width());
  WriteSetting(settings::MainHeight, height());
}

}  // namespace tessera::ui
