#include "ui/editor/section_editor_window.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>
#include <QWindowStateChangeEvent>
#include <vector>

#include "core/editor/linear_order.h"
#include "core/editor/preview_background.h"
#include "core/platform/settings.h"
#include "core/app/skin_actions.h"
#include "core/skin/skin_document.h"
#include "core/skin/skin_session.h"
#include "ui/editor/bottom_bar.h"
#include "ui/editor/large_preview_button.h"
#include "ui/app/message_prompt.h"
#include "ui/app/undo_actions.h"
#include "ui/app/window_placement.h"
#include "ui/common/modified_mark.h"
#include "ui/common/window_teardown.h"
#include "ui/sheet/property_sheet.h"

namespace tessera::ui {

SectionEditorWindow::SectionEditorWindow(SkinDocument* document, const std::string& entry, QWidget* parent)
    : QDialog(parent), document_(document) {
  const EntrySelection selection = SelectEntry(entry);
  group_ = selection.group;
  linearPosition_ = selection.linearPosition;
  currentSection_ = selection.section;
  setTopLevel(selection.section);
  grey_ = StoredInterfaceGrey();

  repaintTimer_.setSingleShot(true);
  repaintTimer_.setInterval(100);
  connect(&repaintTimer_, &QTimer::timeout, this, [this] { preview_->update(); });
  brightnessTimer_.setSingleShot(true);
  brightnessTimer_.setInterval(50);
  connect(&brightnessTimer_, &QTimer::timeout, this, &SectionEditorWindow::brightnessSettled);

  if (document_) cancelPoint_ = document_->markCancelPoint();
  undo_ = new UndoActions(this, document_);
  // An undo or redo (here, or in the history) put files back: the pages reload their own keys;
  // the window shows the skin again and the layers as they now are.
  connect(undo_, &UndoActions::restored, this, &SectionEditorWindow::followRestoredSkin);

  buildControls();
  modifiedMark_ = new ModifiedMark(this);
  modifiedMark_->follow(document_);
  title_->setText(FromSkinText(selection.title));
  subtitle_->setText(FromSkinText(selection.subtitle));
  if (usesTree()) {
    fillTree();
    fillPreviewStates(group_);
    selectSubPreview(topLevel_);
  } else {
    rebuildTaskPane();
  }
  RebuildPropertySheet();
  // Large enough for the first section's pages and previews, as far as the screen allows.
  ResizeToFirstSize(*this, QSize(980, 720));
  repaintTimer_.start();
}

SectionEditorWindow::~SectionEditorWindow() {
  // The sheet goes first, while this window is still whole: its pages call back into the window
  // (previews, the current section), and an edit made just before closing still has a refresh
  // pending, which the sheet runs as it goes. Left to QWidget's teardown, those calls would reach
  // a half-destroyed window.
  repaintTimer_.stop();
  brightnessTimer_.stop();
  delete sheet_.data();
  // The rest of the controls go after this window's own parts; what they emit then (the search
  // box, the lists emptying) no longer reaches it.
  DetachDescendantsFrom(this);
}

void SectionEditorWindow::requestSheetRebuild() {
  if (rebuildQueued_) return;
  rebuildQueued_ = true;
  QMetaObject::invokeMethod(
      this,
      [this] {
        rebuildQueued_ = false;
        RebuildPropertySheet();
      },
      Qt::QueuedConnection);
}

void SectionEditorWindow::repaintLargePreview() { preview_->update(); }

void SectionEditorWindow::RebuildPropertySheet() {
  if (sheet_) {
    rememberedCaption_ = sheet_->activeCaption();
    delete sheet_.data();
  }
  sheet_ = new PropertySheet(*this, rememberedCaption_, sheetHost_);
  sheet_->setFont(QApplication::font());
  sheetHostLayout_->addWidget(sheet_);
  sheet_->show();
  bottomBar_->setCaptions(sheet_->pageCaptions());
  bottomBar_->setSelected(sheet_->activePage());
  connect(sheet_, &PropertySheet::activePageChanged, bottomBar_, &BottomBar::setSelected);
  placeSheetInTabOrder();
  RefreshLayerList();
}

void SectionEditorWindow::placeSheetInTabOrder() {
  // A new sheet joins the end of the tab order, behind OK/Cancel; its controls move up behind the
  // layer bar, so Tab walks down the window as it reads. Only widgets that take Tab can be
  // placed (setTabOrder ignores the others); the inner parts of compound controls follow their
  // owner by themselves.
  std::vector<QWidget*> controls;
  for (QWidget* w = nextInFocusChain(); w && w != this; w = w->nextInFocusChain()) {
    if (sheet_->isAncestorOf(w) && (w->focusPolicy() & Qt::TabFocus) && !w->focusProxy()) controls.push_back(w);
  }
  QWidget* last = blendModes_;
  for (QWidget* w : controls) {
    setTabOrder(last, w);
    last = w;
  }
}

void SectionEditorWindow::done(int result) {
  WriteSetting(settings::WasMaxEdit, isMaximized() ? "1" : "0");
  // Cancel, Escape and the close box take back what was changed while the window was open.
  if (result == QDialog::Rejected && cancelPoint_ >= 0) {
    if (document_) document_->cancelTo(cancelPoint_);
    RefreshPreview();
  }
  QDialog::done(result);
}

void SectionEditorWindow::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  // A switch between light and dark colours carries the interface grey over to the new palette.
  if (event->type() == QEvent::ApplicationPaletteChange) applyInterfaceGrey();
  if (event->type() != QEvent::WindowStateChange) return;
  const auto* change = static_cast<QWindowStateChangeEvent*>(event);
  QWidget* mainWindow = parentWidget() ? parentWidget()->window() : nullptr;
  if (isMinimized()) {
    if (mainWindow) mainWindow->showMinimized();
    return;
  }
  if ((change->oldState() & Qt::WindowMinimized) && mainWindow) mainWindow->showNormal();
  if (isVisible()) requestSheetRebuild();
}

bool SectionEditorWindow::eventFilter(QObject* watched, QEvent* event) {
  // A search box left while no results are listed forgets its text.
  if (watched == search_ && event->type() == QEvent::FocusOut && !results_->isVisible()) search_->clear();
  return QDialog::eventFilter(watched, event);
}

}  // namespace tessera::ui
