#pragma once
// Undo, redo and the history of the open skin for one window: "Undo <step>" (Ctrl+Z),
// "Redo <step>" (Ctrl+Shift+Z, Ctrl+Y) and "History", following whichever skin document is open.
// When an undo or redo has put files back, `restored` tells the window once, after the fact, so it
// can reload what it shows.
#include <QAction>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include "core/skin/skin_document.h"

namespace tessera::ui {

class UndoActions final : public QObject {
  Q_OBJECT
 public:
  // The actions are added to `window`, so their shortcuts work while it has focus; they act on
  // `document` until told to follow another.
  UndoActions(QWidget* window, SkinDocument* document);

  QAction* undoAction() const { return undo_; }
  QAction* redoAction() const { return redo_; }
  QAction* historyAction() const { return history_; }

  // Follows `document` (nullptr: none, the actions are disabled).
  void follow(SkinDocument* document);
  // The window that lists the steps; clicking one goes back or forward to it.
  void showHistory();

 signals:
  void restored();

 private:
  void updateTexts();

  QWidget* window_;
  QAction* undo_;
  QAction* redo_;
  QAction* history_;
  QPointer<QWidget> historyWindow_;
  QPointer<SkinDocument> document_;
  QTimer restoredLater_;
};

}  // namespace tessera::ui
