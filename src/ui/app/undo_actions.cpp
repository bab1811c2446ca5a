#include "ui/app/undo_actions.h"

#include <QDialog>
#include <QUndoView>
#include <QVBoxLayout>

namespace tessera::ui {

UndoActions::UndoActions(QWidget* window, SkinDocument* document) : QObject(window), window_(window) {
  undo_ = new QAction(this);
  undo_->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Z)});
  redo_ = new QAction(this);
  redo_->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
  history_ = new QAction(QStringLiteral("&History"), this);
  connect(undo_, &QAction::triggered, this, [this] {
    if (document_) document_->undoStack()->undo();
  });
  connect(redo_, &QAction::triggered, this, [this] {
    if (document_) document_->undoStack()->redo();
  });
  connect(history_, &QAction::triggered, this, &UndoActions::showHistory);
  for (QAction* action : {undo_, redo_}) {
    action->setShortcutContext(Qt::WindowShortcut);
    window->addAction(action);
  }
  // One reload for all the files and keys a step put back.
  restoredLater_.setSingleShot(true);
  restoredLater_.setInterval(0);
  connect(&restoredLater_, &QTimer::timeout, this, &UndoActions::restored);
  follow(document);
}

void UndoActions::follow(SkinDocument* document) {
  if (document_) {
    disconnect(document_, nullptr, this, nullptr);
    disconnect(document_->undoStack(), nullptr, this, nullptr);
  }
  if (historyWindow_ && document != document_) historyWindow_->close();
  document_ = document;
  if (document) {
    auto whenRestoring = [this] {
      if (document_ && document_->isRestoring()) restoredLater_.start();
    };
    connect(document, &SkinDocument::keysChanged, this, whenRestoring);
    connect(document, &SkinDocument::filesChanged, this, whenRestoring);
    connect(document, &QObject::destroyed, this, [this] { updateTexts(); });
    QUndoStack* stack = document->undoStack();
    connect(stack, &QUndoStack::indexChanged, this, &UndoActions::updateTexts);
    connect(stack, &QUndoStack::cleanChanged, this, &UndoActions::updateTexts);
  }
  updateTexts();
}

void UndoActions::updateTexts() {
  QUndoStack* stack = document_ ? document_->undoStack() : nullptr;
  const bool canUndo = stack && stack->canUndo();
  const bool canRedo = stack && stack->canRedo();
  undo_->setEnabled(canUndo);
  redo_->setEnabled(canRedo);
  undo_->setText(canUndo ? QStringLiteral("&Undo %1").arg(stack->undoText()) : QStringLiteral("&Undo"));
  redo_->setText(canRedo ? QStringLiteral("&Redo %1").arg(stack->redoText()) : QStringLiteral("&Redo"));
}

void UndoActions::showHistory() {
  if (!document_) return;
  if (!historyWindow_) {
    auto* window = new QDialog(window_);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowTitle(QStringLiteral("History"));
    auto* view = new QUndoView(document_->undoStack(), window);
    view->setEmptyLabel(QStringLiteral("<opened>"));
    auto* layout = new QVBoxLayout(window);
    layout->addWidget(view);
    window->resize(320, 400);
    historyWindow_ = window;
  }
  historyWindow_->show();
  historyWindow_->raise();
}

}  // namespace tessera::ui
