#pragma once
// The "*" of a window's title while the open skin has unsaved changes. The title carries the
// "[*]" placeholder; the mark follows the undo stack of the skin document (its clean state and
// index), and the window refreshes it after what changes the state without a step (open, save,
// close).
#include <QObject>
#include <QPointer>
#include <QString>

class QWidget;

namespace tessera {
class SkinDocument;
}

namespace tessera::ui {

class ModifiedMark final : public QObject {
  Q_OBJECT
 public:
  // Marks `window`, which owns the mark.
  explicit ModifiedMark(QWidget* window);

  // Follows `document`'s undo stack (nullptr: none) and refreshes.
  void follow(SkinDocument* document);
  // Shows the mark when the open skin has unsaved changes, hides it otherwise.
  void refresh();

 private:
  QWidget* window_;
  QPointer<SkinDocument> document_;
};

// `title` with the modification placeholder the mark needs.
QString MarkableTitle(const QString& title);
// The title as the window shows it: "[*]" becomes "*" while modified, else nothing.
QString ShownTitle(const QWidget* window);

}  // namespace tessera::ui
